#include "app/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppOptions.h"
#include "app/CommandTable.h"
#include "app/FrameStyle.h"
#include "app/KeyIndicators.h"
#include "app/ProblemsDock.h"
#include "app/RecentFileList.h"
#include "app/res/Toolbar.xpm"
#include "app/res/Toolbar@2x.xpm"
#include "doc/CommandIds.h"
#include "view/FindBar.h"
#include "view/NetloomView.h"
#include "view/TreeImages.h"

namespace netloom {

namespace {

constexpr QSize kButtonSize(16, 15);
constexpr int kButtonCount = 16;

// The toolbar, left to right; 0 marks a separator. Button i's picture is image i of the strip.
constexpr int kToolbarLayout[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_EDIT_CUT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    0,
    ID_EDIT_DELETE,
    ID_EDIT_PROPERTIES,
    0,
    ID_INSERT_ADAPTER,
    ID_INSERT_TRAFFIC_PROFILE,
    ID_INSERT_VIRTUAL_ADAPTER,
    ID_INSERT_PVC,
    ID_INSERT_MAPPING,
    0,
    ID_FILE_PRINT,
    ID_APP_ABOUT,
    ID_CONTEXT_HELP,
};

QKeySequence Keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

}  // namespace

QString FirstDroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return QString();
}

CMainFrame::CMainFrame(CCommandTable& commands, QWidget* view) : m_commands(commands) {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (auto* tree = qobject_cast<CNetloomView*>(view)) {
        m_tree = tree;
        m_findBar = new CFindBar(*tree, client);
        m_findBar->hide();
        layout->addWidget(m_findBar);
    }
    layout->addWidget(view);
    setCentralWidget(client);
    setAcceptDrops(true);
    resize(640, 480);
}

CMainFrame::~CMainFrame() = default;

CProblemsDock* CMainFrame::ProblemsDock() {
    if (m_problems != nullptr || m_tree == nullptr) return m_problems;
    m_problems = new CProblemsDock(m_tree->Document(), *m_tree, this);
    // Hidden before it joins the window: a dock added to a window on the screen is shown.
    m_problems->hide();
    addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    if (m_setUpProblems) m_setUpProblems(*m_problems);
    return m_problems;
}

QMenu* CMainFrame::createPopupMenu() {
    ProblemsDock();
    return QMainWindow::createPopupMenu();
}

QAction* CMainFrame::MenuAction(int id) const {
    auto it = m_menuActions.find(id);
    return it == m_menuActions.end() ? nullptr : it->second;
}

QAction* CMainFrame::AddItem(QMenu* menu, int id, const QString& text,
                             const QList<QKeySequence>& keys) {
    QAction* action = m_commands.CreateAction(id, text, this);
    if (!keys.isEmpty()) action->setShortcuts(keys);
    menu->addAction(action);
    m_menuActions.emplace(id, action);
    return action;
}

QMenu* CMainFrame::AddMenu(QMenu* parent, const QString& title) {
    QMenu* menu = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
    menu->setStyle(FrameStyle());
    connect(menu, &QMenu::aboutToShow, &m_commands, &CCommandTable::UpdateAll);
    return menu;
}

bool CMainFrame::Create(const CWebLists& web) {
    CreateMenus();
    if (!CreateToolBar()) return false;
    CreateStatusBar();
    CreateContextMenu();
    BuildWebMenu(web);
    m_commands.UpdateAll();
    return true;
}

