// Saves pictures of the reaction dialogs and the About box for the
// documentation: dialogshots <folder>. Renders offscreen unless told otherwise.
#include "About.h"
#include "ModalDialogs.h"
#include "ReactionButtons.h"
#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>

namespace
{

// The main window's user boxes, as an installer might have filled them.
void AddUsers(QWidget *main)
{
    const char *names[4] = {"Jan Kowalski", "Anna", "", "Serwis"};
    const char *numbers[4] = {"+48601000310", "+48602000000", "", "+48501200777"};
    for (int u = 1; u <= 4; ++u) {
        auto *name = new QLineEdit(QString::fromUtf8(names[u - 1]), main);
        name->setObjectName(QStringLiteral("Eosoba%1").arg(u));
        auto *number = new QLineEdit(QString::fromLatin1(numbers[u - 1]), main);
        number->setObjectName(QStringLiteral("Enruser%1").arg(u));
    }
}

bool Save(QWidget &w, const QDir &folder, const QString &file)
{
    w.show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const QString path = folder.filePath(file);
    const bool ok = w.grab().save(path, "PNG");
    w.hide();
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialogshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    TModuleSettings settings;
    SetDefaultSettings(settings);
    settings.InputReaction(3, 1) = 0x0A; // output 1 on, siren
    settings.SpecialReaction(3, 2) = 0x24;
    settings.InputNotification(3, 1) = 0x43;
    settings.SpecialNotification(1, 1) = 0x05;

    QWidget main;
    AddUsers(&main);
    TFconfigNumberWeRe reaction(&main);
    TFConfigWorkWeRe notification(&main);
    TAboutBox about(&main);

    bool ok = true;
    QString next;
    SetModalRunner([&](QDialog &d) {
        ok = Save(d, folder, next) && ok;
        return int(QDialog::Rejected);
    });
    next = QStringLiteral("reaction-input.png");
    ReactionButtons::BB_ConfigNumerWe1Re1Click(QStringLiteral("BB_ConfigNumerWe3Re1"),
                                               QStringLiteral("ScrollBox1"), settings, reaction);
    next = QStringLiteral("reaction-special-slot.png");
    ReactionButtons::BB_ConfigNumerSpecWe1Re1Click(QStringLiteral("BB_ConfigNumerSpecWe3Re2"),
                                                   QStringLiteral("TabSheet4"), settings, reaction);
    next = QStringLiteral("notification-input.png");
    ReactionButtons::BBConfigWorkWe1Re1Click(QStringLiteral("BBConfigWorkWe3Re1"),
                                             QStringLiteral("ScrollBox1"), settings, notification, &main);
    next = QStringLiteral("notification-output.png");
    ReactionButtons::BBConfigWorkSpecWe1Re1Click(QStringLiteral("BBConfigWorkSpecWe1Re1"),
                                                 QStringLiteral("GroupBox11"), settings, notification, &main);
    next = QStringLiteral("about.png");
    ShowAboutBox(&about);
    SetModalRunner(nullptr);
    return ok ? 0 : 1;
}
