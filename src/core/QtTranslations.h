// Qt's own Polish texts (qtbase_pl, qtserialport_pl): the serial port's and
// the file system's reasons, and in the window the standard dialogs and buttons.
#pragma once

class QCoreApplication;

// Loads them first from the program's resources (":/translations/", for a
// build that carries them), then from Qt's translations folder. True when
// qtbase_pl was found.
bool InstallQtTranslations(QCoreApplication &app);
