// Entry checks and SMS-centre presets: the window's handlers hand the box
// concerned to the entry checks.
#include "Uformagl.h"

#include "EntryChecks.h"
#include "SmsCentres.h"
#include "TEdit.h"

#include <QComboBox>

QChar TGlownaF::FilterDigitKey(const QString &text, int caret, QChar key, QChar plusMark, QChar minusMark)
{
    return EntryChecks::FilterDigitKey(text, caret, key, plusMark, minusMark);
}

void TGlownaF::Enruser1KeyPress(QObject *Sender, QChar &Key)
{
    EntryChecks::Enruser1KeyPress(qobject_cast<QLineEdit *>(Sender), Key);
}

void TGlownaF::EPinKeyPress(QObject *Sender, QChar &Key)
{
    EntryChecks::EPinKeyPress(qobject_cast<QLineEdit *>(Sender), Key);
}

void TGlownaF::EPinExit(QObject *Sender)
{
    EntryChecks::EPinExit(qobject_cast<QLineEdit *>(Sender));
}

void TGlownaF::EZalWy1Exit(QObject *Sender)
{
    EntryChecks::EZalWy1Exit(qobject_cast<QLineEdit *>(Sender));
}

void TGlownaF::FillSmsCentres()
{
    EntryChecks::FillSmsCentres(Control<QComboBox>(QStringLiteral("CBcentrum")));
}

// Also run once at start-up without a sender, as for a choice by the user.
void TGlownaF::CBcentrumChange(QObject *)
{
    EntryChecks::CBcentrumChange(Control<QComboBox>(QStringLiteral("CBcentrum")),
                                 Control<TEdit>(QStringLiteral("Ecsms")));
}
