#pragma once
// The recently used files: four entries, most recent first, kept in the settings section
// "Recent File List" as File1..File4.

#include <QStringList>

class QSettings;

namespace netloom {

class CRecentFileList {
  public:
    static constexpr int kSize = 4;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Puts path first; an entry for the same path further down goes away.
    void Add(const QString& path);
    void Remove(int index);

    int Count() const { return static_cast<int>(m_paths.size()); }
    QString At(int index) const { return m_paths.value(index); }
    // The menu text of entry index: "&1 path" with the path's ampersands doubled.
    QString MenuText(int index) const;

  private:
    QStringList m_paths;
};

}  // namespace netloom
