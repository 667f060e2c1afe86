#pragma once
// Netloom writes its options and recent files at every exit. QSettings rewrites the file, behind
// a lock file, and flushes both to the disk whenever a value was set, even to what it was; on a
// busy disk that is tens of milliseconds at each exit. These write only what changed, so an exit
// that changed nothing leaves the file alone.

#include <QString>
#include <QVariant>

class QSettings;

namespace netloom {

// Sets key to value (a number or a text) unless the file holds that text for it already.
void WriteSetting(QSettings& settings, const QString& key, const QVariant& value);
// Removes key when the file has it.
void RemoveSetting(QSettings& settings, const QString& key);

}  // namespace netloom
