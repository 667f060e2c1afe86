#pragma once
// One exchange between a page's controls and its values, in the load direction (values into
// controls, no checks) or the save direction (controls into values, checked). A page lists its
// exchanges in a fixed order; in the save direction the first failure stops the rest, and the
// failure (its message and the control exchanged last) is kept for Report.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace netloom {

class CDataExchange {
  public:
    explicit CDataExchange(bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate) {}

    bool IsSaving() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_bFailed; }

    // Field kinds. Text controls are QLineEdit, editable QComboBox and CUpDownEdit.
    void AtmAddress(QLineEdit* edit, std::string& value);
    void MacAddress(QLineEdit* edit, std::string& value);
    void Unsigned(QWidget* control, int32_t& value);
    void Signed(QWidget* control, int32_t& value);
    // Text as it stands; characters without a Latin-1 byte are refused.
    void Text(QLineEdit* edit, std::string& value);
    void Check(QCheckBox* box, int32_t& value);
    void Check(QCheckBox* box, bool& value);
    // validCount: how many values the field knows (see ListIndexToStore).
    void Radio(std::initializer_list<QRadioButton*> group, int32_t& value, int32_t validCount);
    void ListIndex(QComboBox* list, int32_t& value, int32_t validCount);

    // Checks of the value just exchanged (save direction only); a failure is charged to the
    // control exchanged last, or to control when one is given.
    void MinMax(int32_t value, int32_t min, int32_t max, QWidget* control = nullptr);
    void MaxChars(const std::string& value, size_t maxChars);

    // Refuses the exchange with message, charged to the control exchanged last.
    void Fail(const QString& message);

    const QString& Message() const { return m_message; }
    QWidget* Control() const { return m_pLastControl; }
    // Shows the failure in a warning box, then puts the focus on its control with the text
    // selected.
    void Report(QWidget* parent) const;

  private:
    // Starts the exchange of control; false once an earlier one has failed.
    bool Begin(QWidget* control);
    void Fail(const std::string& message);

    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    QWidget* m_pLastControl = nullptr;
    QString m_message;
};

// The text of an edit-like control and its selection, whatever its class.
QString ControlText(QWidget* control);
void SetControlText(QWidget* control, const QString& text);
void SelectControlText(QWidget* control);

}  // namespace netloom
