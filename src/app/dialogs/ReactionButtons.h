// Opening logic of the reaction and notification buttons of the pages. One
// routine serves a whole family of buttons: the slot number n and the
// reaction number r are read out of the pressed button's name, the family is
// told apart by the name of the button's parent, the dialog is fitted and
// loaded from the record, and the byte is written back only on OK.
//
// Every routine returns the index in the record of the byte it read (and
// wrote, on OK), or -1 when the name carries no valid n and r; nothing is
// shown then.
#pragma once

#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"

#include <QObject>
#include <QString>

namespace ReactionButtons
{

// BB_ConfigNumerWe<n>Re<r>, n = 1 to 8, children of ScrollBox1.
int BB_ConfigNumerWe1Re1Click(const QString &buttonName, const QString &parentName, TModuleSettings &settings,
                              TFconfigNumberWeRe &dialog);
// BB_ConfigNumerSpecWe<n>Re<r>, n = 3 or 5, children of TabSheet4.
int BB_ConfigNumerSpecWe1Re1Click(const QString &buttonName, const QString &parentName,
                                  TModuleSettings &settings, TFconfigNumberWeRe &dialog);
// BBConfigWorkWe<n>Re<r>, n = 1 to 8. The user names and numbers are read
// from the boxes Eosoba<u> and Enruser<u> under mainWindow as they are now.
int BBConfigWorkWe1Re1Click(const QString &buttonName, const QString &parentName, TModuleSettings &settings,
                            TFConfigWorkWeRe &dialog, const QObject *mainWindow);
// BBConfigWorkSpecWe<n>Re<r>: n = 3 or 5 under TabSheet4, n = 1 or 2 (the
// output confirmations) under GroupBox11.
int BBConfigWorkSpecWe1Re1Click(const QString &buttonName, const QString &parentName,
                                TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                                const QObject *mainWindow);

// The same, taking the pressed button itself (the window's handlers pass sender()).
int BB_ConfigNumerWe1Re1Click(const QObject *button, TModuleSettings &settings, TFconfigNumberWeRe &dialog);
int BB_ConfigNumerSpecWe1Re1Click(const QObject *button, TModuleSettings &settings,
                                  TFconfigNumberWeRe &dialog);
int BBConfigWorkWe1Re1Click(const QObject *button, TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                            const QObject *mainWindow);
int BBConfigWorkSpecWe1Re1Click(const QObject *button, TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                                const QObject *mainWindow);

} // namespace ReactionButtons
