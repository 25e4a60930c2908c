#include "FocusMoves.h"

#include "TEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>

void MoveToNextControl(QWidget *from)
{
    if (!from)
        return;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

void ReturnFocusTo(QWidget *box)
{
    TEdit::ReturnFocusTo(box);
}
