#include "EntryChecks.h"

#include "FocusMoves.h"
#include "MessageBoxes.h"

namespace EntryChecks
{

namespace
{
constexpr char16_t Backspace = 8;
constexpr char16_t Tab = 9;
constexpr char16_t Enter = 13;
const QChar Swallow(0);

// Enter moves on to the next control and types nothing.
bool HandleEnter(QLineEdit *sender, QChar &Key)
{
    if (Key != QChar(Enter))
        return false;
    Key = Swallow;
    MoveToNextControl(sender);
    return true;
}
} // namespace

QChar FilterDigitKey(const QString &text, int caret, QChar key, QChar plusMark, QChar minusMark)
{
    if (key == QChar(Backspace) || key == QChar(Tab))
        return key;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return key;
    if (key == QLatin1Char('+') || key == QLatin1Char('-')) {
        if (text.contains(plusMark) || text.contains(minusMark))
            return Swallow;
        // A sign may follow one character, e.g. a digit typed first.
        if (caret >= 2)
            return Swallow;
        if ((key == QLatin1Char('+') && plusMark == QLatin1Char('$')) ||
            (key == QLatin1Char('-') && minusMark == QLatin1Char('$')))
            return Swallow;
        return key;
    }
    return Swallow;
}

int CaretOf(const QLineEdit *box)
{
    return box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
}

void Enruser1KeyPress(QLineEdit *sender, QChar &Key)
{
    if (!sender || HandleEnter(sender, Key))
        return;
    // A blank can only have come in by pasting; the number starts afresh.
    if (!sender->text().isEmpty() && sender->text().contains(QLatin1Char(' ')))
        sender->clear();
    Key = FilterDigitKey(sender->text(), CaretOf(sender), Key, QLatin1Char('+'), QLatin1Char('-'));
}

void EPinKeyPress(QLineEdit *sender, QChar &Key)
{
    if (!sender || HandleEnter(sender, Key))
        return;
    Key = FilterDigitKey(sender->text(), CaretOf(sender), Key, QLatin1Char('$'), QLatin1Char('$'));
}

void EPinExit(QLineEdit *sender)
{
    if (!sender)
        return;
    const int length = int(sender->text().size());
    if (length >= 1 && length <= 3) {
        ShowWarning(sender->window(), QStringLiteral("Uwaga"), QStringLiteral("Kod pin musi mieć 4 znaki."));
        ReturnFocusTo(sender);
    }
}

void EZalWy1Exit(QLineEdit *sender)
{
    if (!sender)
        return;
    if (sender->text().size() == 1) {
        ShowWarning(sender->window(), QStringLiteral("Uwaga"),
                    QStringLiteral("Sms sterujący musi mieć formę dwóch znaków"));
        ReturnFocusTo(sender);
    }
}

} // namespace EntryChecks
