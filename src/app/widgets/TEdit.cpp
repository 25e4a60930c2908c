#include "TEdit.h"

#include <QKeyEvent>
#include <QValidator>

namespace {
// Refuses an edit that would make the text longer than the limit; the
// program's setText() is never validated, so long stored texts stay whole.
class TLengthValidator : public QValidator {
public:
    TLengthValidator(const int &limit, QObject *parent) : QValidator(parent), Limit(limit) {}
    State validate(QString &input, int &) const override
    {
        return Limit > 0 && input.size() > Limit ? Invalid : Acceptable;
    }

private:
    const int &Limit;
};
}  // namespace

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new TLengthValidator(TypingLimit, this));
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
