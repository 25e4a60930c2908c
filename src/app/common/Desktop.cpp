#include "Desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

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
    // A build that carries its translations (no system folder to look in)
    // has them in its resources; elsewhere the system's are used.
    const QStringList folders = {QStringLiteral(":/translations/"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    bool baseFound = false;
    for (const QString &name : {QStringLiteral("qtbase_pl"), QStringLiteral("qtserialport_pl")}) {
        auto *translator = new QTranslator(&app);
        bool loaded = false;
        for (const QString &folder : folders)
            if ((loaded = translator->load(name, folder)))
                break;
        if (loaded && QCoreApplication::installTranslator(translator)) {
            baseFound = baseFound || name == QLatin1String("qtbase_pl");
        } else {
            delete translator;
        }
    }
    return baseFound;
}

// The icons live in this static library; a program linking it must register
// them explicitly or the linker drops them.
static void RegisterIcons()
{
    Q_INIT_RESOURCE(Desktop);
}

QIcon ProgramIcon()
{
    RegisterIcons();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pelmor-%1.png").arg(size), QSize(size, size));
    return icon;
}
