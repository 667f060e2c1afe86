#include "app/OptionsHelpCommands.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWhatsThis>

#include "app/AboutBox.h"
#include "app/AppOptions.h"
#include "app/CommandTable.h"
#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "app/WebPages.h"
#include "doc/CommandIds.h"
#include "doc/UserOptions.h"
#include "pages/DlgOptions.h"
#include "res/Strings.h"
#include "ui/Latin1.h"
#include "ui/MessageService.h"
#include "view/NetloomView.h"

namespace netloom {

using Rule = CCommandTable::Rule;

COptionsHelpCommands::COptionsHelpCommands(CCommandTable& commands, CUserOptions& options,
                                           CWebLists& web, CMainFrame& frame, CNetloomView& view,
                                           OptionsDialog editOptions)
    : m_commands(commands),
      m_options(options),
      m_web(web),
      m_frame(frame),
      m_view(view),
      m_editOptions(std::move(editOptions)) {}

COptionsHelpCommands::~COptionsHelpCommands() {
    delete m_help;
}

void COptionsHelpCommands::Define() {
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

void COptionsHelpCommands::OnViewOptions() {
    CUserOptions edited = m_options;
    bool confirmed = false;
    if (m_editOptions) {
        confirmed = m_editOptions(&m_frame, edited);
    } else {
        CDlgOptions dialog(&m_frame);
        confirmed = dialog.Edit(edited);
    }
    if (!confirmed) return;
    const bool rebuild = NeedsTreeRebuild(m_options, edited);
    m_options = edited;
    if (rebuild) m_view.RebuildTree();
}

void COptionsHelpCommands::OnAppAbout() {
    CAboutDlg about(&m_frame);
    about.exec();
}

void COptionsHelpCommands::OnHelp() {
    if (m_help == nullptr) m_help = new CHelpWindow(&m_frame);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void COptionsHelpCommands::ChooseSite(int index) {
    m_web.PreferredSite = index;
}

void COptionsHelpCommands::OpenWebPage(int index) {
    if (index < 0 || index >= m_web.Urls.size()) return;  // a title without a page
    const QUrl url = PageUrl(m_web, index);
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        Messages().Show(&m_frame, TableString(IDS_WEB_OPEN_FAILED), MsgIcon::Warning,
                        MsgButtons::Ok);
    }
}

}  // namespace netloom
