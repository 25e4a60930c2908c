// The SMS-centre presets of the Polish operators. The list is not part of the
// settings: the record keeps only the number, shown in Ecsms.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>

namespace EntryChecks
{

// Index of the item "inne" (another number), which carries no number.
constexpr int OtherCentre = 3;

// Fills the box with "PLUS", "ERA", "IDEA" (each carrying its number) and
// "inne", and selects "PLUS".
void FillSmsCentres(QComboBox *CBcentrum);

// Puts the chosen preset's number into Ecsms, or empties it for "inne". When
// the text typed into the box names no item, Ecsms is left as it is.
void CBcentrumChange(QComboBox *CBcentrum, QLineEdit *Ecsms);

// The preset whose number equals the given one, else "inne": what the box
// shows for a stored number.
int SmsCentrePresetIndex(const QString &number);

} // namespace EntryChecks
