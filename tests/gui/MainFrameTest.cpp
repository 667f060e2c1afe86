// The main window's furniture: menus, toolbar, accelerators, status bar, the Web menu with its
// site choice and pages, the About box and the manual.

#include <algorithm>
#include <memory>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/AppStyle.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/res/Toolbar.xpm"
#include "app/res/Toolbar@2x.xpm"
#include "app/res/netloom.xpm"
#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "ui/XpmImage.h"
#include "view/res/TreeImages.xpm"
#include "view/res/TreeImages@2x.xpm"

namespace netloom::test {
namespace {

// Receives the URLs Netloom asks the desktop to open.
class CUrlCatcher : public QObject {
    Q_OBJECT
  public:
    CUrlCatcher() {
        QDesktopServices::setUrlHandler("http", this, "Open");
        QDesktopServices::setUrlHandler("https", this, "Open");
    }
    ~CUrlCatcher() override {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }
    QStringList urls;
  public slots:
    void Open(const QUrl& url) { urls << url.toString(); }
};

QStringList Items(QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) {
        QString text = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (a->isCheckable() && a->isChecked()) text += QStringLiteral(" [x]");
        items << text;
    }
    return items;
}

QMenu* TopMenu(CMainFrame* frame, int index) {
    return frame->menuBar()->actions().value(index)->menu();
}

class MainFrameTest : public NetloomTest {
  protected:
    void SetUp() override {
        NetloomTest::SetUp();
        m_path = CopyExample();
    }
    QMenu* Web() { return TopMenu(App().MainFrame(), 4)->actions().value(2)->menu(); }
    QMenu* Sites() { return Web()->actions().value(0)->menu(); }
    QString m_path;
};

TEST_F(MainFrameTest, MenusHoldTheCommandsInOrder) {
    ASSERT_TRUE(Start({m_path}));
    CMainFrame* frame = App().MainFrame();
    QStringList bar;
    for (QAction* a : frame->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&View", "&Insert", "&Help"}));
    App().Commands().UpdateAll();
    EXPECT_EQ(
        Items(TopMenu(frame, 1)),
        (QStringList{"&Undo", "&Redo", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                     "&Delete\tDel", "-", "Pr&operties\tAlt-Enter", "-", "&Find...\tCtrl+F"}));
    EXPECT_EQ(Items(TopMenu(frame, 2)),
              (QStringList{"&Toolbar [x]", "&Status Bar [x]", "&Problems", "-", "&Traffic Profiles",
                           "&Advanced", "-", "&Options"}));
    EXPECT_EQ(Items(TopMenu(frame, 3)),
              (QStringList{"Adapter", "Traffic Profile", "Virtual Adapter", "PVC",
                           "Traffic Profile Mapping"}));
    EXPECT_EQ(Items(TopMenu(frame, 4)),
              (QStringList{"&Help Topics", "-", "Web", "-", "&About Netloom..."}));
    // With the root selected there is nothing to cut and, on an empty clipboard, to paste.
    QApplication::clipboard()->clear();
    EXPECT_TRUE(Enabled(ID_FILE_PRINT));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(App().Commands().Execute(ID_EDIT_CUT));
}

TEST_F(MainFrameTest, AcceleratorsPromptsAndToolTips) {
    ASSERT_TRUE(Start({m_path}));
    auto keys = [this](int id) {
        QStringList list;
        for (const QKeySequence& k : Action(id)->shortcuts())
            list << k.toString();
        return list;
    };
    EXPECT_EQ(keys(ID_FILE_NEW), QStringList{"Ctrl+N"});
    EXPECT_EQ(keys(ID_FILE_PRINT), QStringList{"Ctrl+P"});
    EXPECT_EQ(keys(ID_EDIT_CUT), (QStringList{"Ctrl+X", "Shift+Del"}));
    EXPECT_EQ(keys(ID_EDIT_COPY), (QStringList{"Ctrl+C", "Ctrl+Ins"}));
    EXPECT_EQ(keys(ID_EDIT_PASTE), (QStringList{"Ctrl+V", "Shift+Ins"}));
    EXPECT_EQ(keys(ID_EDIT_DELETE), QStringList{"Del"});
    EXPECT_EQ(keys(ID_EDIT_PROPERTIES), (QStringList{"Alt+Return", "Alt+Enter"}));
    EXPECT_EQ(keys(ID_EDIT_UNDO), QStringList{"Ctrl+Z"});
    EXPECT_EQ(keys(ID_EDIT_REDO), (QStringList{"Ctrl+Y", "Ctrl+Shift+Z"}));
    EXPECT_EQ(keys(ID_EDIT_FIND), QStringList{"Ctrl+F"});
    EXPECT_EQ(keys(ID_NEXT_PANE), QStringList{"F6"});
    EXPECT_EQ(keys(ID_PREV_PANE), QStringList{"Shift+F6"});

    EXPECT_EQ(Action(ID_INSERT_VIRTUAL_ADAPTER)->statusTip(), "Insert Virtual  Adapter (Elan)");
    EXPECT_EQ(Action(ID_INSERT_VIRTUAL_ADAPTER)->toolTip(), "New Virtual Adapter");
    EXPECT_EQ(Action(ID_EDIT_PROPERTIES)->statusTip(), "Edits the current selection's properties");
    EXPECT_EQ(Action(ID_EDIT_FIND)->statusTip(), "Find the specified text");
    EXPECT_EQ(Action(ID_APP_EXIT)->statusTip(), "Quit the application; prompts to save documents");
    EXPECT_EQ(App().MainFrame()->IdleText()->text(), "For Help, press F1");
    // A disabled item under the pointer shows its prompt too (nothing to cut at the root).
    QMenu* edit = TopMenu(App().MainFrame(), 1);
    edit->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    ASSERT_FALSE(Action(ID_EDIT_CUT)->isEnabled());
    QTest::mouseMove(edit, edit->actionGeometry(Action(ID_EDIT_CUT)).center());
    EXPECT_EQ(App().MainFrame()->statusBar()->currentMessage(),
              "Cut the selection and put it on the Clipboard");
    edit->hide();
    EXPECT_NE(App().MainFrame()->statusBar()->findChild<QLabel*>("capsIndicator"), nullptr);
    EXPECT_NE(App().MainFrame()->statusBar()->findChild<QLabel*>("scrollIndicator"), nullptr);
}

TEST_F(MainFrameTest, ToolbarButtonsInOrderWithTheirPictures) {
    ASSERT_TRUE(Start({m_path}));
    QToolBar* bar = App().MainFrame()->ToolBar();
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    QStringList buttons;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            buttons << "|";
            continue;
        }
        EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        buttons << a->toolTip();
    }
    EXPECT_EQ(buttons.join(","),
              "New,Open,Save,|,Cut,Copy,Paste,|,Delete,Properties,|,New Adapter,New Traffic "
              "Profile,New Virtual Adapter,New PVC,New Traffic Profile Mapping,|,Print,About,Help");
    // Each picture at both sizes is its part of the strip as Qt reads it, magenta see-through.
    const auto strip = [](const char* const* xpm) {
        QImage image = QImage(xpm).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == qRgb(255, 0, 255)) image.setPixel(x, y, 0);
            }
        }
        return image;
    };
    const QImage small = strip(kToolbarXpm);
    const QImage large = strip(kToolbar2xXpm);
    int image = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        const auto picture = [a](QSize size) {
            return a->icon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        };
        EXPECT_TRUE(picture(QSize(16, 15)) == small.copy(image * 16, 0, 16, 15))
            << a->toolTip().toStdString();
        EXPECT_TRUE(picture(QSize(32, 30)) == large.copy(image * 32, 0, 32, 30))
            << a->toolTip().toStdString();
        ++image;
    }

    // The bar, wider and taller than the tiles its background is painted in, looks pixel for
    // pixel as the application's own style paints it, along the top and down the left side.
    CMainFrame* frame = App().MainFrame();
    frame->resize(900, 700);
    QStyle* framed = bar->style();
    ASSERT_NE(framed, QApplication::style());
    for (Qt::ToolBarArea area : {Qt::LeftToolBarArea, Qt::TopToolBarArea}) {
        frame->addToolBar(area, bar);
        frame->layout()->activate();
        EXPECT_GT(std::max(bar->width(), bar->height()), 400);
        const QImage tiled = bar->grab().toImage();
        bar->setStyle(nullptr);
        const QImage plain = bar->grab().toImage();
        bar->setStyle(framed);
        EXPECT_TRUE(tiled == plain) << area;
    }
    // The buttons for what does not fit in the bars, and the find bar's close button, show the
    // style's own icons, which are fetched only when first drawn.
    const std::unique_ptr<QStyle> own(QStyleFactory::create(AppStyleName()));
    ASSERT_NE(own, nullptr);
    std::pair<QToolButton*, QStyle::StandardPixmap> made[] = {
        {bar->findChild<QToolButton*>("qt_toolbar_ext_button"),
         QStyle::SP_ToolBarHorizontalExtensionButton},
        {frame->menuBar()->findChild<QToolButton*>("qt_menubar_ext_button"),
         QStyle::SP_ToolBarHorizontalExtensionButton},
        {nullptr, QStyle::SP_TitleBarCloseButton}};
    for (QToolButton* button : frame->findChildren<QToolButton*>()) {
        if (button->toolTip() == "Close") made[2].first = button;
    }
    for (const auto& [button, which] : made) {
        ASSERT_NE(button, nullptr) << which;
        EXPECT_FALSE(button->icon().isNull()) << which;
        EXPECT_TRUE(button->icon().pixmap(16).toImage() ==
                    own->standardIcon(which).pixmap(16).toImage())
            << which;
    }

    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR)->isChecked());
    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(App().MainFrame()->statusBar()->isHidden());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST_F(MainFrameTest, PicturesReadAsQtReadsThem) {
    for (const char* const* xpm :
         {kToolbarXpm, kToolbar2xXpm, kTreeImagesXpm, kTreeImages2xXpm, kNetloomIconXpm}) {
        EXPECT_TRUE(ReadXpm(xpm) == QImage(xpm).convertToFormat(QImage::Format_ARGB32)) << xpm[0];
    }
    // Forms that are not read directly are handed to Qt's reader.
    static const char* const twoPerPixel[] = {"2 1 2 2", "aa c #102030", "bb c None", "aabb"};
    static const char* const namedColour[] = {"2 1 2 1", "a c red", "b c #102030", "ab"};
    static const char* const shortRow[] = {"3 1 1 1", "a c #102030", "aa"};
    for (const char* const* xpm : {twoPerPixel, namedColour, shortRow}) {
        EXPECT_TRUE(ReadXpm(xpm) == QImage(xpm).convertToFormat(QImage::Format_ARGB32)) << xpm[0];
    }
    EXPECT_EQ(ReadXpm(twoPerPixel).pixel(1, 0), 0u);
    EXPECT_EQ(ReadXpm(twoPerPixel).pixel(0, 0), qRgb(0x10, 0x20, 0x30));
}