void CMainFrame::CreateMenus() {
    QMenu* file = AddMenu(nullptr, QStringLiteral("&File"));
    m_fileMenu = file;
    AddItem(file, ID_FILE_NEW, QStringLiteral("&New\tCtrl+N"), {Keys(Qt::CTRL | Qt::Key_N)});
    AddItem(file, ID_FILE_OPEN, QStringLiteral("&Open...\tCtrl+O"), {Keys(Qt::CTRL | Qt::Key_O)});
    AddItem(file, ID_FILE_SAVE, QStringLiteral("&Save\tCtrl+S"), {Keys(Qt::CTRL | Qt::Key_S)});
    AddItem(file, ID_FILE_SAVE_AS, QStringLiteral("Save &As..."));
    file->addSeparator();
    AddItem(file, ID_FILE_PRINT, QStringLiteral("&Print...\tCtrl+P"), {Keys(Qt::CTRL | Qt::Key_P)});
    AddItem(file, ID_FILE_PRINT_PREVIEW, QStringLiteral("Print Pre&view"));
    AddItem(file, ID_FILE_PRINT_SETUP, QStringLiteral("P&rint Setup..."));
    file->addSeparator();
    AddItem(file, ID_FILE_SEND_MAIL, QStringLiteral("Sen&d..."));
    file->addSeparator();
    m_recentEnd = file->addSeparator();
    AddItem(file, ID_APP_EXIT, QStringLiteral("E&xit"));

    QMenu* edit = AddMenu(nullptr, QStringLiteral("&Edit"));
    AddItem(edit, ID_EDIT_UNDO, QStringLiteral("&Undo"), {Keys(Qt::CTRL | Qt::Key_Z)});
    AddItem(edit, ID_EDIT_REDO, QStringLiteral("&Redo"),
            {Keys(Qt::CTRL | Qt::Key_Y), Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    AddItem(edit, ID_EDIT_CUT, QStringLiteral("Cu&t\tCtrl+X"),
            {Keys(Qt::CTRL | Qt::Key_X), Keys(Qt::SHIFT | Qt::Key_Delete)});
    AddItem(edit, ID_EDIT_COPY, QStringLiteral("&Copy\tCtrl+C"),
            {Keys(Qt::CTRL | Qt::Key_C), Keys(Qt::CTRL | Qt::Key_Insert)});
    AddItem(edit, ID_EDIT_PASTE, QStringLiteral("&Paste\tCtrl+V"),
            {Keys(Qt::CTRL | Qt::Key_V), Keys(Qt::SHIFT | Qt::Key_Insert)});
    AddItem(edit, ID_EDIT_DELETE, QStringLiteral("&Delete\tDel"),
            {Keys(QKeyCombination(Qt::Key_Delete))});
    edit->addSeparator();
    AddItem(edit, ID_EDIT_PROPERTIES, QStringLiteral("Pr&operties\tAlt-Enter"),
            {Keys(Qt::ALT | Qt::Key_Return), Keys(Qt::ALT | Qt::Key_Enter)});
    edit->addSeparator();
    AddItem(edit, ID_EDIT_FIND, QStringLiteral("&Find...\tCtrl+F"), {Keys(Qt::CTRL | Qt::Key_F)});

    QMenu* view = AddMenu(nullptr, QStringLiteral("&View"));
    AddItem(view, ID_VIEW_TOOLBAR, QStringLiteral("&Toolbar"));
    AddItem(view, ID_VIEW_STATUS_BAR, QStringLiteral("&Status Bar"));
    AddItem(view, ID_VIEW_PROBLEMS, QStringLiteral("&Problems"));
    view->addSeparator();
    AddItem(view, ID_VIEW_TRAFFIC_PROFILES, QStringLiteral("&Traffic Profiles"));
    AddItem(view, ID_VIEW_ADVANCED, QStringLiteral("&Advanced"));
    view->addSeparator();
    AddItem(view, ID_VIEW_OPTIONS, QStringLiteral("&Options"));

    QMenu* insert = AddMenu(nullptr, QStringLiteral("&Insert"));
    AddItem(insert, ID_INSERT_ADAPTER, QStringLiteral("Adapter"));
    AddItem(insert, ID_INSERT_TRAFFIC_PROFILE, QStringLiteral("Traffic Profile"));
    AddItem(insert, ID_INSERT_VIRTUAL_ADAPTER, QStringLiteral("Virtual Adapter"));
    AddItem(insert, ID_INSERT_PVC, QStringLiteral("PVC"));
    AddItem(insert, ID_INSERT_MAPPING, QStringLiteral("Traffic Profile Mapping"));

    QMenu* help = AddMenu(nullptr, QStringLiteral("&Help"));
    AddItem(help, ID_HELP_FINDER, QStringLiteral("&Help Topics"));
    help->addSeparator();
    QMenu* web = AddMenu(help, QStringLiteral("Web"));
    QMenu* sites = AddMenu(web, QStringLiteral("Sites"));
    sites->addSeparator();  // placeholder, replaced by the site names
    web->addSeparator();
    help->addSeparator();
    AddItem(help, ID_APP_ABOUT, QStringLiteral("&About Netloom..."));

    // Accelerators without a menu item.
    const std::pair<int, QKeySequence> hidden[] = {
        {ID_NEXT_PANE, Keys(QKeyCombination(Qt::Key_F6))},
        {ID_PREV_PANE, Keys(Qt::SHIFT | Qt::Key_F6)},
        {ID_HELP, Keys(QKeyCombination(Qt::Key_F1))},
        {ID_CONTEXT_HELP, Keys(Qt::SHIFT | Qt::Key_F1)},
    };
    for (const auto& [id, key] : hidden) {
        QAction* action = m_commands.CreateAction(id, QString(), this);
        action->setShortcut(key);
        addAction(action);
        m_menuActions.emplace(id, action);
    }
}

bool CMainFrame::CreateToolBar() {
    const QVector<QIcon> images =
        CutImageStrip(kToolbarXpm, kButtonSize, kButtonCount, kToolbar2xXpm);
    if (images.size() != kButtonCount) return false;
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setStyle(FrameStyle());
    m_toolBar->setIconSize(kButtonSize);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setFloatable(true);
    m_toolBar->setMovable(true);
    int image = 0;
    for (int id : kToolbarLayout) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = MenuAction(id);
        if (action == nullptr)
            action = m_commands.CreateAction(id, CCommandTable::ToolTip(id), this);
        action->setIcon(images[image++]);
        action->setIconVisibleInMenu(false);
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    return true;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    m_idleText = new QLabel(CCommandTable::Prompt(57345), bar);
    bar->addWidget(m_idleText, 1);
    m_indicators = new CKeyIndicators(bar);
}

void CMainFrame::CreateContextMenu() {
    // Menu 134: its one submenu is what a right click on a node shows.
    m_contextMenu = new QMenu(this);
    m_contextMenu->setStyle(FrameStyle());
    connect(m_contextMenu, &QMenu::aboutToShow, &m_commands, &CCommandTable::UpdateAll);
    QMenu* insert = AddMenu(m_contextMenu, QStringLiteral("&Insert"));
    for (int id : {ID_INSERT_ADAPTER, ID_INSERT_TRAFFIC_PROFILE, ID_INSERT_VIRTUAL_ADAPTER,
                   ID_INSERT_PVC, ID_INSERT_MAPPING}) {
        insert->addAction(MenuAction(id));
    }
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(
        m_commands.CreateAction(ID_EDIT_PROPERTIES, QStringLiteral("Properties"), this));
}

void CMainFrame::BuildWebMenu(const CWebLists& web) {
    const QList<QAction*> bar = menuBar()->actions();
    QMenu* help = bar.isEmpty() ? nullptr : bar.last()->menu();
    QAction* webItem = help ? help->actions().value(2) : nullptr;
    QMenu* webMenu = webItem ? webItem->menu() : nullptr;
    QAction* sitesItem = webMenu ? webMenu->actions().value(0) : nullptr;
    QMenu* sites = sitesItem ? sitesItem->menu() : nullptr;
    if (sites == nullptr) return;
    for (int i = 0; i < web.Titles.size(); ++i)
        webMenu->addAction(m_commands.CreateAction(ID_WEB_PAGE_FIRST + i, web.Titles[i], this));
    if (QAction* placeholder = sites->actions().value(0)) sites->removeAction(placeholder);
    for (int i = 0; i < web.Sites.size(); ++i)
        sites->addAction(m_commands.CreateAction(ID_WEB_SITE_FIRST + i, web.Sites[i], this));
    m_commands.UpdateAll();
}

void CMainFrame::UpdateRecentFiles(const CRecentFileList& recent) {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    if (recent.Count() == 0) {
        // The placeholder stays, disabled, while there is no recent file.
        QAction* placeholder = new QAction(QStringLiteral("Recent File"), this);
        placeholder->setEnabled(false);
        placeholder->setStatusTip(CCommandTable::Prompt(ID_FILE_MRU_FIRST));
        m_recentActions << placeholder;
    }
    for (int i = 0; i < recent.Count() && i <= ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST; ++i) {
        QAction* action = m_commands.CreateAction(ID_FILE_MRU_FIRST + i, recent.MenuText(i), this);
        action->setStatusTip(CCommandTable::Prompt(ID_FILE_MRU_FIRST));
        m_recentActions << action;
    }
    for (QAction* action : m_recentActions)
        m_fileMenu->insertAction(m_recentEnd, action);
    m_commands.UpdateAll();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstDroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (!FirstDroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString file = FirstDroppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    // Opened after the drop has finished: opening may ask questions, and the program that
    // started the drag must not wait for their answers.
    if (m_onDrop) {
        QMetaObject::invokeMethod(
            this, [this, file] { m_onDrop(file); }, Qt::QueuedConnection);
    }
}

}  // namespace netloom
