#pragma once
// CMainFrame: Netloom's main window. It holds the menu bar, the toolbar, the status bar and, in
// its client area, the tree view. Every menu item, button and accelerator is an action bound to
// a command id of the command table, which decides what runs and when it is enabled.

#include <QList>
#include <QMainWindow>
#include <functional>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QToolBar;

namespace netloom {

class CCommandTable;
class CFindBar;
class CProblemsDock;
class CKeyIndicators;
class CNetloomView;
class CRecentFileList;
struct CWebLists;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // A view that is the configuration tree gets the find bar above it.
    CMainFrame(CCommandTable& commands, QWidget* view);
    ~CMainFrame() override;

    // Menus, toolbar, status bar and the Web menu; false when a part cannot be made (the
    // toolbar's picture), and then the window must not be used.
    bool Create(const CWebLists& web);

    // Appends the page titles to Help > Web and the site names to its Sites submenu.
    void BuildWebMenu(const CWebLists& web);
    // Shows the recent files in the File menu.
    void UpdateRecentFiles(const CRecentFileList& recent);

    QMenu* ContextMenu() const { return m_contextMenu; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // The find bar above the tree, hidden until Edit > Find opens it (null without a tree).
    CFindBar* FindBar() const { return m_findBar; }
    // The Problems list docked below the tree, hidden until View > Problems shows it (null
    // without a tree). Making it costs as much as the menus and many sessions never open it,
    // so it is made, hidden, when first asked for.
    CProblemsDock* ProblemsDock();
    // The Problems list if it has been made, else null; asking does not make it.
    CProblemsDock* MadeProblemsDock() const { return m_problems; }
    // Whether the window has a Problems list to show (it has one beside a tree).
    bool HasProblemsList() const { return m_tree != nullptr; }
    // Called with the Problems list once it has been made, before anything shows it.
    void SetProblemsDockSetUp(std::function<void(CProblemsDock&)> setUp) {
        m_setUpProblems = std::move(setUp);
    }
    QLabel* IdleText() const { return m_idleText; }
    CKeyIndicators* KeyIndicators() const { return m_indicators; }
    // The menu-bar action of id (the one that carries the accelerators), or null.
    QAction* MenuAction(int id) const;

    // Asked before the window closes; false keeps it open.
    void SetCloseHandler(std::function<bool()> handler) { m_canClose = std::move(handler); }
    // Called with the first local file dropped on the window.
    void SetDropHandler(std::function<void(const QString&)> handler) {
        m_onDrop = std::move(handler);
    }

    // The window's menu of its toolbars and docks (a right click on a bar) lists the Problems
    // list whether or not it has been shown yet.
    QMenu* createPopupMenu() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QAction* AddItem(QMenu* menu, int id, const QString& text,
                     const QList<QKeySequence>& keys = {});
    QMenu* AddMenu(QMenu* parent, const QString& title);
    void CreateMenus();
    bool CreateToolBar();
    void CreateStatusBar();
    void CreateContextMenu();

    CCommandTable& m_commands;
    std::map<int, QAction*> m_menuActions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentEnd = nullptr;  // the separator after the recent files
    QList<QAction*> m_recentActions;
    QMenu* m_contextMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    CFindBar* m_findBar = nullptr;
    CNetloomView* m_tree = nullptr;
    CProblemsDock* m_problems = nullptr;
    std::function<void(CProblemsDock&)> m_setUpProblems;
    QLabel* m_idleText = nullptr;
    CKeyIndicators* m_indicators = nullptr;
    std::function<bool()> m_canClose;
    std::function<void(const QString&)> m_onDrop;
};

// The first local file among the dropped data's URLs, or the empty text.
QString FirstDroppedFile(const QMimeData* data);

}  // namespace netloom
