#include "app/SettingsWrite.h"

#include <QSettings>

namespace netloom {

void WriteSetting(QSettings& settings, const QString& key, const QVariant& value) {
    // Read from the file, a value is a text (or a list, for one with an unquoted comma).
    const QVariant stored = settings.value(key);
    if (stored.metaType().id() == QMetaType::QString && stored.toString() == value.toString())
        return;
    settings.setValue(key, value);
}

void RemoveSetting(QSettings& settings, const QString& key) {
    if (settings.contains(key)) settings.remove(key);
}

}  // namespace netloom
