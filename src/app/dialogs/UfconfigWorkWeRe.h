// The notification dialog: edits one notification byte, which says which of
// the four users get an SMS (even bit) and a CLIP call (odd bit).
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <cstdint>

class TFConfigWorkWeRe : public QDialog
{
    Q_OBJECT

  public:
    explicit TFConfigWorkWeRe(QWidget *parent = nullptr);

    // Bit 2(u-1) is user u's SMS box, bit 2(u-1)+1 the CLIP box.
    void LoadNotificationByte(std::uint8_t value);
    // Hidden and disabled boxes count with their state.
    std::uint8_t NotificationByte() const;

    // u = 1 to 4.
    QLabel *UserLabel(int u) const { return Luser[u - 1]; }
    QCheckBox *SmsBox(int u) const { return ChBUSSMS[u - 1]; }
    QCheckBox *ClipBox(int u) const { return ChBUSClip[u - 1]; }

    QLabel *Label5;
    QLabel *Label6;
    QLabel *Luser[4];
    QCheckBox *ChBUSSMS[4];
    QCheckBox *ChBUSClip[4];
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

// Created once at start, after the reaction dialog, and reused for every opening.
extern TFConfigWorkWeRe *FConfigWorkWeRe;
