// pelmor-screenshots OUTDIR: renders the main window, as the program draws it,
// once per settings page, into OUTDIR/page1.png ... page5.png.
#include "Uformagl.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmor"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: pelmor-screenshots OUTDIR\n";
        return 2;
    }
    const QDir out(args[1]);
    if (!out.exists() && !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }
    TGlownaF window;
    window.show();
    QApplication::processEvents();
    for (int page = 0; page < window.PageControl2->count(); ++page) {
        window.PageControl2->setCurrentIndex(page);
        QApplication::processEvents();
        const QString file = out.filePath(QStringLiteral("page%1.png").arg(page + 1));
        if (!window.grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << "\n";
            return 1;
        }
        QTextStream(stdout) << file << "\n";
    }
    return 0;
}
