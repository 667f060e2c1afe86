#pragma once
// Notices when another program rewrites, replaces or removes the open configuration file.
// What Netloom itself last read or wrote is remembered by a digest of the bytes, so that its
// own saves never look like another program's change, however the file system's notices of
// them are timed. Changes are looked at only after a short quiet spell, so that a burst of
// writes gives one report, and never while a modal dialog is up: a report waits until it
// closes.

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <string_view>

class QWidget;

namespace netloom {

class CFileWatch : public QObject {
    Q_OBJECT
  public:
    explicit CFileWatch(QObject* parent = nullptr);

    // Watches path, which holds bytes: Netloom has just read them from it or written them.
    void Watch(const QString& path, std::string_view bytes);
    // Watches nothing: the configuration has no file it was read from or saved to.
    void Stop();
    const QString& Path() const { return m_path; }

    // Whether the file now holds other bytes than Netloom last read or wrote (false when it
    // is gone or cannot be read). The caller tells the user, so the change is not reported
    // again by Changed().
    bool TakeChangeOnDisk();

    // A change was noticed and is not handled yet, or is waiting for a dialog to close.
    bool Pending() const { return m_settle.isActive() || WaitingForDialog(); }
    bool WaitingForDialog() const { return !m_dialog.isNull(); }

  signals:
    // The file holds other bytes than Netloom last read or wrote, and than when this was
    // last reported.
    void Changed();
    // The file is gone: deleted, or moved away.
    void Removed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the path leads: the file system object that is watched, if it exists.
    struct Identity {
        bool exists = false;
        qulonglong device = 0;
        qulonglong inode = 0;
        bool operator==(const Identity& o) const {
            return exists == o.exists && device == o.device && inode == o.inode;
        }
    };

    void Noticed() { m_settle.start(); }
    void OnDirectoryChanged();
    void Check();
    // Makes sure the file now at the path is the one watched: a file renamed over the old one
    // is another file, and the watch on the old one is lost with it.
    Identity Rewatch();
    void WaitFor(QWidget* dialog);
    Identity IdentityNow() const;
    // The digest of the file's bytes; empty when it cannot be read.
    QByteArray DigestNow() const;

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    Identity m_watched;
    // Of what Netloom last read or wrote; and of the bytes last reported or taken by the
    // caller (empty: the file was reported gone).
    QByteArray m_known;
    QByteArray m_seen;
    QPointer<QWidget> m_dialog;
};

}  // namespace netloom
