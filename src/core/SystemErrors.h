// The system's reasons (errno values) in Polish, for messages that say why
// a file or a port could not be used.
#pragma once

#include <QString>

// "brak miejsca na dysku" for ENOSPC and so on; the system's own text, with
// its number, for a reason not translated here.
QString SystemErrorText(int error);
