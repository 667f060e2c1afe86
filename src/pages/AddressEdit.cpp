#include "pages/AddressEdit.h"

#include <QKeyEvent>

#include "doc/UserOptions.h"
#include "fields/AddressField.h"
#include "pages/TypingValidator.h"
#include "ui/Latin1.h"

namespace netloom {

namespace {
// Wide enough for the stored form plus the frame.
void SizeForChars(QLineEdit* edit, int chars) {
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('D'))) + 16);
}
}  // namespace

CAtmAddressEdit::CAtmAddressEdit(QWidget* parent)
    : QLineEdit(parent), m_template(kDefaultAddressTemplate) {
    LimitTyping(this, kAtmAddressLength);
    SizeForChars(this, kAtmAddressLength);
}

void CAtmAddressEdit::keyPressEvent(QKeyEvent* event) {
    // Only the bare key: Shift+Insert and Ctrl+Insert keep their paste and copy meanings.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
        // The template is not checked here; saving the page judges it like typed text.
        SetEditText(this, FromBytes(m_template));
        end(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SetAddressTemplate(QWidget& dialog, const std::string& addressTemplate) {
    for (CAtmAddressEdit* edit : dialog.findChildren<CAtmAddressEdit*>())
        edit->SetTemplate(addressTemplate);
}

QLineEdit* MakeMacAddressEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    LimitTyping(edit, kMacAddressLength);
    SizeForChars(edit, kMacAddressLength);
    return edit;
}

}  // namespace netloom
