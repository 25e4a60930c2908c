// Checks of what the user types into, or leaves in, a few edit boxes of the
// main window: the first user's number and the SIM PIN take digits only (the
// number also one sign), Enter in them moves on, and the PIN, the SMS access
// code and the output control codes warn when left half filled.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>

namespace EntryChecks
{

// The character to let through, or QChar(0) to swallow the keystroke.
// Backspace, Tab and digits always pass; "+" and "-" pass only while the
// text holds neither mark, at caret positions 0 and 1, and when their mark is
// not "$" (which forbids that sign). Everything else is swallowed, the
// control characters of the clipboard shortcuts included.
QChar FilterDigitKey(const QString &text, int caret, QChar key, QChar plusMark, QChar minusMark);

// Key handlers: Key is the typed character and is replaced by the verdict.
// Enter is swallowed and moves the focus on, as Tab would.
void Enruser1KeyPress(QLineEdit *sender, QChar &Key);
void EPinKeyPress(QLineEdit *sender, QChar &Key);

// Leave handlers, run once the focus has moved to another control of the
// window: a half-filled box gets a "Uwaga" box and the focus back.
void EPinExit(QLineEdit *sender);    // EPin, EPINMOD: 4 characters or none
void EZalWy1Exit(QLineEdit *sender); // EZalWy1, EwylWy1, EZalWy2, EwylWy2: 2 characters or none

// The caret position the filters use: the start of the selection.
int CaretOf(const QLineEdit *box);

} // namespace EntryChecks
