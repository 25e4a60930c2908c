// Saves pictures of the reaction dialogs and the About box for the
// documentation: dialogshots <folder>. The dialogs are opened from the real
// main window's buttons and menu. Renders offscreen unless told otherwise.
#include "About.h"
#include "ModalDialogs.h"
#include "TEdit.h"
#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"
#include "Uformagl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace
{

// The main window's user boxes, as an installer might have filled them.
void AddUsers(TGlownaF &main)
{
    const char *names[4] = {"Jan Kowalski", "Anna", "", "Serwis"};
    const char *numbers[4] = {"+48601000310", "+48602000000", "", "+48501200777"};
    for (int u = 1; u <= 4; ++u) {
        main.Control<TEdit>(QStringLiteral("Eosoba%1").arg(u))->setText(QString::fromUtf8(names[u - 1]));
        main.Control<TEdit>(QStringLiteral("Enruser%1").arg(u))->setText(QString::fromLatin1(numbers[u - 1]));
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

    TGlownaF main;
    FconfigNumberWeRe = new TFconfigNumberWeRe(&main);
    FConfigWorkWeRe = new TFConfigWorkWeRe(&main);
    AboutBox = new TAboutBox(&main);
    AddUsers(main);
    ModuleSettings.InputReaction(3, 1) = 0x0A; // output 1 on, siren
    ModuleSettings.SpecialReaction(3, 2) = 0x24;
    ModuleSettings.InputNotification(3, 1) = 0x43;
    ModuleSettings.SpecialNotification(1, 1) = 0x05;

    bool ok = true;
    QString next;
    SetModalRunner([&](QDialog &d) {
        ok = Save(d, folder, next) && ok;
        return int(QDialog::Rejected);
    });
    const struct {
        const char *file;
        const char *button;
    } shots[] = {
        {"reaction-input.png", "BB_ConfigNumerWe3Re1"},
        {"reaction-alarm-input.png", "BB_ConfigNumerSpecWe3Re2"},
        {"notification-input.png", "BBConfigWorkWe3Re1"},
        {"notification-output.png", "BBConfigWorkSpecWe1Re1"},
    };
    for (const auto &shot : shots) {
        next = QString::fromLatin1(shot.file);
        main.Control<QPushButton>(QString::fromLatin1(shot.button))->click();
    }
    next = QStringLiteral("about.png");
    main.Control<QAction>(QStringLiteral("Info"))->trigger();
    SetModalRunner(nullptr);
    return ok ? 0 : 1;
}
