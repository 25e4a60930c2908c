#include "TSpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace
{
bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

TSpinEdit::TSpinEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setValue(Minimum);
}

void TSpinEdit::setRange(int minimum, int maximum)
{
    Minimum = minimum;
    Maximum = maximum < minimum ? minimum : maximum;
    setValue(value());
}

int TSpinEdit::value() const
{
    QString digits = text().trimmed();
    if (digits.isEmpty() || !allDigits(digits))
        return Minimum;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    // More digits than any int holds is above every range.
    if (digits.size() > 9)
        return Maximum;
    return qBound(Minimum, digits.toInt(), Maximum);
}

void TSpinEdit::setValue(int value)
{
    lineEdit()->setText(QString::number(qBound(Minimum, value, Maximum)));
}

void TSpinEdit::stepBy(int steps)
{
    setValue(value() + steps);
    selectAll();
}

QValidator::State TSpinEdit::validate(QString &input, int &) const
{
    if (!allDigits(input))
        return QValidator::Invalid;
    if (TypingLimit > 0 && input.size() > TypingLimit)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    const int v = value();
    if (v < Maximum)
        enabled |= StepUpEnabled;
    if (v > Minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed.at(0).isPrint();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || (printable && !allDigits(typed))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent *event)
{
    QAbstractSpinBox::focusOutEvent(event);
    setValue(value());
}
