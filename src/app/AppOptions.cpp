#include "app/AppOptions.h"
#include "ui/Latin1.h"

#include <QSettings>

#include "app/SettingsWrite.h"
#include "doc/UserOptions.h"
#include "res/Strings.h"

namespace netloom {

namespace {

constexpr int kMaxListEntries = 100;

int ReadInt(QSettings& settings, const QString& key, int defaultValue) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : defaultValue;
}

QString ReadString(QSettings& settings, const QString& key, const QString& defaultValue) {
    const QVariant value = settings.value(key);
    if (!value.isValid()) return defaultValue;
    // A hand-written value with an unquoted comma reads back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.canConvert<QString>() ? value.toString() : defaultValue;
}

}  // namespace

QStringList ReadWebList(QSettings& settings, const QString& pattern, int firstStringId) {
    QStringList list;
    for (int n = 0; n < kMaxListEntries; ++n) {
        QString entry = ReadString(settings, QStringLiteral("Web/") + pattern.arg(n), QString());
        if (entry.isEmpty()) entry = TableString(firstStringId + n);
        if (entry.isEmpty()) break;
        list << entry;
    }
    return list;
}

void LoadOptions(QSettings& settings, CUserOptions& options, CWebLists& web) {
    options.DisplayTrafficProfiles =
        ReadInt(settings, QStringLiteral("Options/DisplayTrafficProfiles"), 0) != 0;
    options.ExpertMode = ReadInt(settings, QStringLiteral("Options/ExpertMode"), 0) != 0;
    options.AddressTemplate = ToBytes(ReadString(
        settings, QStringLiteral("Options/AddressTemplate"), FromBytes(kDefaultAddressTemplate)));
    options.ListFileProblems =
        ReadInt(settings, QStringLiteral("Options/ListFileProblems"), 0) != 0;
    web.PreferredSite = ReadInt(settings, QStringLiteral("Web/PreferredSite"), 0);
    web.Sites = ReadWebList(settings, QStringLiteral("Site%1"), 48200);
    web.Urls = ReadWebList(settings, QStringLiteral("Url%1"), 48300);
    web.Titles = ReadWebList(settings, QStringLiteral("Title%1"), 48400);
}

void SaveOptions(QSettings& settings, const CUserOptions& options, const CWebLists& web) {
    WriteSetting(settings, QStringLiteral("Options/DisplayTrafficProfiles"),
                 options.DisplayTrafficProfiles ? 1 : 0);
    WriteSetting(settings, QStringLiteral("Options/ExpertMode"), options.ExpertMode ? 1 : 0);
    WriteSetting(settings, QStringLiteral("Options/AddressTemplate"),
                 FromBytes(options.AddressTemplate));
    WriteSetting(settings, QStringLiteral("Options/ListFileProblems"),
                 options.ListFileProblems ? 1 : 0);
    WriteSetting(settings, QStringLiteral("Web/PreferredSite"), web.PreferredSite);
}

}  // namespace netloom
