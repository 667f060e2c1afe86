#pragma once
// Reading and writing a configuration file as a whole. Saving goes through a temporary file
// beside the target that replaces it only once everything was written, so a failed save never
// damages the file that was there; a target that is a symbolic link is written through to the
// file it points to, and the old file's permissions are kept.

#include <QByteArray>
#include <QString>
#include <string>

namespace netloom {

// A configuration file larger than this is refused rather than read into memory.
constexpr qint64 kMaxConfigurationFileSize = 512 * 1024 * 1024;

// The file's bytes; false with the reason in error when it cannot be read.
bool ReadConfigurationFile(const QString& path, QByteArray& bytes, QString& error);

// Replaces the file at path by bytes; false with the reason in error.
bool WriteConfigurationFile(const QString& path, const QByteArray& bytes, QString& error);

}  // namespace netloom
