// The main window's commands: what each id does and when it is enabled. The Edit and View
// menus are wired here, mostly to the tree view; the File, print and Help commands have
// handlers of their own.

#include <QStatusBar>
#include <QToolBar>
#include <memory>

#include "app/DocManager.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/NetloomApp.h"
#include "app/OptionsHelpCommands.h"
#include "app/PrintCommands.h"
#include "app/ProblemsDock.h"
#include "doc/CommandIds.h"
#include "doc/InsertCommands.h"
#include "doc/UserOptions.h"
#include "ui/Latin1.h"
#include "view/FindBar.h"
#include "view/NetloomView.h"

namespace netloom {

using Rule = CCommandTable::Rule;

void CNetloomApp::DefineCommands() {
    m_fileCommands =
        std::make_unique<CFileCommands>(m_commands, *m_docManager, m_doc, m_recent, *m_frame);
    m_printCommands = std::make_unique<CPrintCommands>(m_commands, *m_docManager, *m_view, *m_frame,
                                                       m_services.printDialog);
    m_optionsHelp = std::make_unique<COptionsHelpCommands>(m_commands, m_options, m_web, *m_frame,
                                                           *m_view, m_services.editOptions);
    m_fileCommands->Define();
    m_printCommands->Define();
    DefineEditCommands();
    DefineViewCommands();
    m_optionsHelp->Define();
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
        [this] {
            CProblemsDock* problems = m_frame->ProblemsDock();
            problems->setVisible(problems->isHidden());
        },
        [this] { return m_frame->HasProblemsList(); },
        [this] { return m_frame->MadeProblemsDock() && !m_frame->MadeProblemsDock()->isHidden(); });
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

}  // namespace netloom
