// Entry routine. The program takes no arguments, reads no configuration and
// ends when the main window closes; nothing is saved and nothing is asked.
#include "UFtest.h"
#include "Uformagl.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmor"));

    // The main window first: it becomes the program's main window, and its
    // start-up sequence runs before any other window exists.
    TGlownaF mainWindow;

    // The reaction-options dialog (FconfigNumberWeRe) and the
    // notification-targets dialog (FConfigWorkWeRe) are created here, in that order.
    TFtest testWindow;
    Ftest = &testWindow;
    // The About box (AboutBox) is created here.

    mainWindow.show();
    const int result = app.exec();
    Ftest = nullptr;
    return result;
}
