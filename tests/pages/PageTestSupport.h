#pragma once
// Helpers for driving the property sheets and dialogs the way a user does: open them through
// the objects' EditProperties with the GUI's editor installed, then type, click and press keys
// in them while they run modally, with every message box recorded instead of shown.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "doc/UserOptions.h"
#include "pages/PropertyEditor.h"
#include "ui/MessageService.h"

#include <ostream>

// Readable QStrings and sizes in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QSize& size, std::ostream* os) {
    *os << size.width() << 'x' << size.height();
}

namespace netloom {
class CPropertySheet;
}

namespace netloom::test {

// Sets options (those the test's editor reads) for the lifetime of the guard.
class CScopedOptions {
  public:
    CScopedOptions(CUserOptions& options, bool displayTrafficProfiles, bool expertMode,
                   const std::string& addressTemplate = kDefaultAddressTemplate);
    ~CScopedOptions();
    CScopedOptions(const CScopedOptions&) = delete;
    CScopedOptions& operator=(const CScopedOptions&) = delete;

  private:
    CUserOptions& m_options;
    CUserOptions m_saved;
};

// Records every message and, while the "box" is up, takes the keyboard from the window that
// asked for it, as a real message box does. That window becomes active again only once the
// event loop has run (see Settle), as the window system hands it back some time after the box
// has closed: whatever gives the focus away in that gap shows up in the tests.
class CBoxLikeMessages : public CRecordingMessageService {
  public:
    MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& title) override;
};

class CScopedBoxLikeMessages {
  public:
    CScopedBoxLikeMessages() : m_previous(SetMessageService(&m_service)) {}
    ~CScopedBoxLikeMessages() { SetMessageService(m_previous); }
    CRecordingMessageService* operator->() { return &m_service; }

  private:
    CBoxLikeMessages m_service;
    CMessageService* m_previous;
};

// Installs the GUI's object editor and a recording message service.
class PagesTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The texts of the messages shown so far.
    QStringList Messages() { return m_messages->Texts(); }

    // Runs open, which shows a modal sheet or dialog and returns once it is closed; drive works
    // the dialog while it is up and must close it. A dialog drive leaves open is cancelled and
    // fails the test. Returns what open returned.
    bool Run(const std::function<bool()>& open, const std::function<void(QDialog&)>& drive);

    CScopedBoxLikeMessages m_messages;
    // The options the sheets are built for: the editor is given them as the program gives it
    // its own.
    CUserOptions m_userOptions;
    CPropertyEditor m_editor{m_userOptions};

  private:
    CObjectEditor* m_pPrevious = nullptr;
};

// Control texts without their mnemonic markers.
QString Plain(const QString& text);

// The child of root of class T whose text (title for group boxes) reads text.
template <class T>
T* FindText(QWidget* root, const QString& text) {
    for (T* child : root->findChildren<T*>()) {
        if (Plain(child->text()) == text) return child;
    }
    return nullptr;
}
// The edit-like control that a label reading text names.
QWidget* Buddy(QWidget* root, const QString& labelText);

CPropertySheet& Sheet(QDialog& dialog);
// The titles of the sheet's tabs.
QStringList TabTitles(CPropertySheet& sheet);
// Clicks the sheet's tab titled title.
void ClickTab(CPropertySheet& sheet, const QString& title);

// Lets the pending events run, as they do before a user can act again: a window that lost the
// keyboard to a message box gets it back, layouts take their new sizes. Every user action and
// every look at the focus below starts with it.
void Settle();

// User actions.
void Click(QWidget* button);  // check boxes and radio buttons at their indicator
void ClickOk(QDialog& dialog);
void ClickCancel(QDialog& dialog);
// Moves the keyboard focus into control with a click, replaces its text by typing.
void TypeInto(QWidget* control, const QString& text);
void PressKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses Tab in the widget that has the focus.
void PressTab();
// The widget that has the keyboard focus.
QWidget* Focus();
// Whether the keyboard focus is in control (or the edit field inside it).
bool HasFocus(QWidget* control);

// The selected text of an edit-like control.
QString SelectedText(QWidget* control);
QString TextOf(QWidget* control);

}  // namespace netloom::test
