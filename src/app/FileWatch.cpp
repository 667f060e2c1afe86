#include "app/FileWatch.h"

#include <sys/stat.h>

#include <QApplication>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace netloom {

namespace {

// Long enough for a program that writes a file in several pieces to finish, short enough not
// to be noticed.
constexpr int kQuietMilliseconds = 150;

// A digest no change to a file makes by chance, and the fastest of those the toolkit offers:
// it takes in a file at four times the pace of SHA-256, which spent a third of a second on
// every open and save of a 50 MB configuration.
constexpr QCryptographicHash::Algorithm kDigest = QCryptographicHash::Blake2b_256;

QByteArray Digest(std::string_view bytes) {
    return QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), kDigest);
}

}  // namespace

CFileWatch::CFileWatch(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kQuietMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &CFileWatch::Check);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatch::Noticed);
    // Only the directory tells when a removed file comes back, or when another program renames
    // a new file over the old one before the old one's watch reports losing it.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &CFileWatch::OnDirectoryChanged);
}

void CFileWatch::Watch(const QString& path, std::string_view bytes) {
    if (path != m_path) {
        Stop();
        m_path = path;
        m_watcher.addPath(QFileInfo(path).absolutePath());
    }
    m_known = Digest(bytes);
    m_seen = m_known;
    Rewatch();
}

void CFileWatch::Stop() {
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty()) m_watcher.removePaths(watched);
    m_path.clear();
    m_watched = Identity();
    m_known.clear();
    m_seen.clear();
    m_settle.stop();
}

bool CFileWatch::TakeChangeOnDisk() {
    if (m_path.isEmpty() || !IdentityNow().exists) return false;
    const QByteArray digest = DigestNow();
    if (digest.isEmpty() || digest == m_known) return false;
    m_seen = digest;
    return true;
}

void CFileWatch::OnDirectoryChanged() {
    // Other files of the directory come and go too; only the watched one matters.
    if (m_path.isEmpty()) return;
    if (!(IdentityNow() == m_watched) || !m_watcher.files().contains(m_path)) Noticed();
}

void CFileWatch::Check() {
    if (m_path.isEmpty()) return;
    // A question over an open dialog or menu would act on a document the dialog still works
    // on; it is asked when that closes.
    QWidget* busy = QApplication::activeModalWidget();
    if (busy == nullptr) busy = QApplication::activePopupWidget();
    if (busy != nullptr) {
        WaitFor(busy);
        return;
    }
    if (!Rewatch().exists) {
        if (!m_seen.isEmpty()) {
            m_seen.clear();
            emit Removed();
        }
        return;
    }
    const QByteArray digest = DigestNow();
    if (digest.isEmpty() || digest == m_seen) return;
    const bool differs = digest != m_known;
    m_seen = digest;
    if (differs) emit Changed();
}

CFileWatch::Identity CFileWatch::Rewatch() {
    const Identity now = IdentityNow();
    const bool watched = m_watcher.files().contains(m_path);
    if (now.exists && (!watched || !(now == m_watched))) {
        if (watched) m_watcher.removePath(m_path);
        m_watcher.addPath(m_path);
    }
    m_watched = now;
    return now;
}

void CFileWatch::WaitFor(QWidget* dialog) {
    if (m_dialog == dialog) return;
    if (m_dialog) {
        m_dialog->removeEventFilter(this);
        disconnect(m_dialog, nullptr, this, nullptr);
    }
    m_dialog = dialog;
    dialog->installEventFilter(this);
    connect(dialog, &QObject::destroyed, this, &CFileWatch::Noticed);
}

bool CFileWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dialog && event->type() == QEvent::Hide) {
        m_dialog->removeEventFilter(this);
        disconnect(m_dialog, nullptr, this, nullptr);
        m_dialog = nullptr;
        Noticed();
    }
    return QObject::eventFilter(watched, event);
}

CFileWatch::Identity CFileWatch::IdentityNow() const {
    Identity identity;
    struct stat info {};
    // Only a regular file holds a configuration; reading a pipe put in its place would block.
    if (::stat(QFile::encodeName(m_path).constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        identity.exists = true;
        identity.device = info.st_dev;
        identity.inode = info.st_ino;
    }
    return identity;
}

QByteArray CFileWatch::DigestNow() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QCryptographicHash hash(kDigest);
    if (!hash.addData(&file)) return QByteArray();
    return hash.result();
}

}  // namespace netloom
