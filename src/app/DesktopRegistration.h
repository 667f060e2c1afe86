#pragma once
// Registration of Netloom with the desktop for the current user: a desktop entry that starts
// this very program, the "Netloom Document" file type for *.cfg and the program's icon, all
// below the user's data directory. Refreshed at start only when missing or different.

#include <QString>

namespace netloom {

// The desktop entry's Exec value that starts executable with one file.
QString DesktopExecLine(const QString& executable);

// Writes what is missing or different; true when everything is in place afterwards.
bool RegisterDocumentType(const QString& executable);
// Removes this user's registration (the system-wide one, if installed, stays).
void UnregisterDocumentType();

// Where the per-user files go (for tests and messages).
QString DesktopEntryPath();
QString MimePackagePath();
QString UserIconPath();

}  // namespace netloom
