#include "TEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>
#include <QValidator>

#include <optional>

namespace
{
// Refuses the user's edit that makes a text longer than the limit and longer
// than it was; a longer text set by the program can still be shortened.
class TLengthValidator : public QValidator
{
  public:
    explicit TLengthValidator(const TEdit *edit) : QValidator(const_cast<TEdit *>(edit)), Edit(edit) {}
    State validate(QString &input, int &) const override
    {
        const int limit = Edit->typingLimit();
        if (Edit->settingText() || limit <= 0 || input.size() <= limit)
            return Acceptable;
        return input.size() > Edit->lastLength() ? Invalid : Acceptable;
    }

  private:
    const TEdit *Edit;
};

bool ReturningFocus = false;

// The character a key event types, as the key handlers expect it.
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
} // namespace

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new TLengthValidator(this));
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &text) { LastLength = int(text.size()); });
}

void TEdit::setText(const QString &text)
{
    SettingText = true;
    QLineEdit::setText(text);
    SettingText = false;
    LastLength = int(QLineEdit::text().size());
}

void TEdit::setTypingLimit(int limit)
{
    TypingLimit = limit < 0 ? 0 : limit;
}

void TEdit::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QChar> typed = OnKeyPress ? TypedCharacter(event) : std::nullopt;
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = *typed;
    OnKeyPress(this, key);
    if (key.isNull()) {
        event->accept();
        return;
    }
    if (key == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler replaced the key: type the replacement instead.
    QKeyEvent replaced(event->type(), 0, event->modifiers() & ~Qt::ControlModifier, QString(key));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void TEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!OnExit || ReturningFocus)
        return;
    // Only a move to another control counts as leaving the box, not the
    // window losing the focus or a menu or popup opening.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return;
    // The focus has already gone to its new owner when the old one hears of it.
    const QWidget *now = QApplication::focusWidget();
    if (!now || now == this || now->window() != window())
        return;
    // Run after the focus change has finished: a message box shown in the
    // middle of it would disturb it.
    QPointer<TEdit> guarded(this);
    QTimer::singleShot(0, this, [guarded] {
        // A box disabled meanwhile (its option switched off) cannot take the focus back.
        if (guarded && guarded->isEnabled() && guarded->OnExit)
            guarded->OnExit(guarded.data());
    });
}

void TEdit::ReturnFocusTo(QWidget *box)
{
    if (!box)
        return;
    ReturningFocus = true;
    box->setFocus(Qt::OtherFocusReason);
    ReturningFocus = false;
}
