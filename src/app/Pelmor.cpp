// Entry routine. `pelmor FILE.ulmar` opens the file right after the start-up
// sequence; the window remembers its port, folder, recent files and place
// between runs; it ends when the main window closes, after asking about edits
// not yet saved or programmed.
#include "About.h"
#include "Desktop.h"
#include "FontWarmUp.h"
#include "PelmorStart.h"
#include "PortTools.h"
#include "UFconfigNumberWeRe.h"
#include "UFtest.h"
#include "UfconfigWorkWeRe.h"
#include "Uformagl.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (const int answered = AnswerInfoOptions(argc, argv); answered >= 0)
        return answered;
#ifdef SIGXFSZ
    // Past a file size limit a save fails with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Both need no window system: they go on while Qt connects to the display.
    TFontWarmUp fonts;
    BeginListingSerialPorts();
    QApplication app(argc, argv);
    SetUpApplication(app);
    const TStartOptions options = ParseStartArguments(QApplication::arguments().mid(1));
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "pelmor: %s\nUżycie: pelmor [OPCJE] [PLIK.ulmar]\nOpis: pelmor --help\n",
                     options.Error.toLocal8Bit().constData());
        return 2;
    }

    // The main window first: it becomes the program's main window, and its
    // start-up sequence runs before any other window exists.
    fonts.Wait();
    TGlownaF mainWindow;

    // The dialogs are owned by the main window and live as long as it does.
    FconfigNumberWeRe = new TFconfigNumberWeRe(&mainWindow);
    FConfigWorkWeRe = new TFConfigWorkWeRe(&mainWindow);
    TFtest testWindow;
    Ftest = &testWindow;
    AboutBox = new TAboutBox(&mainWindow);

    mainWindow.RestoreDesktopState();
    mainWindow.show();
    if (!options.File.isEmpty())
        QTimer::singleShot(0, &mainWindow,
                           [&mainWindow, file = options.File] { mainWindow.OpenFileByName(file); });
    const int result = app.exec();
    mainWindow.SaveDesktopState();
    AboutBox = nullptr;
    Ftest = nullptr;
    FConfigWorkWeRe = nullptr;
    FconfigNumberWeRe = nullptr;
    return result;
}
