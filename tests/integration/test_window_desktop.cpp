// The port of a run is remembered for the next start, through the real window
// against tervala-sim; a run that never started leaves the remembered port
// as it was. (Which remembered port the next start chooses: tests/gui.)
#include "ModuleLink.h"
#include "SimProcess.h"
#include "UserFolders.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class WindowDesktop : public QObject
{
    Q_OBJECT
    WindowFixture f;

  private slots:
    void initTestCase() { IsolateUserFolders(); }
    void init()
    {
        QSettings().clear();
        f.start();
    }
    void cleanup() { f.stop(); }

    void portOfAStartedRunIsRememberedForTheNextStart()
    {
        SimProcess sim({"--eeprom", f.dir.filePath("module.eeprom")});
        QVERIFY(!sim.path().isEmpty());
        f.window->CBcom->setEditText(sim.path());
        QSignalSpy finished(f.window->Link.get(), &TModuleLink::SequenceFinished);
        QTest::mouseClick(f.window->BBload, Qt::LeftButton);
        QCOMPARE(QSettings().value("Okno/Port").toString(), sim.path());
        QVERIFY(finished.wait(20000));

        // A run whose port cannot open does not replace it.
        f.window->CBcom->setEditText(f.dir.filePath("no-such-port"));
        QTest::mouseClick(f.window->BBload, Qt::LeftButton);
        QCOMPARE(QSettings().value("Okno/Port").toString(), sim.path());
    }
};

QTEST_MAIN(WindowDesktop)
#include "test_window_desktop.moc"
