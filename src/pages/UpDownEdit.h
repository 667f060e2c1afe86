#pragma once
// An integer edit field with an up-down control. Unlike QSpinBox it never corrects what the
// user typed or what was stored: the text stays as it is until the page checks it, and the
// arrows step the number the text holds within their own range.

#include <QAbstractSpinBox>

namespace netloom {

class CUpDownEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit CUpDownEdit(QWidget* parent = nullptr);

    // The range the arrows step within.
    void SetStepRange(int min, int max);
    // Only digits can be typed (text set by the program may hold anything).
    void SetDigitsOnly(bool digitsOnly) { m_digitsOnly = digitsOnly; }

    void SetText(const QString& text);
    QString Text() const { return text(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int m_min = 0;
    int m_max = 100;
    bool m_digitsOnly = false;
    QString m_before;
};

}  // namespace netloom
