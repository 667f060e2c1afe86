#pragma once
// Limits what can be typed into an edit field, as the pages' fields do: at most a number of
// characters, and optionally digits only. Text put there by the program (a stored value, the
// address template) is shown in full even when it breaks the limits, and edits that do not
// make it worse (deleting, overwriting) stay possible; the page's checks judge it on saving.

#include <QValidator>

class QLineEdit;

namespace netloom {

class CTypingValidator : public QValidator {
    Q_OBJECT
  public:
    // maxChars < 0: no length limit.
    CTypingValidator(QLineEdit* edit, int maxChars, bool digitsOnly);

    State validate(QString& input, int& pos) const override;

    // Announces text that the program is about to set, so that it is judged as it stands and
    // not as an edit of what stood there before.
    void Prime(const QString& text) { m_before = text; }

    // The rule itself, shared with edit controls that validate on their own.
    static State Judge(const QString& before, const QString& after, int maxChars, bool digitsOnly);

  private:
    QString m_before;
    int m_maxChars;
    bool m_digitsOnly;
};

// Installs a CTypingValidator on edit.
void LimitTyping(QLineEdit* edit, int maxChars, bool digitsOnly = false);

// Sets the text of an edit field from the program, whatever its typing limits.
void SetEditText(QLineEdit* edit, const QString& text);

}  // namespace netloom
