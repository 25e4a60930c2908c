#include "FocusMoves.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace
{

bool returningFocus = false;

// The character a key event types, as the handlers expect it.
std::optional<QChar> TypedCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // moves the focus before any typing is considered
    case Qt::Key_Delete:
    case Qt::Key_Escape:
        return std::nullopt;
    default:
        break;
    }
    if (event->matches(QKeySequence::Copy))
        return QChar(3);
    if (event->matches(QKeySequence::Paste))
        return QChar(22);
    if (event->matches(QKeySequence::Cut))
        return QChar(24);
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods == Qt::ControlModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return QChar(char16_t(event->key() - Qt::Key_A + 1));
    // Whatever else types a character is judged by it, AltGr letters included.
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    return text.at(0);
}

class KeyPressFilter : public QObject
{
  public:
    KeyPressFilter(QLineEdit *box, KeyPressHandler handler)
        : QObject(box), box(box), handler(std::move(handler))
    {
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != box || event->type() != QEvent::KeyPress)
            return false;
        const std::optional<QChar> typed = TypedCharacter(static_cast<QKeyEvent *>(event));
        if (!typed)
            return false;
        QChar key = *typed;
        handler(box, key);
        return key == QChar(0);
    }

  private:
    QLineEdit *box;
    KeyPressHandler handler;
};

class ExitFilter : public QObject
{
  public:
    ExitFilter(QLineEdit *box, ExitHandler handler) : QObject(box), box(box), handler(std::move(handler)) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != box || event->type() != QEvent::FocusOut || returningFocus)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason)
            return false;
        // The focus has already gone to its new owner when the old one hears of it.
        const QWidget *now = QApplication::focusWidget();
        if (!now || now == box || now->window() != box->window())
            return false;
        // Run after the focus change has finished: a message box shown in the
        // middle of it would disturb it.
        QPointer<QLineEdit> guarded(box);
        ExitHandler run = handler;
        QTimer::singleShot(0, box, [guarded, run] {
            // A box disabled meanwhile (its option switched off) cannot take the focus back.
            if (guarded && guarded->isEnabled())
                run(guarded);
        });
        return false;
    }

  private:
    QLineEdit *box;
    ExitHandler handler;
};

} // namespace

void MoveToNextControl(QWidget *from)
{
    if (!from)
        return;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

void ReturnFocusTo(QWidget *box)
{
    if (!box)
        return;
    returningFocus = true;
    box->setFocus(Qt::OtherFocusReason);
    returningFocus = false;
}

void InstallKeyPressHandler(QLineEdit *box, KeyPressHandler handler)
{
    if (box && handler)
        box->installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

void InstallExitHandler(QLineEdit *box, ExitHandler handler)
{
    if (box && handler)
        box->installEventFilter(new ExitFilter(box, std::move(handler)));
}
