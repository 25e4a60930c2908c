// The About box: program picture, name, version and a link line that opens
// the maker's web page.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>

// The maker's web page and the host name the link line shows.
extern const QString MakerWebAddress;
extern const QString MakerHostName;

// A label that reports a click of the left mouse button.
class TLinkLine : public QLabel
{
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class TAboutBox : public QDialog
{
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // Opens the maker's web page; the box stays open.
    void CommentsClick();

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    TLinkLine *Comments;
    QPushButton *OKButton;

  protected:
    // No cancel button: Esc does not close the box, its close box does.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// Created once at start, after the notification dialog and the test window,
// and reused for every showing.
extern TAboutBox *AboutBox;

// "O programie": shows the box modally; its result does not matter.
void ShowAboutBox(TAboutBox *box);
