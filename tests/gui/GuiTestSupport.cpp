#include "gui/GuiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "app/MainFrame.h"
#include "doc/Cfgfile.h"
#include "doc/UserOptions.h"
#include "view/NetloomView.h"

namespace netloom::test {

bool CFakeEditor::Note(const char* kind, CDocObject& object) {
    edited.push_back(kind);
    if (answer && change) change(object);
    return answer;
}

bool CFakeEditor::Edit(C_Doc_Cfgfile& cfgfile) {
    if (answer) cfgfile.m_nAdapterModel = model;
    return Note("cfgfile", cfgfile);
}

bool CFakeEditor::ChooseVirtualAdapterType(int& type) {
    edited.push_back("type");
    if (answer) type = elanType;
    return answer;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString SettingsText() {
    const std::unique_ptr<QSettings> settings = CNetloomApp::Settings();
    settings->sync();
    QFile file(settings->fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void ClearSettings() {
    const std::unique_ptr<QSettings> settings = CNetloomApp::Settings();
    settings->clear();
    settings->sync();
}

void NetloomTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    m_startDir = QDir::currentPath();
    ClearSettings();
}

void NetloomTest::TearDown() {
    m_app.reset();
    QDir::setCurrent(m_startDir);
    QApplication::processEvents();
}

bool NetloomTest::Start(const QStringList& words) {
    std::vector<std::string> arguments;
    for (const QString& word : words)
        arguments.push_back(QFile::encodeName(word).toStdString());
    CAppServices services;
    services.editor = &m_editor;
    services.fileDialogs = &m_dialogs;
    services.editOptions = m_editOptions;
    services.printDialog = m_printDialog;
    m_app = std::make_unique<CNetloomApp>(std::move(arguments), services);
    const bool started = m_app->InitInstance();
    QApplication::processEvents();
    return started;
}

void NetloomTest::Finish() {
    if (m_app->MainFrame()) m_app->MainFrame()->close();
    m_app->ExitInstance();
}

QString NetloomTest::CopyExample(const QString& name) {
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    QFile::copy(QStringLiteral(NETLOOM_SOURCE_DIR "/examples/ka-210x.cfg"), target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

QTreeWidgetItem* NetloomTest::Node(const QStringList& labels) {
    QTreeWidgetItem* node = View().topLevelItem(0);
    for (const QString& label : labels) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; node && i < node->childCount(); ++i) {
            if (node->child(i)->text(0) == label) next = node->child(i);
        }
        node = next;
    }
    return node;
}

namespace {

void AddOutline(QTreeWidgetItem* item, int depth, bool visibleOnly, QStringList& out) {
    out << QStringLiteral("%1 %2 %3").arg(depth).arg(CNetloomView::KindOf(item)).arg(item->text(0));
    if (visibleOnly && !item->isExpanded()) return;
    for (int i = 0; i < item->childCount(); ++i)
        AddOutline(item->child(i), depth + 1, visibleOnly, out);
}

}  // namespace

QStringList NetloomTest::Outline(bool visibleOnly) {
    QStringList out;
    for (int i = 0; i < View().topLevelItemCount(); ++i)
        AddOutline(View().topLevelItem(i), 0, visibleOnly, out);
    return out;
}

QString NetloomTest::Caption() {
    const QWindow* window = m_app->MainFrame()->windowHandle();
    return window ? window->title() : QString();
}

QAction* NetloomTest::Action(int id) {
    return m_app->MainFrame()->MenuAction(id);
}

bool NetloomTest::Enabled(int id) {
    m_app->Commands().UpdateAll();
    QAction* action = Action(id);
    return action != nullptr && action->isEnabled();
}

void NetloomTest::Trigger(int id) {
    m_app->Commands().UpdateAll();
    ASSERT_NE(Action(id), nullptr) << id;
    Action(id)->trigger();
    QApplication::processEvents();
}

void NetloomTest::WhileModal(const std::function<void()>& body,
                             const std::function<void(QWidget*)>& close) {
    QTimer poll;
    int tries = 0;
    bool closed = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !closed) {
            closed = true;
            close(modal);
        } else if (++tries > 500 && !closed) {
            ADD_FAILURE() << "no modal dialog appeared";
            closed = true;
        }
    });
    poll.start(10);
    body();
    poll.stop();
    EXPECT_TRUE(closed);
}

void UsePrivateHome(const QString& home) {
    const QByteArray root = home.toLocal8Bit();
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/run").constData(), 1);
    QDir().mkpath(home + QStringLiteral("/run"));
    QFile::setPermissions(home + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    unsetenv("NETLOOM_SYSTEM_DIR");
}

}  // namespace netloom::test
