#include "pages/TypingValidator.h"

#include <QLineEdit>

namespace netloom {

namespace {
qsizetype CountNonDigits(const QString& text) {
    qsizetype count = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) ++count;
    }
    return count;
}
}  // namespace

CTypingValidator::CTypingValidator(QLineEdit* edit, int maxChars, bool digitsOnly)
    : QValidator(edit), m_before(edit->text()), m_maxChars(maxChars), m_digitsOnly(digitsOnly) {
    // The text before an edit is what validate compares with; textChanged reports every
    // change that was kept, typed or set by the program.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State CTypingValidator::validate(QString& input, int&) const {
    return Judge(m_before, input, m_maxChars, m_digitsOnly);
}

QValidator::State CTypingValidator::Judge(const QString& before, const QString& after, int maxChars,
                                          bool digitsOnly) {
    if (digitsOnly && CountNonDigits(after) > CountNonDigits(before)) return Invalid;
    if (maxChars >= 0 && after.size() > maxChars) {
        return after.size() > before.size() ? Invalid : Intermediate;
    }
    return Acceptable;
}

void LimitTyping(QLineEdit* edit, int maxChars, bool digitsOnly) {
    edit->setValidator(new CTypingValidator(edit, maxChars, digitsOnly));
}

}  // namespace netloom

namespace netloom {

void SetEditText(QLineEdit* edit, const QString& text) {
    // A validator that judged the new text against the old would call a whole stored value
    // one over-long keystroke, and the line edit would stop undoing refused typing after it.
    if (auto* validator = edit->findChild<CTypingValidator*>(QString(), Qt::FindDirectChildrenOnly))
        validator->Prime(text);
    // The line edit's own limit would cut a long stored value short without a word; typing is
    // limited by the validator instead.
    if (text.size() > edit->maxLength()) edit->setMaxLength(static_cast<int>(text.size()));
    edit->setText(text);
}

}  // namespace netloom
