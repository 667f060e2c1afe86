#pragma once
// The single-document layer: one configuration document, its path and title, New / Open /
// Save / Save As, the recent files and the "save changes?" question. It runs the document's
// own New, Open and Save sequences (doc/DocLifecycle.h) and keeps the tree view in step.

#include <QObject>
#include <QPointer>
#include <QString>

#include "app/FileWatch.h"
#include "doc/DocLifecycle.h"
#include "view/NetloomView.h"

#include <string>
#include <vector>

class QWidget;

namespace netloom {

class CFileDialogs;
class CRecentFileList;
struct CUserOptions;

// One message of the reader, as it would be shown in a box.
struct CReaderMessage {
    long line = 0;
    std::string text;
};

class CDocManager : public QObject, public CDocFramework {
    Q_OBJECT
  public:
    // options decide whether the reader's messages are shown in boxes as a file is read.
    CDocManager(CNetloomDoc& doc, CRecentFileList& recent, CFileDialogs& dialogs,
                const CUserOptions& options);

    void SetView(CNetloomView* view) { m_view = view; }
    // The window that message boxes and file choosers belong to.
    void SetWindow(QWidget* window) { m_window = window; }

    // Opens path (relative to the current directory), or starts a new configuration when path
    // is empty, after asking to save changes. False when nothing was opened or created.
    bool OpenDocumentFile(const QString& path);
    bool OnFileNew() { return OpenDocumentFile(QString()); }
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Asks "Save changes?" when the document is modified; false when the user cancelled or
    // the save failed, so the document must stay.
    bool SaveModified();

    // Asks whether to read the file again after another program changed it (Yes reads it as
    // File Open does, No keeps the document as modified); tells when the file is gone.
    void OnFileChangedElsewhere();
    void OnFileRemovedElsewhere();
    CFileWatch& FileWatch() { return m_watch; }

    const QString& PathName() const { return m_pathName; }
    const QString& Title() const { return m_title; }
    // The tree root's label: the path, or the title while there is none.
    QString RootLabel() const { return m_pathName.isEmpty() ? m_title : m_pathName; }

    bool NewDocumentStep() override;
    bool OpenDocumentStep(const std::string& path) override;
    bool SaveDocumentStep(const std::string& path) override;
    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    std::string GetPathName() const override;
    void SetPathName(const std::string& path, bool addToRecentFiles) override;

    static QString DefaultTitle() { return QStringLiteral("Untitled"); }

    // The reader's messages of the file read last (none for a new configuration).
    const std::vector<CReaderMessage>& ReaderMessages() const { return m_readerMessages; }

  signals:
    void TitleChanged();
    void RecentFilesChanged();
    // A new or opened document is shown.
    void DocumentReplaced();

  private:
    // Saves to path, or asks for a path first when it is empty; replace makes the saved file
    // the document's path.
    bool DoSave(const QString& path, bool replace);
    // Opens or creates the configuration (path empty: a new one) without asking to save.
    bool ReplaceDocument(const QString& path);
    // False when the user would rather not write over a file another program has changed.
    bool ConfirmOverwrite(const QString& path);
    void DeleteContents();
    // Moves the configuration between the document and a file's text: loading reads text into
    // the (emptied) document, storing builds the whole of it into text in one block. The text
    // is the one the file is read into or written from, never a copy of it: a large
    // configuration is held in memory once.
    void Serialize(bool storing, std::string& text);
    void ReportFileError(const QString& what, const QString& path, const QString& reason);

    CNetloomDoc& m_doc;
    CRecentFileList& m_recent;
    CFileDialogs& m_dialogs;
    const CUserOptions& m_options;
    QPointer<CNetloomView> m_view;
    QPointer<QWidget> m_window;
    QString m_pathName;
    QString m_title = DefaultTitle();
    std::vector<CReaderMessage> m_readerMessages;
    CFileWatch m_watch;
};

// The absolute, cleaned form of path, relative to the current directory.
QString AbsolutePath(const QString& path);

}  // namespace netloom
