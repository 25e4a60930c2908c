// What makes the program at home on the desktop: its identity (the name the
// desktop entry, the settings store and the packages share), its icon and
// Qt's own Polish texts.
#pragma once

#include <QIcon>
#include <QString>

class QApplication;

// The reverse-DNS id of the desktop entry, the icon and the AppStream data.
inline const QString DesktopAppId = QStringLiteral("pl.pelmor.Pelmor");

// Names (settings store ~/.config/Pelmor/Pelmor.conf), desktop file, window
// icon and translations: everything the application object needs before the
// first window is made.
void SetUpApplication(QApplication &app);

// Loads Qt's Polish translations (qtbase_pl, qtserialport_pl), first from the
// program's resources (":/translations/"), then from Qt's translations
// folder. True when qtbase_pl was found.
bool InstallTranslations(QApplication &app);

// The program's icon at every size it is drawn in.
QIcon ProgramIcon();
