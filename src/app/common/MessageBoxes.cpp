#include "MessageBoxes.h"

#include <QApplication>

namespace {
MessageResponder &responder()
{
    static MessageResponder r;
    return r;
}

QuestionResponder &questionResponder()
{
    static QuestionResponder r;
    return r;
}

void show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    if (responder()) {
        responder()({icon, title, text});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
}  // namespace

void SetMessageResponder(MessageResponder r)
{
    responder() = std::move(r);
}

void ShowWarning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Warning, title, text);
}

void ShowError(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, QApplication::applicationName(), text);
}

void SetQuestionResponder(QuestionResponder r)
{
    questionResponder() = std::move(r);
}

QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton)
{
    const ShownMessage message{QMessageBox::Question, QApplication::applicationName(), text};
    if (questionResponder())
        return questionResponder()(message);
    if (responder()) {
        responder()(message);
        return escapeButton;
    }
    QMessageBox box(QMessageBox::Question, message.title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    const int result = box.exec();
    // Closing the box by its frame counts as the escape button.
    if (!(buttons & QMessageBox::StandardButton(result)))
        return escapeButton;
    return QMessageBox::StandardButton(result);
}
