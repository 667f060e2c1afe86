#pragma once
// A Netloom started as a user starts it, with a scripted object editor and file choosers in
// place of the modal sheets, and every message box recorded.

#include <gtest/gtest.h>

#include <QAction>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/DocManager.h"
#include "app/FileDialogs.h"
#include "app/MainFrame.h"
#include "app/NetloomApp.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "ui/MessageService.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace netloom::test {

// Node labels of the bundled example configuration.
inline const QString kAdapter0 = QStringLiteral("Physical ATM Adapter 0");
inline const QString kAdapter1 = QStringLiteral("Physical ATM Adapter 1");
inline const QString kVirtualAdapters = QStringLiteral("Virtual Adapters");
inline const QString kLane0 = QStringLiteral("Virtual Adapter 0 - Ethernet LanEmulation");
inline const QString kRfc1483 =
    QStringLiteral("Virtual Adapter 2 - Token-Ring MultiProtocolEncapsulation");
inline const QString kLane3 = QStringLiteral("Virtual Adapter 3 - Token-Ring LanEmulation");
inline const QString kPvcs = QStringLiteral("Permanent Virtual Connections");

// Answers each sheet with answer (after letting change edit the object) and records what kind
// of object it was asked to edit: "adapter", "profile", "elan", "mapping", "pvc", "cfgfile",
// "type".
class CFakeEditor : public CObjectEditor {
  public:
    bool Edit(C_Doc_Adapter& o) override { return Note("adapter", o); }
    bool Edit(C_Doc_TrafficProfile& o) override { return Note("profile", o); }
    bool Edit(C_Doc_Elan& o) override { return Note("elan", o); }
    bool Edit(C_Doc_TpMapping& o) override { return Note("mapping", o); }
    bool Edit(C_Doc_Pvc& o) override { return Note("pvc", o); }
    bool Edit(C_Doc_Cfgfile& o) override;
    bool ChooseVirtualAdapterType(int& type) override;

    bool answer = true;
    int model = 0;
    int elanType = 0;
    std::function<void(CDocObject&)> change;
    std::vector<std::string> edited;

  private:
    bool Note(const char* kind, CDocObject& object);
};

class CScriptedFileDialogs : public CFileDialogs {
  public:
    QString GetOpenFileName(QWidget*, const QString&) override { return openAnswer; }
    QString GetSaveFileName(QWidget*, const QString& proposed) override {
        proposals << proposed;
        return saveAnswer;
    }
    QString openAnswer;
    QString saveAnswer;
    QStringList proposals;
};

class NetloomTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Netloom with words as its command line; false when it ended at start-up.
    bool Start(const QStringList& words);
    // Ends it as closing the window does (with the options saved).
    void Finish();

    CNetloomApp& App() { return *m_app; }
    CNetloomView& View() { return *m_app->View(); }
    CNetloomDoc& Doc() { return m_app->Document(); }

    // A copy of the bundled example in the test's directory; its path.
    QString CopyExample(const QString& name = QStringLiteral("ka-210x.cfg"));
    QString TempPath(const QString& name) const { return m_dir.filePath(name); }

    // The node reached from the root by these labels (the root itself for an empty list).
    QTreeWidgetItem* Node(const QStringList& labels);
    // Every node in display order as "depth kind label", optionally only the visible ones.
    QStringList Outline(bool visibleOnly = false);

    // The menu-bar action of a command, and whether it is enabled now.
    QAction* Action(int id);
    bool Enabled(int id);
    // Triggers the command's menu item as a click does.
    void Trigger(int id);

    QStringList Messages() { return m_messages->Texts(); }
    // The main window's caption as the window manager shows it (with the unsaved mark).
    QString Caption();
    // Runs body while a modal dialog opens; close is called with it and must close it.
    static void WhileModal(const std::function<void()>& body,
                           const std::function<void(QWidget*)>& close);

    CScopedRecordingMessages m_messages;
    CFakeEditor m_editor;
    CScriptedFileDialogs m_dialogs;
    std::function<bool(QWidget*, CUserOptions&)> m_editOptions;
    std::function<bool(QWidget*, QPrinter&, int)> m_printDialog;
    QTemporaryDir m_dir;
    std::unique_ptr<CNetloomApp> m_app;
    QString m_startDir;
};

// A file's bytes (empty when it cannot be read), and writing them in place.
QByteArray Bytes(const QString& path);
void Write(const QString& path, const QByteArray& bytes);

// Points the settings, desktop files and runtime files below home, so that no test touches
// the user's own, and forgets any system folder set outside.
void UsePrivateHome(const QString& home);

// The settings file as written, for comparing what was saved.
QString SettingsText();
void ClearSettings();

}  // namespace netloom::test
