// Starting Netloom as users and the control-panel applet do, the options it reads and writes,
// and its registration with the desktop.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdlib>

#include "app/DesktopRegistration.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/UserOptions.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

class StartupTest : public NetloomTest {
  protected:
    void TearDown() override {
        unsetenv("NETLOOM_SYSTEM_DIR");
        NetloomTest::TearDown();
    }
    // A system directory with the driver's file in its drivers directory.
    QString MakeSystemDirectory() {
        const QString system = TempPath("system");
        QDir().mkpath(system + "/drivers");
        QFile::copy(QStringLiteral(NETLOOM_SOURCE_DIR "/examples/ka-210x.cfg"),
                    system + "/drivers/ka-210x.cfg");
        setenv("NETLOOM_SYSTEM_DIR", QFile::encodeName(system).constData(), 1);
        return system;
    }
    void SetSetting(const QString& key, const QVariant& value) {
        auto settings = CNetloomApp::Settings();
        settings->setValue(key, value);
        settings->sync();
    }
};

TEST_F(StartupTest, DriverDirFlagOpensTheDriversFileWhateverTheOrder) {
    const QString system = MakeSystemDirectory();
    for (const QStringList& words :
         {QStringList{"/driverdir", "ka-210x.cfg"}, QStringList{"ka-210x.cfg", "-driverdir"}}) {
        QDir::setCurrent(m_startDir);
        ASSERT_TRUE(Start(words));
        EXPECT_EQ(App().DocManager().PathName(), system + "/drivers/ka-210x.cfg");
        EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 2u);
        EXPECT_EQ(QDir::currentPath(), system + "/drivers");
        EXPECT_TRUE(Messages().isEmpty());
        m_app.reset();
    }
}

TEST_F(StartupTest, DriverDirIsCaseSensitive) {
    MakeSystemDirectory();
    QDir::setCurrent(m_dir.path());
    CopyExample(QStringLiteral("ka-210x.cfg"));
    // "/DriverDir" is an unknown flag, not a path: the file opens where Netloom started.
    ASSERT_TRUE(Start({"/DriverDir", "ka-210x.cfg"}));
    EXPECT_EQ(App().DocManager().PathName(), TempPath("ka-210x.cfg"));
    EXPECT_EQ(QDir::currentPath(), m_dir.path());
}

TEST_F(StartupTest, AbsolutePathIsAFileNotAFlag) {
    const QString path = CopyExample(QStringLiteral("p"));
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(App().DocManager().PathName(), path);
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 2u);
}

TEST_F(StartupTest, WithoutAFileTheAdapterTypeDecides) {
    m_editor.model = 1;
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(m_editor.edited, std::vector<std::string>{"cfgfile"});
    EXPECT_EQ(Caption(), QStringLiteral("ka-3301 - Netloom"));
    EXPECT_TRUE(App().MainFrame()->isVisible());
    m_app.reset();

    m_editor.answer = false;  // cancelled: Netloom ends without a window or a message
    EXPECT_FALSE(Start({}));
    EXPECT_FALSE(App().MainFrame()->isVisible());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(StartupTest, FreshUserGetsTheDefaults) {
    ASSERT_TRUE(Start({}));
    EXPECT_FALSE(App().Options().DisplayTrafficProfiles);
    EXPECT_FALSE(App().Options().ExpertMode);
    EXPECT_EQ(App().Options().AddressTemplate,
              "39 00 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 88 00");
    EXPECT_EQ(App().Web().PreferredSite, 0);
    EXPECT_EQ(App().Web().Sites.size(), 2);
    EXPECT_EQ(App().Web().Urls, (QStringList{"http://%s/", "http://%s/cgi-bin/driver-search?ATM",
                                             "http://%s/products/index-atm.html"}));
    EXPECT_EQ(App().Web().Titles, (QStringList{"Varnel Homepage", "ATM software", "ATM products"}));
}

TEST_F(StartupTest, OptionsAreReadAtStartAndWrittenAtExit) {
    SetSetting("Options/DisplayTrafficProfiles", 1);
    SetSetting("Options/ExpertMode", "not a number");
    SetSetting("Options/AddressTemplate", "47 00");
    SetSetting("Web/PreferredSite", 1);
    SetSetting("Web/Site2", "www3.example.org");  // after the two defaults
    SetSetting("Web/Url0", "https://%s/start");   // overrides the default at its position
    SetSetting("Web/Title5", "Never read");       // Title3 and Title4 are missing
    ASSERT_TRUE(Start({CopyExample()}));
    EXPECT_TRUE(App().Options().DisplayTrafficProfiles);
    EXPECT_FALSE(App().Options().ExpertMode);
    EXPECT_EQ(App().Options().AddressTemplate, "47 00");
    EXPECT_EQ(App().Web().Sites.size(), 3);
    EXPECT_EQ(App().Web().Sites.value(2), "www3.example.org");
    EXPECT_EQ(App().Web().Urls.value(0), "https://%s/start");
    EXPECT_EQ(App().Web().Titles.size(), 3);
    EXPECT_NE(Node({"Physical ATM Adapter 0", "Traffic Profiles"}), nullptr);

    Trigger(ID_VIEW_ADVANCED);
    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    App().Commands().Execute(ID_WEB_SITE_FIRST + 2);
    // Until the program ends normally nothing is written: a crash loses the changes.
    EXPECT_EQ(CNetloomApp::Settings()->value("Options/ExpertMode").toString(), "not a number");
    Finish();
    auto settings = CNetloomApp::Settings();
    EXPECT_EQ(settings->value("Options/DisplayTrafficProfiles").toInt(), 0);
    EXPECT_EQ(settings->value("Options/ExpertMode").toInt(), 1);
    EXPECT_EQ(settings->value("Options/AddressTemplate").toString(), "47 00");
    EXPECT_EQ(settings->value("Web/PreferredSite").toInt(), 2);
    EXPECT_FALSE(settings->contains("Web/Site0")) << "the lists are never written";
    EXPECT_FALSE(settings->contains("Web/Title0"));
}

TEST_F(StartupTest, AnExitThatChangedNothingLeavesTheSettingsFileAlone) {
    const QString path = CopyExample();
    ASSERT_TRUE(Start({path}));
    Finish();
    const QString file = CNetloomApp::Settings()->fileName();
    // A line that QSettings would not write back: it stays only while the file is left alone.
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::Append));
    out.write("; kept while nothing changes\n");
    out.close();
    const QByteArray before = Bytes(file);
    ASSERT_TRUE(Start({path}));
    Finish();
    EXPECT_EQ(Bytes(file), before) << "the same options and the same recent file";

    ASSERT_TRUE(Start({path}));
    Trigger(ID_VIEW_ADVANCED);
    Finish();
    EXPECT_NE(Bytes(file), before);
    EXPECT_EQ(CNetloomApp::Settings()->value("Options/ExpertMode").toInt(), 1);
    EXPECT_EQ(CNetloomApp::Settings()->value("Recent File List/File1").toString(), path);
}

