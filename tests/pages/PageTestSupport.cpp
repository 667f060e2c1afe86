#include "PageTestSupport.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "doc/ObjectEditor.h"
#include "pages/DataExchange.h"
#include "pages/PropertySheet.h"
#include "pages/UpDownEdit.h"

namespace netloom::test {

CScopedOptions::CScopedOptions(CUserOptions& options, bool displayTrafficProfiles, bool expertMode,
                               const std::string& addressTemplate)
    : m_options(options), m_saved(options) {
    m_options.DisplayTrafficProfiles = displayTrafficProfiles;
    m_options.ExpertMode = expertMode;
    m_options.AddressTemplate = addressTemplate;
}

CScopedOptions::~CScopedOptions() {
    m_options = m_saved;
}

MsgAnswer CBoxLikeMessages::Show(QWidget* parent, const QString& text, MsgIcon icon,
                                 MsgButtons buttons, const QString& title) {
    if (QWidget* window = QApplication::activeWindow()) {
        QApplication::setActiveWindow(nullptr);
        QTimer::singleShot(0, window, [window] {
            if (window->isVisible() && QApplication::activeWindow() == nullptr)
                QApplication::setActiveWindow(window);
        });
    }
    return CRecordingMessageService::Show(parent, text, icon, buttons, title);
}

void PagesTest::SetUp() {
    m_pPrevious = SetObjectEditor(&m_editor);
}

void PagesTest::TearDown() {
    SetObjectEditor(m_pPrevious);
}

bool PagesTest::Run(const std::function<bool()>& open, const std::function<void(QDialog&)>& drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog is up";
            return;
        }
        driven = true;
        QApplication::setActiveWindow(dialog);
        drive(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
    const bool result = open();
    EXPECT_TRUE(driven) << "the dialog never came up";
    return result;
}

QString Plain(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return plain;
}

QWidget* Buddy(QWidget* root, const QString& labelText) {
    QLabel* label = FindText<QLabel>(root, labelText);
    return label != nullptr ? label->buddy() : nullptr;
}

CPropertySheet& Sheet(QDialog& dialog) {
    auto* sheet = qobject_cast<CPropertySheet*>(&dialog);
    if (sheet == nullptr) throw std::logic_error("not a property sheet");
    return *sheet;
}

QStringList TabTitles(CPropertySheet& sheet) {
    QStringList titles;
    for (int i = 0; i < sheet.Tabs()->count(); ++i)
        titles << sheet.Tabs()->tabText(i);
    return titles;
}

void Settle() {
    // Handling an event may post the next (a layout asks its parent's for a new size), so a
    // few rounds are run, as many as the deepest nesting of layouts needs.
    for (int round = 0; round < 8; ++round)
        QCoreApplication::processEvents();
}

void ClickTab(CPropertySheet& sheet, const QString& title) {
    Settle();
    QTabBar* bar = sheet.Tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == title) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(i).center());
            return;
        }
    }
    ADD_FAILURE() << "no tab " << title.toStdString();
}

void Click(QWidget* button) {
    if (button == nullptr) {
        ADD_FAILURE() << "no such button";
        return;
    }
    Settle();
    // Check boxes and radio buttons react to their indicator and text, not to their full
    // width; buttons to their middle.
    const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint where = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

void ClickOk(QDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    Click(box->button(QDialogButtonBox::Ok));
}

void ClickCancel(QDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    Click(box->button(QDialogButtonBox::Cancel));
}

void TypeInto(QWidget* control, const QString& text) {
    ASSERT_NE(control, nullptr);
    Settle();
    QWidget* target = control;
    if (auto* combo = qobject_cast<QComboBox*>(control)) target = combo->lineEdit();
    if (auto* upDown = qobject_cast<CUpDownEdit*>(control)) target = upDown;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(4, target->height() / 2));
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            // Characters without a key of their own arrive as text, as a compose key or an
            // input method delivers them.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        }
    }
}

void PressKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Settle();
    QTest::keyClick(control, key, modifiers);
}

void PressTab() {
    QWidget* focus = Focus();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Tab);
}

QWidget* Focus() {
    Settle();
    return QApplication::focusWidget();
}

bool HasFocus(QWidget* control) {
    QWidget* focus = Focus();
    return focus != nullptr && (focus == control || control->isAncestorOf(focus));
}

QString SelectedText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->selectedText();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit() ? combo->lineEdit()->selectedText() : QString();
    if (auto* upDown = qobject_cast<QAbstractSpinBox*>(control))
        return upDown->findChild<QLineEdit*>()->selectedText();
    return QString();
}

QString TextOf(QWidget* control) {
    return ControlText(control);
}

}  // namespace netloom::test
