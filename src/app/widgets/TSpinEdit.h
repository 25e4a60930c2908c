// Numeric box with arrows. Accepts digits and editing keys only; leaving it
// brings the value into range (an empty box reads as the minimum), and so
// does every value the program sets.
#pragma once

#include <QAbstractSpinBox>

class TSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
  public:
    explicit TSpinEdit(QWidget *parent = nullptr);
    using QAbstractSpinBox::lineEdit;

    void setRange(int minimum, int maximum);
    int minimum() const { return Minimum; }
    int maximum() const { return Maximum; }
    // At most this many digits can be typed; 0 means no limit.
    void setTypingLimit(int limit) { TypingLimit = limit; }
    int typingLimit() const { return TypingLimit; }

    // The shown number held within the range; text that is no number counts as the minimum.
    int value() const;
    void setValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &) const override {}

  protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    int Minimum = 0;
    int Maximum = 100;
    int TypingLimit = 0;
};
