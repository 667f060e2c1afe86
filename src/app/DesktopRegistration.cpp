#include "app/DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace netloom {

namespace {

QString DataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/netloom/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes content unless the file already holds it; false on a write failure.
bool WriteIfDifferent(const QString& path, const QByteArray& content, bool& changed) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    changed = true;
    return file.write(content) == content.size() && file.flush();
}

void RunTool(const QString& program, const QString& directory) {
    if (QStandardPaths::findExecutable(program).isEmpty()) return;
    QProcess process;
    process.start(program, {directory});
    if (process.waitForStarted(5000)) process.waitForFinished(20000);
}

}  // namespace

QString DesktopEntryPath() {
    return DataHome() + QStringLiteral("/applications/netloom.desktop");
}

QString MimePackagePath() {
    return DataHome() + QStringLiteral("/mime/packages/netloom.xml");
}

QString UserIconPath() {
    return DataHome() + QStringLiteral("/icons/hicolor/32x32/apps/netloom.xpm");
}

QString DesktopExecLine(const QString& executable) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+,=:@-]+$"));
    QString program = executable;
    if (!plain.match(program).hasMatch()) {
        QString quoted;
        for (const QChar c : program) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        // Inside a desktop entry's string value a backslash is itself escaped.
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        program = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return program + QStringLiteral(" %f");
}

bool RegisterDocumentType(const QString& executable) {
    QByteArray entry = Resource(QStringLiteral("netloom.desktop"));
    const QByteArray mime = Resource(QStringLiteral("netloom-mime.xml"));
    const QByteArray icon = Resource(QStringLiteral("netloom.xpm"));
    if (entry.isEmpty() || mime.isEmpty() || icon.isEmpty()) return false;
    entry.replace("Exec=Netloom %f", "Exec=" + DesktopExecLine(executable).toUtf8());
    entry.replace("Icon=netloom", "Icon=" + QFile::encodeName(UserIconPath()));

    bool mimeChanged = false, entryChanged = false, iconChanged = false;
    bool ok = WriteIfDifferent(MimePackagePath(), mime, mimeChanged);
    ok = WriteIfDifferent(UserIconPath(), icon, iconChanged) && ok;
    ok = WriteIfDifferent(DesktopEntryPath(), entry, entryChanged) && ok;
    if (mimeChanged) RunTool(QStringLiteral("update-mime-database"), DataHome() + "/mime");
    if (entryChanged)
        RunTool(QStringLiteral("update-desktop-database"), DataHome() + "/applications");
    return ok;
}

void UnregisterDocumentType() {
    const bool hadMime = QFile::remove(MimePackagePath());
    QFile::remove(UserIconPath());
    const bool hadEntry = QFile::remove(DesktopEntryPath());
    if (hadMime) RunTool(QStringLiteral("update-mime-database"), DataHome() + "/mime");
    if (hadEntry) RunTool(QStringLiteral("update-desktop-database"), DataHome() + "/applications");
}

}  // namespace netloom
