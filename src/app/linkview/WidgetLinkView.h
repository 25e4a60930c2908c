// TLinkView on the main window's widgets: ListBox1, Bprogramuj, BBload and
// the application's cursor. The refill of the controls after a read-back is
// the window's own and comes in as a callback.
#pragma once

#include "ModuleLink.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPointer>

#include <functional>

// Keeps the list at no more than MaxLogLines: drops the oldest line when
// there are that many or more, one line per call.
void TrimLog(QListWidget *list);

class TWidgetLinkView : public TLinkView
{
  public:
    TWidgetLinkView(QListWidget *listBox1, QAbstractButton *bprogramuj, QAbstractButton *bbload,
                    QWidget *dialogParent);
    ~TWidgetLinkView() override;

    // Decodes the image into the record and refills the controls.
    std::function<void()> OnImageReceived;

    void TrimLog() override;
    int AddLogLine(const QString &text) override;
    void SetLogLine(int index, const QString &text) override;
    void SetLinkBusy(bool busy) override;
    void ShowLinkError(const QString &text) override;
    // Asks the user; "Nie" is the default.
    bool AcceptBadChecksum() override;
    void ShowReceivedImage() override;
    // "Tak" / "Nie", "Nie" by default.
    bool ProgramWithoutBackup(const QString &question) override;

  private:
    QPointer<QListWidget> list_;
    QPointer<QAbstractButton> program_, load_;
    QPointer<QWidget> parent_;
    bool cursorSet_ = false;
};
