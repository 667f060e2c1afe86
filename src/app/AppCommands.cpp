// The main window's commands: what each id does and when it is enabled.

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>
#include <cstring>
#include "ui/Latin1.h"

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/NetloomApp.h"
#include "app/ProblemsDock.h"
#include "app/WebPages.h"
#include "doc/CommandIds.h"
#include "doc/InsertCommands.h"
#include "doc/UserOptions.h"
#include "platform/ConfigFile.h"
#include "platform/StartProgram.h"
#include "res/Strings.h"
#include "ui/MessageService.h"
#include "view/FindBar.h"
#include "view/NetloomView.h"

namespace netloom {

using Rule = CCommandTable::Rule;

void CNetloomApp::DefineCommands() {
    DefineFileCommands();
    DefinePrintCommands();
    DefineEditCommands();
    DefineViewCommands();
    DefineHelpCommands();
}

void CNetloomApp::DefineFileCommands() {
    CDocManager* docs = m_docManager.get();
    m_commands.Define(ID_FILE_NEW, [docs] { docs->OnFileNew(); });
    m_commands.Define(ID_FILE_OPEN, [docs] { docs->OnFileOpen(); });
    m_commands.Define(ID_FILE_SAVE, [docs] { docs->OnFileSave(); });
    m_commands.Define(ID_FILE_SAVE_AS, [docs] { docs->OnFileSaveAs(); });
    // Mail can be sent when the desktop's mail helper is installed.
    const bool canMail = !QStandardPaths::findExecutable("xdg-email").isEmpty();
    m_commands.Define(
        ID_FILE_SEND_MAIL, [this] { OnSendMail(); }, [canMail] { return canMail; });
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        m_commands.Define(
            ID_FILE_MRU_FIRST + i,
            [this, i] {
                const QString path = m_recent.At(i);  // a copy: opening reorders the list
                m_docManager->OpenDocumentFile(path);
            },
            [this, i] { return i < m_recent.Count(); });
    }
    m_commands.Define(ID_APP_EXIT, [this] { m_frame->close(); });
}

void CNetloomApp::DefineEditCommands() {
    // The items name the step they would take; an ampersand in an object's label is shown,
    // not taken for a mnemonic.
    const auto stepText = [](const char* verb, const CEditStep* step, const char* keys) {
        if (step == nullptr) return QString::fromLatin1(verb);
        return QString::fromLatin1(verb) + QLatin1Char(' ') +
               FromBytes(step->Name()).replace(QLatin1Char('&'), QStringLiteral("&&")) +
               QLatin1Char('\t') + QLatin1String(keys);
    };
    m_commands.Define(
        ID_EDIT_UNDO, [this] { m_view->OnEditUndo(); },
        [this] { return m_view && m_doc.History().CanUndo(); });
    m_commands.DefineText(ID_EDIT_UNDO, [this, stepText] {
        return stepText("&Undo", m_doc.History().NextUndo(), "Ctrl+Z");
    });
    m_commands.Define(
        ID_EDIT_REDO, [this] { m_view->OnEditRedo(); },
        [this] { return m_view && m_doc.History().CanRedo(); });
    m_commands.DefineText(ID_EDIT_REDO, [this, stepText] {
        return stepText("&Redo", m_doc.History().NextRedo(), "Ctrl+Y");
    });
    for (int id : {ID_INSERT_ADAPTER, ID_INSERT_TRAFFIC_PROFILE, ID_INSERT_VIRTUAL_ADAPTER,
                   ID_INSERT_PVC, ID_INSERT_MAPPING}) {
        m_commands.Define(
            id, [this, id] { RunInsertCommand(id, m_doc, m_options); },
            [this, id] { return IsInsertCommandEnabled(id, m_doc, m_options); });
    }
    m_commands.Define(
        ID_EDIT_CUT, [this] { m_view->OnEditCut(); },
        [this] { return m_view && m_view->CanCopy(); });
    m_commands.Define(
        ID_EDIT_COPY, [this] { m_view->OnEditCopy(); },
        [this] { return m_view && m_view->CanCopy(); });
    m_commands.Define(
        ID_EDIT_PASTE, [this] { m_view->OnEditPaste(); },
        [this] { return m_view && m_view->CanPaste(); });
    m_commands.Define(
        ID_EDIT_DELETE, [this] { m_view->OnEditDelete(); },
        [this] { return m_view && m_view->CanDelete(); });
    m_commands.Define(
        ID_EDIT_PROPERTIES, [this] { m_view->OnEditProperties(); },
        [this] { return m_view && m_view->IsObjectSelected(); });
    m_commands.Define(
        ID_EDIT_FIND, [this] { m_frame->FindBar()->Open(); },
        [this] { return m_frame->FindBar() != nullptr; });
}

