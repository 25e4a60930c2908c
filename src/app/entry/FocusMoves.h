// Focus moves made by the entry checks themselves. The key and leave hooks
// that run the checks are the edit box's own (TEdit::OnKeyPress, TEdit::OnExit).
#pragma once

#include <QWidget>

// Moves the focus from the widget to the next control in tab order, exactly
// as the Tab key would.
void MoveToNextControl(QWidget *from);

// Gives the focus back to a box after its leave check failed, without the
// leave check of the control that loses the focus by this.
void ReturnFocusTo(QWidget *box);
