#include "TMemo.h"

#include <QTextDocument>

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
    stored_ = text;
    shownRaw_ = document()->toRawText();
}

QString TMemo::storedText() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
    QString stored = document()->toRawText();
    // Untouched text goes back exactly as it came, lone CR or LF included
    // (notes written by another tool), so a save changes nothing the user did not.
    if (stored == shownRaw_)
        return stored_;
    stored.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    stored.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored;
}
