// Every message box of the program goes through here, so that tests can
// answer it instead of a person (an offscreen test must never block on a
// modal box).
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

struct ShownMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// A warning with one OK button, e.g. the entry checks' "Uwaga" boxes.
void ShowWarning(QWidget *parent, const QString &title, const QString &text);
// An error box (critical icon, one OK button) titled with the application's title.
void ShowError(QWidget *parent, const QString &text);

// A question with the given standard buttons (their captions come in the
// program's language), titled like the error box. Returns the button chosen;
// Esc or closing the box gives the escape button.
QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton);

// Tests install a responder: while one is set, boxes are not shown, the
// responder is told what would have been shown.
using MessageResponder = std::function<void(const ShownMessage &)>;
void SetMessageResponder(MessageResponder responder);

// While set, questions are not shown: the responder chooses the answer.
// With only a message responder set, a question is answered by its escape
// button, so an unattended test never blocks and never goes ahead unasked.
using QuestionResponder = std::function<QMessageBox::StandardButton(const ShownMessage &)>;
void SetQuestionResponder(QuestionResponder responder);
