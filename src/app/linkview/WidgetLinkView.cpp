#include "WidgetLinkView.h"

#include "LinkRules.h"
#include "LinkTexts.h"
#include "MessageBoxes.h"

#include <QApplication>

void TrimLog(QListWidget *list)
{
    if (list && list->count() >= MaxLogLines)
        delete list->takeItem(0);
}

TWidgetLinkView::TWidgetLinkView(QListWidget *listBox1, QAbstractButton *bprogramuj, QAbstractButton *bbload,
                                 QWidget *dialogParent)
    : list_(listBox1), program_(bprogramuj), load_(bbload), parent_(dialogParent)
{
}

TWidgetLinkView::~TWidgetLinkView()
{
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
}

void TWidgetLinkView::TrimLog()
{
    ::TrimLog(list_.data());
}

int TWidgetLinkView::AddLogLine(const QString &text)
{
    if (!list_)
        return -1;
    list_->addItem(text);
    list_->scrollToBottom();
    return list_->count() - 1;
}

void TWidgetLinkView::SetLogLine(int index, const QString &text)
{
    if (list_ && index >= 0 && index < list_->count())
        list_->item(index)->setText(text);
}

void TWidgetLinkView::SetLinkBusy(bool busy)
{
    if (program_)
        program_->setEnabled(!busy);
    if (load_)
        load_->setEnabled(!busy);
    // One override at most, so that the default cursor always comes back.
    if (busy && !cursorSet_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && cursorSet_)
        QApplication::restoreOverrideCursor();
    cursorSet_ = busy;
}

void TWidgetLinkView::ShowLinkError(const QString &text)
{
    ShowError(parent_.data(), text);
}

bool TWidgetLinkView::AcceptBadChecksum()
{
    return AskQuestion(parent_.data(), QStringLiteral("Uwaga"), LinkText::BadChecksumQuestion,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void TWidgetLinkView::ShowReceivedImage()
{
    if (OnImageReceived)
        OnImageReceived();
}

bool TWidgetLinkView::ProgramWithoutBackup(const QString &question)
{
    // The user answers with the ordinary cursor, not the run's hourglass.
    if (cursorSet_)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool yes = AskQuestion(parent_.data(), QStringLiteral("Uwaga"), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    return yes;
}
