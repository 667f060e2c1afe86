#include "pages/UpDownEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "fields/IntegerField.h"
#include "pages/TypingValidator.h"
#include "ui/Latin1.h"

namespace netloom {

CUpDownEdit::CUpDownEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(false);
    // This class keeps no value of its own: tracking would make the base class interpret the
    // text as one on every keystroke.
    setKeyboardTracking(false);
    const QFontMetrics metrics(font());
    setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000")) + 32);
    connect(lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { m_before = text; });
}

void CUpDownEdit::SetStepRange(int min, int max) {
    m_min = min;
    m_max = std::max(min, max);
}

void CUpDownEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

void CUpDownEdit::stepBy(int steps) {
    int32_t value = 0;
    // Text that holds no number steps from the bottom of the range.
    const int current = ParseSignedField(ToBytes(text()), value) ? value : m_min - steps;
    const long long next = static_cast<long long>(current) + steps;
    const int clamped = static_cast<int>(std::clamp<long long>(next, m_min, m_max));
    SetText(QString::number(clamped));
    selectAll();
}

QValidator::State CUpDownEdit::validate(QString& input, int&) const {
    return CTypingValidator::Judge(m_before, input, -1, m_digitsOnly);
}

QAbstractSpinBox::StepEnabled CUpDownEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

}  // namespace netloom
