#include "TMemo.h"

TMemo::TMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab moves on to the next control, as in every other box of the window.
    setTabChangesFocus(true);
}

void TMemo::setStoredText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

QString TMemo::storedText() const
{
    QString stored = toPlainText();
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored;
}
