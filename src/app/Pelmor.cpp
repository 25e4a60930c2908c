// Entry routine. The program takes no arguments and ends when the main window
// closes; the window asks first about edits not yet saved or programmed.
#include "About.h"
#include "UFconfigNumberWeRe.h"
#include "UFtest.h"
#include "UfconfigWorkWeRe.h"
#include "Uformagl.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmor"));

    // The main window first: it becomes the program's main window, and its
    // start-up sequence runs before any other window exists.
    TGlownaF mainWindow;

    // The dialogs are owned by the main window and live as long as it does.
    FconfigNumberWeRe = new TFconfigNumberWeRe(&mainWindow);
    FConfigWorkWeRe = new TFConfigWorkWeRe(&mainWindow);
    TFtest testWindow;
    Ftest = &testWindow;
    AboutBox = new TAboutBox(&mainWindow);

    mainWindow.show();
    const int result = app.exec();
    AboutBox = nullptr;
    Ftest = nullptr;
    FConfigWorkWeRe = nullptr;
    FconfigNumberWeRe = nullptr;
    return result;
}
