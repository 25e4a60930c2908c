// Entry routine. The program takes no arguments.
#include "Udecl.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetDefaultSettings();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tervala Loader v 1.1"));
    window.resize(751, 686);
    window.show();
    return app.exec();
}
