#pragma once
// The per-user settings under the settings root: the options of the "Options" section and the
// web-site lists of the "Web" section, read once at start-up and (except the lists) written at
// exit.

#include <QStringList>

class QSettings;

namespace netloom {

struct CUserOptions;

struct CWebLists {
    int PreferredSite = 0;
    QStringList Sites;   // host names
    QStringList Urls;    // page address patterns with "%s" for the host
    QStringList Titles;  // menu texts of the pages
};

// The list procedure: "Web"/pattern with n (n = 0, 1, ...), or when that is empty the string
// table entry firstStringId + n, until both are empty. A list has at most 100 entries, so its
// defaults never run into the next list's string-table entries.
QStringList ReadWebList(QSettings& settings, const QString& pattern, int firstStringId);

void LoadOptions(QSettings& settings, CUserOptions& options, CWebLists& web);
// Writes the options and the preferred site; the lists are never written.
void SaveOptions(QSettings& settings, const CUserOptions& options, const CWebLists& web);

}  // namespace netloom
