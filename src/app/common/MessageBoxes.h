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

// Tests install a responder: while one is set, boxes are not shown, the
// responder is told what would have been shown.
using MessageResponder = std::function<void(const ShownMessage &)>;
void SetMessageResponder(MessageResponder responder);