TEST_F(StartupTest, OptionsDialogRebuildsOnlyForTheProfilesOption) {
    int shown = 0;
    bool showProfiles = false;
    m_editOptions = [&](QWidget*, CUserOptions& options) {
        ++shown;
        options.ExpertMode = !options.ExpertMode;
        options.DisplayTrafficProfiles = showProfiles;
        options.AddressTemplate = "39 11";
        return true;
    };
    ASSERT_TRUE(Start({CopyExample()}));
    QTreeWidgetItem* adapter = Node({"Physical ATM Adapter 1"});
    View().SelectNode(adapter);
    Trigger(ID_VIEW_OPTIONS);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(App().Options().ExpertMode);
    EXPECT_EQ(App().Options().AddressTemplate, "39 11");
    EXPECT_EQ(View().CurrentNode(), adapter) << "ExpertMode alone does not rebuild";

    showProfiles = true;
    Trigger(ID_VIEW_OPTIONS);
    EXPECT_EQ(View().CurrentNode(), View().RootNode());
    EXPECT_NE(Node({"Physical ATM Adapter 1", "Traffic Profiles"}), nullptr);

    m_editOptions = nullptr;
}

TEST_F(StartupTest, RegistersTheFileTypeForTheUserAndUnregisters) {
    ASSERT_TRUE(Start({}));
    QFile entry(DesktopEntryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(
        text.contains("Exec=" + DesktopExecLine(QCoreApplication::applicationFilePath()).toUtf8()));
    EXPECT_TRUE(text.contains("MimeType=application/x-netloom-document;"));
    EXPECT_TRUE(text.contains("X-Netloom-DocumentType=Netloom.Document"));
    QFile mime(MimePackagePath());
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray type = mime.readAll();
    EXPECT_TRUE(type.contains("<comment>Netloom Document</comment>"));
    // The name is a weak hint; the content rule claims the file.
    EXPECT_TRUE(type.contains("<glob pattern=\"*.cfg\" weight=\"10\"/>"));
    EXPECT_TRUE(type.contains("<match type=\"string\" value=\"DefineAdapter\""));
    EXPECT_TRUE(type.contains("<sub-class-of type=\"text/plain\"/>"));
    EXPECT_TRUE(QFile::exists(UserIconPath()));
    m_app.reset();

    EXPECT_FALSE(Start({"/Unregister"}));
    EXPECT_FALSE(QFile::exists(DesktopEntryPath()));
    EXPECT_FALSE(QFile::exists(MimePackagePath()));
    EXPECT_TRUE(m_editor.edited.size() == 1) << "no document was opened for /Unregister";
}

TEST(DesktopExecLine, QuotesWhatTheDesktopWouldSplitOrExpand) {
    EXPECT_EQ(DesktopExecLine("/usr/bin/Netloom"), "/usr/bin/Netloom %f");
    EXPECT_EQ(DesktopExecLine("/opt/my apps/Netloom"), "\"/opt/my apps/Netloom\" %f");
    EXPECT_EQ(DesktopExecLine("/opt/$x\\y/100%/N"), "\"/opt/\\\\$x\\\\\\\\y/100%%/N\" %f");
}

}  // namespace
}  // namespace netloom::test
