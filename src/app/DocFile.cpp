#include "app/DocFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    // QSaveFile follows a symbolic link to its target and keeps the target's permissions.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        error = file.errorString();
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
