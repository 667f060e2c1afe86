#pragma once
// CNetloomApp: the program. It starts up in a fixed order (settings root, recent files,
// options, document with main window and tree view, file-type registration, command line,
// then New or Open), answers the application's own commands through the handlers it owns (file,
// print, options and help) and saves the options at exit.

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/AppOptions.h"
#include "app/AppServices.h"
#include "app/CommandLineInfo.h"
#include "app/CommandTable.h"
#include "app/HelpWindow.h"
#include "app/RecentFileList.h"
#include "doc/NetloomDoc.h"
#include "doc/UserOptions.h"
#include "view/NetloomView.h"

class QPrinter;
class QSettings;

namespace netloom {

class CDocManager;
class CFileCommands;
class CMainFrame;
class CObjectEditor;
class COptionsHelpCommands;
class CPrintCommands;
struct CReaderMessage;

class CNetloomApp : public QObject {
    Q_OBJECT
  public:
    // arguments: the command-line words after the program name (Qt's own options removed).
    explicit CNetloomApp(std::vector<std::string> arguments, CAppServices services = {});
    ~CNetloomApp() override;

    // The start-up sequence; false ends the program at once (with ExitInstance's code).
    bool InitInstance();
    // Saves the options and the recent files; returns the program's exit code.
    int ExitInstance();

    // The settings root: Software\Varnel\Netloom of the current user.
    static std::unique_ptr<QSettings> Settings();

    CNetloomDoc& Document() { return m_doc; }
    // The options of this program: loaded at start, saved at exit, handed to everything that
    // reads them.
    CUserOptions& Options() { return m_options; }
    CDocManager& DocManager() { return *m_docManager; }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CNetloomView* View() const { return m_view; }
    CCommandTable& Commands() { return m_commands; }
    CRecentFileList& RecentFiles() { return m_recent; }
    CWebLists& Web() { return m_web; }
    CHelpWindow* HelpWindow() const;

    // Application commands, once the main window is there.
    void OnAppAbout();
    void OnViewOptions();
    void OnHelp();
    void OnSendMail();
    void ChooseSite(int index);
    void OpenWebPage(int index);
    // Print (with the print dialog unless direct), Print Preview and Print Setup, all on the
    // program's one printer, so that a setup carries over to the next print.
    void OnFilePrint(bool direct);
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    QPrinter& Printer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Makes the command handlers for the main window and its view, and defines every command.
    void DefineCommands();
    void DefineEditCommands();
    void DefineViewCommands();
    bool ProcessShellCommand(const CCommandLineInfo& info);
    void UpdateTitle();
    // Keeps the Problems list up to date: the reader's messages of each opened file, and the
    // checks again after every edit step and rebuild.
    void ConnectProblemsList();
    void UpdateCommandStates();

    std::vector<std::string> m_arguments;
    CAppServices m_services;
    CUserOptions m_options;
    // The document outlives the window and its tree, which refer to its objects.
    CNetloomDoc m_doc;
    CRecentFileList m_recent;
    CWebLists m_web;
    CCommandTable m_commands;
    std::unique_ptr<CObjectEditor> m_ownEditor;
    CObjectEditor* m_previousEditor = nullptr;
    bool m_editorInstalled = false;
    std::unique_ptr<CDocManager> m_docManager;
    std::unique_ptr<CMainFrame> m_frame;
    QPointer<CNetloomView> m_view;
    // The handlers of the commands that are the program's, not the view's.
    std::unique_ptr<CFileCommands> m_fileCommands;
    std::unique_ptr<CPrintCommands> m_printCommands;
    std::unique_ptr<COptionsHelpCommands> m_optionsHelp;
    // The reader's messages of the file last opened while the Problems list is not made yet.
    std::vector<CReaderMessage> m_unlistedMessages;
    int m_exitCode = 0;
};

}  // namespace netloom
