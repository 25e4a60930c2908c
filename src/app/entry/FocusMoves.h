// Focus moves made by the entry checks themselves, and the hooks that run
// key and leave handlers on any edit box.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QWidget>

#include <functional>

// Moves the focus from the widget to the next control in tab order, exactly
// as the Tab key would.
void MoveToNextControl(QWidget *from);

// Gives the focus back to a box after its leave check failed. The control
// that loses the focus by this does not run its own leave check: two
// half-filled boxes would otherwise pull the focus back and forth forever.
void ReturnFocusTo(QWidget *box);

// Runs handler(box, Key) for every character typed into the box: Enter (13),
// Backspace (8), printable characters, and Ctrl+letter as its control
// character (the clipboard shortcuts Ctrl+C, Ctrl+V, Ctrl+X are 3, 22, 24).
// A verdict of QChar(0) swallows the keystroke; any other verdict lets the
// original keystroke through. Keys that type nothing (Tab, arrows, Home,
// Delete, Esc) are not handed over.
using KeyPressHandler = std::function<void(QLineEdit *sender, QChar &Key)>;
void InstallKeyPressHandler(QLineEdit *box, KeyPressHandler handler);

// Runs handler(box) after the focus has moved from the box to another control
// of the same window. Opening a menu, a dialog or another window does not
// count as leaving.
using ExitHandler = std::function<void(QLineEdit *sender)>;
void InstallExitHandler(QLineEdit *box, ExitHandler handler);
