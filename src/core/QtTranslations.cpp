#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

bool InstallQtTranslations(QCoreApplication &app)
{
    const QStringList folders = {QStringLiteral(":/translations/"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    bool baseFound = false;
    for (const QString &name : {QStringLiteral("qtbase_pl"), QStringLiteral("qtserialport_pl")}) {
        auto *translator = new QTranslator(&app);
        bool loaded = false;
        for (const QString &folder : folders)
            if ((loaded = translator->load(name, folder)))
                break;
        if (loaded && QCoreApplication::installTranslator(translator))
            baseFound = baseFound || name == QLatin1String("qtbase_pl");
        else
            delete translator;
    }
    return baseFound;
}
