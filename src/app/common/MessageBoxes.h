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
    // A question's buttons and the one Enter presses; OK alone for the others.
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// A warning with one OK button, e.g. the entry checks' "Uwaga" boxes.
void ShowWarning(QWidget *parent, const QString &title, const QString &text);
// An error box (critical icon, one OK button) titled with the application's title.
void ShowError(QWidget *parent, const QString &text);

// A question with the given buttons (Yes and No read "Tak" and "Nie");
// returns the button pressed. Esc or closing the box without an answer gives
// the escape button, which is the default one unless another is named.
QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton = QMessageBox::NoButton);

// Tests install a responder: while one is set, boxes are not shown, the
// responder is told what would have been shown.
using MessageResponder = std::function<void(const ShownMessage &)>;
void SetMessageResponder(MessageResponder responder);
// Tests answer questions through this one. With none set but a message
// responder set, a question is told to that and answered by its escape
// button, so an unattended test never blocks.
using QuestionResponder = std::function<QMessageBox::StandardButton(const ShownMessage &)>;
void SetQuestionResponder(QuestionResponder responder);
