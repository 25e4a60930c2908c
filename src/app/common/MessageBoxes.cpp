#include "MessageBoxes.h"

#include <QAbstractButton>
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

void SetQuestionResponder(QuestionResponder r)
{
    questionResponder() = std::move(r);
}

QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton)
{
    if (escapeButton == QMessageBox::NoButton)
        escapeButton = defaultButton;
    const ShownMessage question{QMessageBox::Question, title, text, buttons, defaultButton};
    if (questionResponder())
        return questionResponder()(question);
    if (responder()) {
        responder()(question);
        return escapeButton;
    }
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    // The program speaks Polish whatever translations Qt finds.
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Tak"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Nie"));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Anuluj"));
    box.setDefaultButton(defaultButton);
    // Closing the box (Esc, the title bar) is taken as the safe answer.
    box.setEscapeButton(box.button(escapeButton));
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    return pressed == QMessageBox::NoButton ? escapeButton : pressed;
}

void ShowWarning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Warning, title, text);
}

void ShowError(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, QApplication::applicationName(), text);
}