void CNetloomApp::DefineViewCommands() {
    m_commands.Define(
        ID_VIEW_TOOLBAR, [this] { m_frame->ToolBar()->setVisible(m_frame->ToolBar()->isHidden()); },
        Rule(), [this] { return m_frame->ToolBar() && !m_frame->ToolBar()->isHidden(); });
    m_commands.Define(
        ID_VIEW_STATUS_BAR,
        [this] { m_frame->statusBar()->setVisible(m_frame->statusBar()->isHidden()); }, Rule(),
        [this] { return !m_frame->statusBar()->isHidden(); });
    m_commands.Define(
        ID_VIEW_PROBLEMS,
        [this] { m_frame->ProblemsDock()->setVisible(m_frame->ProblemsDock()->isHidden()); },
        [this] { return m_frame->ProblemsDock() != nullptr; },
        [this] { return m_frame->ProblemsDock() && !m_frame->ProblemsDock()->isHidden(); });
    m_commands.Define(
        ID_VIEW_TRAFFIC_PROFILES, [this] { m_view->OnViewTrafficProfiles(); }, Rule(),
        [this] { return m_options.DisplayTrafficProfiles; });
    m_commands.Define(
        ID_VIEW_ADVANCED, [this] { m_view->OnViewAdvanced(); }, Rule(),
        [this] { return m_options.ExpertMode; });
    m_commands.Define(ID_VIEW_OPTIONS, [this] { OnViewOptions(); });
    // One pane only: the next and the previous pane are the tree.
    m_commands.Define(ID_NEXT_PANE, [this] { m_view->setFocus(Qt::TabFocusReason); });
    m_commands.Define(ID_PREV_PANE, [this] { m_view->setFocus(Qt::BacktabFocusReason); });
}

void CNetloomApp::DefineHelpCommands() {
    for (int id : {ID_HELP_FINDER, ID_HELP, ID_DEFAULT_HELP})
        m_commands.Define(id, [this] { OnHelp(); });
    m_commands.Define(ID_CONTEXT_HELP, [] { QWhatsThis::enterWhatsThisMode(); });
    m_commands.Define(ID_APP_ABOUT, [this] { OnAppAbout(); });
    for (int id = ID_WEB_SITE_FIRST; id <= ID_WEB_SITE_LAST; ++id) {
        const int index = id - ID_WEB_SITE_FIRST;
        m_commands.Define(
            id, [this, index] { ChooseSite(index); }, Rule(),
            [this, index] { return m_web.PreferredSite == index; });
    }
    for (int id = ID_WEB_PAGE_FIRST; id <= ID_WEB_PAGE_LAST; ++id) {
        const int index = id - ID_WEB_PAGE_FIRST;
        m_commands.Define(id, [this, index] { OpenWebPage(index); });
    }
}

void CNetloomApp::ChooseSite(int index) {
    m_web.PreferredSite = index;
}

void CNetloomApp::OpenWebPage(int index) {
    if (index < 0 || index >= m_web.Urls.size()) return;  // a title without a page
    const QUrl url = PageUrl(m_web, index);
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        Messages().Show(m_frame.get(), TableString(IDS_WEB_OPEN_FAILED), MsgIcon::Warning,
                        MsgButtons::Ok);
    }
}

void CNetloomApp::OnSendMail() {
    // The mail carries the configuration as it is now: the file itself when it is saved,
    // otherwise a copy of the current text under the document's name.
    QString attachment = m_docManager->PathName();
    if (attachment.isEmpty() || m_doc.IsModified()) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/netloom-mail-XXXXXX"));
        dir.setAutoRemove(false);  // the mail program reads it after this returns
        const QString name = attachment.isEmpty() ? m_docManager->Title() + QStringLiteral(".cfg")
                                                  : QFileInfo(attachment).fileName();
        std::string reason;
        attachment = dir.filePath(name);
        // A copy for the mail, not the document's file: the lines it knows stay the file's.
        const CKeepFileLines keepLines;
        if (!dir.isValid() || !WriteConfigurationFile(QFile::encodeName(attachment).toStdString(),
                                                      m_doc.ConfigurationText(), reason)) {
            Messages().Show(m_frame.get(),
                            QStringLiteral("Cannot prepare the mail attachment:\n%1")
                                .arg(QString::fromLocal8Bit(reason)),
                            MsgIcon::Warning, MsgButtons::Ok);
            return;
        }
    }
    int error = 0;
    if (!StartProgramWithArguments("xdg-email",
                                   {"--attach", QFile::encodeName(attachment).toStdString()},
                                   std::string(), &error)) {
        Messages().Show(m_frame.get(),
                        QStringLiteral("Cannot start the mail program:\n%1")
                            .arg(QString::fromLocal8Bit(std::strerror(error))),
                        MsgIcon::Warning, MsgButtons::Ok);
    }
}

}  // namespace netloom
