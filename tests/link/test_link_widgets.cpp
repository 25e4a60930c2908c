// The link on real widgets (offscreen): the message list, the buttons and
// the cursor through a whole run, a read-back and a port that cannot open.
#include "LinkTexts.h"
#include "MessageBoxes.h"
#include "ModuleLink.h"
#include "SimProcess.h"
#include "WidgetLinkView.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TLinkEnd)

class LinkWidgets : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QWidget window_;
    QListWidget *list_ = new QListWidget(&window_);
    QPushButton *program_ = new QPushButton(QStringLiteral("programuj"), &window_);
    QPushButton *load_ = new QPushButton(QStringLiteral("Odczyt ustawień."), &window_);
    QList<ShownMessage> boxes_;

    TModuleSettings settings()
    {
        TModuleSettings s{};
        SetDefaultSettings(s);
        return s;
    }

  private slots:
    void initTestCase()
    {
        qRegisterMetaType<TLinkEnd>();
        SetMessageResponder([this](const ShownMessage &m) { boxes_ << m; });
    }
    void cleanupTestCase() { SetMessageResponder({}); }

    void init()
    {
        list_->clear();
        boxes_.clear();
        for (int i = 1; i <= 6; ++i)
            list_->addItem(QStringLiteral("starsza linia %1").arg(i));
    }

    void programmingRunOnWidgets()
    {
        SimProcess sim({"--eeprom", dir_.filePath("w.eeprom")});
        TWidgetLinkView view(list_, program_, load_, &window_);
        TEepromImage image{};
        TModuleLink link(view, image);
        QSignalSpy spy(&link, &TModuleLink::SequenceFinished);
        QVERIFY(link.StartProgramming(sim.path(), settings()));
        QVERIFY(!program_->isEnabled());
        QVERIFY(!load_->isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.first().first().value<TLinkEnd>(), TLinkEnd::Programmed);
        QVERIFY(program_->isEnabled());
        QVERIFY(load_->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        // Six old lines + three of the run, kept at seven.
        QCOMPARE(list_->count(), 7);
        QCOMPARE(list_->item(4)->text(), LinkText::ProgrammingStarted);
        QCOMPARE(list_->item(5)->text(), "Postęp: 100% " + QString(52, '#'));
        QCOMPARE(list_->item(6)->text(), LinkText::ProgrammingDone);
    }

    void readBackCallsTheRefill()
    {
        SimProcess sim({"--eeprom", dir_.filePath("w.eeprom")});
        TWidgetLinkView view(list_, program_, load_, &window_);
        int refills = 0;
        view.OnImageReceived = [&] { ++refills; };
        TEepromImage image{};
        TModuleLink link(view, image);
        QSignalSpy spy(&link, &TModuleLink::SequenceFinished);
        QVERIFY(link.StartReadBack(sim.path()));
        QVERIFY(spy.wait(5000));
        QCOMPARE(refills, 1);
        QCOMPARE(list_->item(list_->count() - 1)->text(), LinkText::ReadBackDone);
        QVERIFY(program_->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void portThatCannotOpenGivesEverythingBack()
    {
        TWidgetLinkView view(list_, program_, load_, &window_);
        TEepromImage image{};
        TModuleLink link(view, image);
        QVERIFY(!link.StartProgramming(QStringLiteral("/dev/no-such-tervala"), settings()));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_.first().icon, QMessageBox::Critical);
        QVERIFY(boxes_.first().text.contains(QStringLiteral("/dev/no-such-tervala")));
        QVERIFY(program_->isEnabled());
        QVERIFY(load_->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!link.Timer1().Enabled());
    }

    void portInUseCannotOpenTwice()
    {
        SimProcess sim({"--eeprom", dir_.filePath("busy.eeprom")});
        TWidgetLinkView view(list_, program_, load_, &window_);
        TEepromImage image{};
        TModuleLink first(view, image), second(view, image);
        QVERIFY(first.StartReadBack(sim.path()));
        QVERIFY(!second.StartReadBack(sim.path()));
        QCOMPARE(boxes_.size(), 1);
        QSignalSpy spy(&first, &TModuleLink::SequenceFinished);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.first().first().value<TLinkEnd>(), TLinkEnd::ReadBack);
    }
};

QTEST_MAIN(LinkWidgets)
#include "test_link_widgets.moc"
