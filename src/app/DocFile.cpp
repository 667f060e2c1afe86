#include "app/DocFile.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace netloom {

bool ReadConfigurationFile(const QString& path, QByteArray& bytes, QString& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // Directories, devices and pipes: reading them could block or never end.
        error = info.isDir() ? QStringLiteral("It is a directory, not a file.")
                             : QStringLiteral("It is not a regular file.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.size() > kMaxConfigurationFileSize) {
        error = QStringLiteral("The file is larger than %1 MB.")
                    .arg(kMaxConfigurationFileSize / (1024 * 1024));
        return false;
    }
    bytes = file.read(kMaxConfigurationFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    if (bytes.size() > kMaxConfigurationFileSize) {
        error = QStringLiteral("The file is larger than %1 MB.")
                    .arg(kMaxConfigurationFileSize / (1024 * 1024));
        return false;
    }
    return true;
}

bool WriteConfigurationFile(const QString& path, const QByteArray& bytes, QString& error) {
    // QSaveFile follows a symbolic link to its target. Of the old file's mode it keeps only the
    // permissions it reports for the current user (so, for root, a read-only file came back
    // writable, and set-group-ID and sticky bits were lost): the mode is set here instead.
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: writing the rest then fails with the
    // system's reason (a full disk), which a short write alone leaves as "Unknown error".
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            error = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += n;
    }
    if (existed && ::fchmod(file.handle(), old.st_mode & 07777) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace netloom
