#include "MessageBoxes.h"

#include <QApplication>

namespace {
MessageResponder &responder()
{
    static MessageResponder r;
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