TEST_F(MainFrameTest, WebMenuChoosesTheSiteAndOpensItsPages) {
    CUrlCatcher catcher;
    ASSERT_TRUE(Start({m_path}));
    App().Commands().UpdateAll();
    EXPECT_EQ(Items(Web()),
              (QStringList{"Sites", "-", "Varnel Homepage", "ATM software", "ATM products"}));
    EXPECT_EQ(Items(Sites()), (QStringList{"www.varnel.example [x]", "de.varnel.example"}));

    Sites()->actions().value(1)->trigger();
    App().Commands().UpdateAll();
    EXPECT_EQ(Items(Sites()), (QStringList{"www.varnel.example", "de.varnel.example [x]"}));
    Web()->actions().value(3)->trigger();
    EXPECT_EQ(catcher.urls, QStringList{"http://de.varnel.example/cgi-bin/driver-search?ATM"});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(MainFrameTest, WebMenuWithUnusualLists) {
    CUrlCatcher catcher;
    {
        auto settings = CNetloomApp::Settings();
        settings->setValue("Web/PreferredSite", 7);  // names no site
        settings->setValue("Web/Url0", "http://%s/%s/100%d");
        for (int i = 3; i <= 12; ++i)
            settings->setValue(QString("Web/Title%1").arg(i), i);
    }
    ASSERT_TRUE(Start({m_path}));
    App().Commands().UpdateAll();
    ASSERT_EQ(Web()->actions().size(), 2 + 13);
    EXPECT_TRUE(Web()->actions().value(2 + 10)->isEnabled());   // 48410
    EXPECT_FALSE(Web()->actions().value(2 + 11)->isEnabled());  // 48411: no handler
    for (QAction* site : Sites()->actions())
        EXPECT_FALSE(site->isChecked());

    // A stale site falls back to the first; only the first "%s" is replaced, and nothing in
    // the pattern is taken as a format.
    Web()->actions().value(2)->trigger();
    EXPECT_EQ(catcher.urls, QStringList{"http://www.varnel.example/%25s/100%25d"});
    // A title beyond the pages does nothing at all.
    Web()->actions().value(2 + 5)->trigger();
    EXPECT_EQ(catcher.urls.size(), 1);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(MainFrameTest, PageThatCannotBeFormedReportsMessage48000) {
    ASSERT_TRUE(Start({m_path}));
    App().Web().Sites.clear();
    App().Commands().Execute(ID_WEB_PAGE_FIRST);
    EXPECT_EQ(Messages(), QStringList{"Unable to open Internet URL. You may need to install an "
                                      "Internet Browser."});
}

TEST_F(MainFrameTest, EmptyListsInTheMenus) {
    CCommandTable commands;
    CMainFrame frame(commands, new QWidget);
    CWebLists web;
    web.Titles = QStringList{"Only"};
    ASSERT_TRUE(frame.Create(web));
    QMenu* webMenu = TopMenu(&frame, 4)->actions().value(2)->menu();
    EXPECT_TRUE(webMenu->actions().value(0)->menu()->actions().isEmpty());
    EXPECT_EQ(Items(webMenu), (QStringList{"Sites", "-", "Only"}));
    // No recent file: the placeholder, disabled, with the recent files' prompt.
    frame.UpdateRecentFiles(CRecentFileList());
    QAction* recent = TopMenu(&frame, 0)->actions().value(11);
    EXPECT_EQ(recent->text(), "Recent File");
    EXPECT_FALSE(recent->isEnabled());
    EXPECT_EQ(recent->statusTip(), "Open this document");
}

TEST_F(MainFrameTest, AboutBoxShowsMemoryAndDiskFigures) {
    ASSERT_TRUE(Start({m_path}));
    QString memory, disk;
    WhileModal([&] { Trigger(ID_APP_ABOUT); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(dialog->windowTitle(), "About Netloom");
                   memory = dialog->findChild<QLabel*>("physicalMemory")->text();
                   disk = dialog->findChild<QLabel*>("diskSpace")->text();
                   EXPECT_NE(dialog->findChild<QLabel*>()->parent(), nullptr);
                   static_cast<QDialog*>(dialog)->accept();
               });
    EXPECT_TRUE(QRegularExpression("^[0-9]+ KB$").match(memory).hasMatch()) << memory.toStdString();
    EXPECT_TRUE(QRegularExpression("^[0-9]+ KB Free on /.*$").match(disk).hasMatch())
        << disk.toStdString();
    EXPECT_EQ(memory, PhysicalMemoryText());
}

TEST_F(MainFrameTest, HelpTopicsOpensTheManual) {
    ASSERT_TRUE(Start({m_path}));
    Trigger(ID_HELP_FINDER);
    ASSERT_NE(App().HelpWindow(), nullptr);
    EXPECT_TRUE(App().HelpWindow()->isVisible());
    const QString text = App().HelpWindow()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains("Inserting objects"));
    EXPECT_TRUE(text.contains("Traffic Profile Mapping"));
}

}  // namespace
}  // namespace netloom::test

#include "MainFrameTest.moc"
