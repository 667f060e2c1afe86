#include "pages/DataExchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "fields/AddressField.h"
#include "fields/FieldChecks.h"
#include "fields/FieldMessages.h"
#include "fields/IntegerField.h"
#include "pages/TypingValidator.h"
#include "pages/UpDownEdit.h"
#include "ui/Latin1.h"
#include "ui/MessageService.h"

namespace netloom {

QString ControlText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    if (auto* upDown = qobject_cast<CUpDownEdit*>(control)) return upDown->Text();
    return QString();
}

void SetControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        SetEditText(edit, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(text);
    } else if (auto* upDown = qobject_cast<CUpDownEdit*>(control)) {
        upDown->SetText(text);
    }
}

void SelectControlText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->lineEdit() != nullptr) combo->lineEdit()->selectAll();
    } else if (auto* upDown = qobject_cast<CUpDownEdit*>(control)) {
        upDown->selectAll();
    }
}

bool CDataExchange::Begin(QWidget* control) {
    if (m_bFailed) return false;
    m_pLastControl = control;
    return true;
}

void CDataExchange::Fail(const QString& message) {
    if (m_bFailed) return;
    m_bFailed = true;
    m_message = message;
}

void CDataExchange::Fail(const std::string& message) {
    Fail(QString::fromStdString(message));
}

void CDataExchange::AtmAddress(QLineEdit* edit, std::string& value) {
    if (!Begin(edit)) return;
    if (!m_bSaveAndValidate) {
        SetEditText(edit, FromBytes(value));
        return;
    }
    std::string parsed;
    if (!ParseAtmAddress(ToBytes(edit->text()), parsed)) return Fail(InvalidAtmAddressMessage());
    value = std::move(parsed);
}

void CDataExchange::MacAddress(QLineEdit* edit, std::string& value) {
    if (!Begin(edit)) return;
    if (!m_bSaveAndValidate) {
        SetEditText(edit, FromBytes(value));
        return;
    }
    std::string parsed;
    if (!ParseMacAddress(ToBytes(edit->text()), parsed)) return Fail(InvalidMacAddressMessage());
    value = std::move(parsed);
}

void CDataExchange::Unsigned(QWidget* control, int32_t& value) {
    if (!Begin(control)) return;
    if (!m_bSaveAndValidate) {
        SetControlText(control, QString::number(value));
        return;
    }
    int32_t parsed = 0;
    if (!ParseUnsignedField(ToBytes(ControlText(control)), parsed))
        return Fail(PositiveIntegerMessage());
    value = parsed;
}

void CDataExchange::Signed(QWidget* control, int32_t& value) {
    if (!Begin(control)) return;
    if (!m_bSaveAndValidate) {
        SetControlText(control, QString::number(value));
        return;
    }
    int32_t parsed = 0;
    if (!ParseSignedField(ToBytes(ControlText(control)), parsed)) return Fail(IntegerMessage());
    value = parsed;
}

void CDataExchange::Text(QLineEdit* edit, std::string& value) {
    if (!Begin(edit)) return;
    if (!m_bSaveAndValidate) {
        SetEditText(edit, FromBytes(value));
        return;
    }
    const QString text = edit->text();
    const QString bad = FindNonLatin1(text);
    if (!bad.isEmpty()) return Fail(UnstorableCharacterMessage(bad.toStdString()));
    value = ToBytes(text);
}

void CDataExchange::Check(QCheckBox* box, int32_t& value) {
    if (!Begin(box)) return;
    if (m_bSaveAndValidate) {
        value = box->checkState() == Qt::Checked ? 1 : 0;
        return;
    }
    if (value < 0 || value > 2) value = 0;
    if (value == 2) {
        // A third state only a defective value can ask for; once clicked the box goes back
        // to two states.
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        if (!box->property("netloomTristateHooked").toBool()) {
            box->setProperty("netloomTristateHooked", true);
            QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
        }
        return;
    }
    box->setTristate(false);
    box->setChecked(value == 1);
}

void CDataExchange::Check(QCheckBox* box, bool& value) {
    int32_t state = value ? 1 : 0;
    Check(box, state);
    if (m_bSaveAndValidate && !m_bFailed) value = state == 1;
}

void CDataExchange::Radio(std::initializer_list<QRadioButton*> group, int32_t& value,
                          int32_t validCount) {
    if (group.size() == 0 || !Begin(*group.begin())) return;
    if (m_bSaveAndValidate) {
        int32_t checked = -1;
        int32_t position = 0;
        for (QRadioButton* button : group) {
            if (button->isChecked()) {
                checked = position;
                break;
            }
            ++position;
        }
        value = ListIndexToStore(checked, value, validCount);
        return;
    }
    int32_t position = 0;
    for (QRadioButton* button : group) {
        // Auto-exclusive buttons refuse to be cleared one by one; a value without a button
        // must leave all of them clear.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(position == value);
        button->setAutoExclusive(exclusive);
        ++position;
    }
}

void CDataExchange::ListIndex(QComboBox* list, int32_t& value, int32_t validCount) {
    if (!Begin(list)) return;
    if (m_bSaveAndValidate) {
        value = ListIndexToStore(list->currentIndex(), value, validCount);
        return;
    }
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
}

void CDataExchange::MinMax(int32_t value, int32_t min, int32_t max, QWidget* control) {
    if (!m_bSaveAndValidate || m_bFailed) return;
    if (control != nullptr) m_pLastControl = control;
    if (!InRange(value, min, max)) Fail(RangeMessage(min, max));
}

void CDataExchange::MaxChars(const std::string& value, size_t maxChars) {
    if (!m_bSaveAndValidate || m_bFailed) return;
    if (!FitsLength(value, maxChars)) Fail(MaxCharsMessage(maxChars));
}

void CDataExchange::Report(QWidget* parent) const {
    if (!m_bFailed) return;
    ShowWarning(parent, m_message);
    if (m_pLastControl != nullptr) {
        m_pLastControl->setFocus(Qt::OtherFocusReason);
        SelectControlText(m_pLastControl);
    }
}

}  // namespace netloom
