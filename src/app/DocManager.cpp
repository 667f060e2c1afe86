#include "app/DocManager.h"
#include "ui/Latin1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/FileDialogs.h"
#include "app/RecentFileList.h"
#include "cfgfile/MessageSink.h"
#include "doc/NetloomDoc.h"
#include "doc/UserOptions.h"
#include "platform/ConfigFile.h"
#include "platform/TextRoom.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"
#include "view/NetloomView.h"

namespace netloom {

namespace {

std::string Encode(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Decode(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Problems in the file's text, each in its own box as the reader finds them, unless the user
// chose to have them listed; kept for the Problems list either way.
class CMessageBoxSink : public CMessageSink {
  public:
    CMessageBoxSink(QWidget* parent, std::vector<CReaderMessage>& kept, bool showBoxes)
        : m_parent(parent), m_kept(kept), m_bShowBoxes(showBoxes) {}
    void Report(int, const std::string& text, long line) override {
        m_kept.push_back(CReaderMessage{line, text});
        if (m_bShowBoxes) ShowWarning(m_parent, FromBytes(text));
    }

  private:
    QWidget* m_parent;
    std::vector<CReaderMessage>& m_kept;
    bool m_bShowBoxes;
};

}  // namespace

QString AbsolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

CDocManager::CDocManager(CNetloomDoc& doc, CRecentFileList& recent, CFileDialogs& dialogs,
                         const CUserOptions& options)
    : m_doc(doc), m_recent(recent), m_dialogs(dialogs), m_options(options) {
    connect(&m_watch, &CFileWatch::Changed, this, &CDocManager::OnFileChangedElsewhere);
    connect(&m_watch, &CFileWatch::Removed, this, &CDocManager::OnFileRemovedElsewhere);
}

std::string CDocManager::GetTitle() const {
    return Encode(m_title);
}

void CDocManager::SetTitle(const std::string& title) {
    m_title = Decode(title);
    emit TitleChanged();
}

std::string CDocManager::GetPathName() const {
    return Encode(m_pathName);
}

void CDocManager::SetPathName(const std::string& path, bool addToRecentFiles) {
    m_pathName = Decode(path);
    m_title = QFileInfo(m_pathName).fileName();
    if (addToRecentFiles) {
        m_recent.Add(m_pathName);
        emit RecentFilesChanged();
    }
    emit TitleChanged();
}

void CDocManager::DeleteContents() {
    // The tree lets go of the objects before they are destroyed.
    if (m_view) m_view->ClearTree();
    m_doc.DeleteContents();
}

bool CDocManager::NewDocumentStep() {
    DeleteContents();
    m_readerMessages.clear();
    m_pathName.clear();
    m_watch.Stop();
    m_doc.SetModifiedFlag(false);
    return true;
}

bool CDocManager::OpenDocumentStep(const std::string& path) {
    const QString file = Decode(path);
    std::string read;
    std::string reason;
    if (!ReadConfigurationFile(path, read, reason)) {
        m_watch.Stop();
        ReportFileError(QStringLiteral("open"), file, QString::fromLocal8Bit(reason));
        return false;
    }
    m_watch.Watch(file, read);
    DeleteContents();
    Serialize(false, read);
    m_doc.SetModifiedFlag(false);
    return true;
}

void CDocManager::Serialize(bool storing, std::string& text) {
    if (storing) {
        MakeTextRoom(text, m_doc.TextRoom());
        m_doc.WriteConfigurationText(text);
        return;
    }
    m_readerMessages.clear();
    CMessageBoxSink sink(m_window, m_readerMessages, !m_options.ListFileProblems);
    m_doc.ReadText(text, &sink);
}

bool CDocManager::SaveDocumentStep(const std::string& path) {
    const QString file = Decode(path);
    std::string reason;
    bool written = false;
    std::string text;
    {
        CWaitCursor wait;
        Serialize(true, text);
        written = WriteConfigurationFile(path, text, reason);
    }
    if (!written) {
        ReportFileError(QStringLiteral("save"), file, QString::fromLocal8Bit(reason));
        return false;
    }
    m_watch.Watch(file, text);
    m_doc.SetModifiedFlag(false);
    return true;
}

void CDocManager::ReportFileError(const QString& what, const QString& path, const QString& reason) {
    QString text = QStringLiteral("Cannot %1 the file \"%2\":\n%3").arg(what, path, reason);
    if (what == QLatin1String("save"))
        text += QStringLiteral("\n\nThe file on disk has not been changed.");
    Messages().Show(m_window, text, MsgIcon::Warning, MsgButtons::Ok);
}

bool CDocManager::OpenDocumentFile(const QString& path) {
    return SaveModified() && ReplaceDocument(path);
}

bool CDocManager::ReplaceDocument(const QString& path) {
    if (path.isEmpty()) {
        m_title = DefaultTitle();
        if (!OnNewDocument(m_doc, *this)) {
            // The old contents are gone already: show the empty document rather than nodes of
            // deleted objects.
            if (m_view) m_view->RebuildTree();
            emit TitleChanged();
            return false;
        }
    } else {
        const QString full = AbsolutePath(path);
        OnOpenDocument(m_doc, *this, Encode(full));
        SetPathName(Encode(full), true);
    }
    if (m_view) m_view->RebuildTree();
    emit TitleChanged();
    emit DocumentReplaced();
    return true;
}

void CDocManager::OnFileOpen() {
    const QString directory =
        m_pathName.isEmpty() ? QDir::currentPath() : QFileInfo(m_pathName).absolutePath();
    const QString path = m_dialogs.GetOpenFileName(m_window, directory);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CDocManager::OnFileSave() {
    const QFileInfo info(m_pathName);
    // A file that may not be written is saved under another name.
    if (m_pathName.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString(), true);
    return DoSave(m_pathName, true);
}

bool CDocManager::OnFileSaveAs() {
    return DoSave(QString(), true);
}

bool CDocManager::DoSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        QString proposed = m_pathName;
        if (proposed.isEmpty()) {
            // The title, cut at anything that cannot be part of a file name, with the
            // configuration extension: a new ka-210x configuration proposes ka-210x.cfg.
            QString name = m_title;
            const qsizetype bad = name.indexOf(QRegularExpression(QStringLiteral("[:/\\\\]")));
            if (bad >= 0) name.truncate(bad);
            proposed = QDir::current().filePath(name + DocTemplateField(kFilterExtension));
        }
        target = m_dialogs.GetSaveFileName(m_window, proposed);
        if (target.isEmpty()) return false;
        target = AbsolutePath(target);
    }
    if (!ConfirmOverwrite(target)) return false;
    if (!OnSaveDocument(m_doc, *this, m_view, Encode(target))) return false;
    if (replace) SetPathName(Encode(target), true);
    return true;
}

bool CDocManager::SaveModified() {
    if (!m_doc.IsModified()) return true;
    const QString name = m_pathName.isEmpty() ? m_title : m_pathName;
    const MsgAnswer answer =
        Messages().Show(m_window, QStringLiteral("Save changes to %1?").arg(name), MsgIcon::Warning,
                        MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) return OnFileSave();
    return true;
}

bool CDocManager::ConfirmOverwrite(const QString& path) {
    if (path != m_watch.Path() || !m_watch.TakeChangeOnDisk()) return true;
    const QString text = QStringLiteral(
                             "The file %1 was changed by another program since it was opened. "
                             "Overwrite it?")
                             .arg(path);
    if (Messages().Show(m_window, text, MsgIcon::Warning, MsgButtons::YesNo) == MsgAnswer::Yes)
        return true;
    // What is shown is not what the file holds.
    m_doc.SetModifiedFlag(true);
    return false;
}

void CDocManager::OnFileChangedElsewhere() {
    const QString path = m_watch.Path();  // a copy: reading the file again watches it anew
    const bool modified = m_doc.IsModified();
    const QString text =
        modified ? QStringLiteral(
                       "The file %1 was changed by another program. "
                       "Reload it and lose your changes?")
                 : QStringLiteral("The file %1 was changed by another program. Reload it?");
    const MsgAnswer answer =
        Messages().Show(m_window, text.arg(path), MsgIcon::Warning,
                        modified ? MsgButtons::YesNoDefaultNo : MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        // The user has just chosen to lose the changes: no question whether to save them.
        ReplaceDocument(path);
    } else {
        m_doc.SetModifiedFlag(true);
    }
}

void CDocManager::OnFileRemovedElsewhere() {
    Messages().Show(m_window,
                    QStringLiteral("The file %1 was deleted or moved by another program. Save "
                                   "keeps your configuration under its name.")
                        .arg(m_watch.Path()),
                    MsgIcon::Warning, MsgButtons::Ok);
    m_doc.SetModifiedFlag(true);
}

}  // namespace netloom
