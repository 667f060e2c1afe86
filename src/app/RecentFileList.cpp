#include "app/RecentFileList.h"

#include <QSettings>

#include "app/SettingsWrite.h"

namespace netloom {

namespace {
const QString kSection = QStringLiteral("Recent File List");
}

void CRecentFileList::Load(QSettings& settings) {
    m_paths.clear();
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path)) m_paths << path;
    }
    settings.endGroup();
}

void CRecentFileList::Save(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_paths.size())
            WriteSetting(settings, key, m_paths.at(i - 1));
        else
            RemoveSetting(settings, key);
    }
    settings.endGroup();
}

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty()) return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > kSize)
        m_paths.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_paths.size()) m_paths.removeAt(index);
}

QString CRecentFileList::MenuText(int index) const {
    QString path = At(index);
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}

}  // namespace netloom
