// The reaction dialog: edits one reaction byte of an input or a special slot.
// Bit 7 means "no action"; bits 6 to 3 switch the two outputs on or off;
// bits 2 to 0 are the blocking output, the siren output and the delayed
// reaction (the last one only for inputs).
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include <cstdint>

class TFconfigNumberWeRe : public QDialog
{
    Q_OBJECT

  public:
    explicit TFconfigNumberWeRe(QWidget *parent = nullptr);

    // Sets the boxes from bit 7 down to bit 0; every change runs the box's
    // handler, so the interlocks are in force when the dialog is shown.
    void LoadReactionByte(std::uint8_t value);
    // The byte the boxes stand for. Hidden boxes count with their state, so
    // bits the dialog does not show go back as they were loaded.
    std::uint8_t ReactionByte() const;

    QCheckBox *ChBNoActiv;
    QCheckBox *ChBTimeRaport;
    QCheckBox *ChBTimeOFFWy1;
    QCheckBox *ChBTimeOFFWy2;
    QCheckBox *ChBONwy1IN;
    QCheckBox *ChBOFFwy1In;
    QCheckBox *ChBonWy2In;
    QCheckBox *ChBOFFWY2iN;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    // Set only while ChBNoActivClick runs: the boxes it unticks then must not
    // run their pair interlocks.
    bool NoActivBusy = false;

    void ChBNoActivClick();
    void ChBONwy1INClick();
    void ChBOFFwy1InClick();
    void ChBonWy2InClick();
    void ChBOFFWY2iNClick();

  private:
    QCheckBox *makeBox(const char *name, int left, int top, int width, const QString &caption);
    void pairClick(QCheckBox *box, QCheckBox *partner);
};

// Created once at start, after the main window, and reused for every opening.
extern TFconfigNumberWeRe *FconfigNumberWeRe;
