#include "TEdit.h"

#include <QKeyEvent>
#include <QValidator>

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
    const QString typed = event->text();
    if (!OnKeyPress || typed.size() != 1) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed.at(0);
    OnKeyPress(this, key);
    if (key.isNull()) {
        event->accept();
        return;
    }
    if (key == typed.at(0)) {
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
    // Only a move to another control counts as leaving the box, not the
    // window losing the focus or a popup opening.
    const Qt::FocusReason reason = event->reason();
    if (OnExit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        OnExit(this);
}
