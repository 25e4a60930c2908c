#include "Desktop.h"

#include "QtTranslations.h"

#include <QApplication>

void SetUpApplication(QApplication &app)
{
    QApplication::setOrganizationName(QStringLiteral("Pelmor"));
    QApplication::setApplicationName(QStringLiteral("Pelmor"));
    QGuiApplication::setDesktopFileName(DesktopAppId);
    QApplication::setWindowIcon(ProgramIcon());
    InstallTranslations(app);
}

bool InstallTranslations(QApplication &app)
{
    return InstallQtTranslations(app);
}

// The icons live in this static library; a program linking it must register
// them explicitly or the linker drops them.
static void RegisterIcons()
{
    Q_INIT_RESOURCE(Desktop);
}

QIcon ProgramIcon()
{
    // Made once: every window shares it. The sizes a title bar and a task
    // switcher draw; the desktop's menu and launchers use the installed
    // theme icon (up to 256 pixels and SVG) found by the desktop file's name.
    static const QIcon icon = [] {
        RegisterIcons();
        QIcon made;
        for (int size : {16, 24, 32, 48, 64})
            made.addFile(QStringLiteral(":/icons/pelmor-%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}
