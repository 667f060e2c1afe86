#pragma once
// COptionsHelpCommands: View > Options and the Help menu: the manual, context help, About,
// and the web sites and pages of the Web submenu.

#include <QPointer>
#include <functional>

#include "app/HelpWindow.h"

class QWidget;

namespace netloom {

class CCommandTable;
class CMainFrame;
class CNetloomView;
struct CUserOptions;
struct CWebLists;

class COptionsHelpCommands {
  public:
    // Edits the options; true on OK.
    using OptionsDialog = std::function<bool(QWidget* parent, CUserOptions& options)>;

    // editOptions: null for the Options dialog.
    COptionsHelpCommands(CCommandTable& commands, CUserOptions& options, CWebLists& web,
                         CMainFrame& frame, CNetloomView& view, OptionsDialog editOptions);
    // Closes the help window, which belongs to the main window.
    ~COptionsHelpCommands();
    COptionsHelpCommands(const COptionsHelpCommands&) = delete;
    COptionsHelpCommands& operator=(const COptionsHelpCommands&) = delete;

    // Puts the Help menu's commands into the table (Options is the View menu's).
    void Define();
    void OnViewOptions();
    void OnAppAbout();
    void OnHelp();
    void ChooseSite(int index);
    void OpenWebPage(int index);
    CHelpWindow* HelpWindow() const { return m_help; }

  private:
    CCommandTable& m_commands;
    CUserOptions& m_options;
    CWebLists& m_web;
    CMainFrame& m_frame;
    CNetloomView& m_view;
    OptionsDialog m_editOptions;
    QPointer<CHelpWindow> m_help;
};

}  // namespace netloom
