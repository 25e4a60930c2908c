// Which page box runs which key and leave handler, through the real window:
// real key presses and real focus changes on every edit box of the pages,
// and the preset combo box. Boxes without handlers must do nothing at all.
#include "TComboBox.h"
#include "TEdit.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QtTest>

namespace
{

enum class KeyFilter { None, SignedDigits, Digits };
enum class LeaveCheck { None, Pin, Code };

const QString PinWarning = QStringLiteral("Kod pin musi mieć 4 znaki.");
const QString CodeWarning = QStringLiteral("Sms sterujący musi mieć formę dwóch znaków");

// Every visible edit box of the five pages.
QStringList pageEdits()
{
    QStringList names{"EPin", "Ecsms", "EPINMOD"};
    for (int u = 1; u <= 4; ++u)
        names << QStringLiteral("Enruser%1").arg(u) << QStringLiteral("Eosoba%1").arg(u);
    for (int i = 1; i <= 8; ++i)
        for (int r = 1; r <= 2; ++r)
            names << QStringLiteral("ETSMS_We%1_Re%2").arg(i).arg(r);
    for (int s : {1, 2, 3, 5})
        for (int r = 1; r <= 2; ++r)
            names << QStringLiteral("ETSpecSMS_We%1_Re%2").arg(s).arg(r);
    names += QStringList{"EZalWy1", "EwylWy1", "EZalWy2", "EwylWy2"};
    return names;
}

} // namespace

Q_DECLARE_METATYPE(KeyFilter)
Q_DECLARE_METATYPE(LeaveCheck)

class HandlerBindings : public QObject
{
    Q_OBJECT

    WindowFixture f;

    void showPageOf(QWidget *w)
    {
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
            if (p->parentWidget() && p->parentWidget()->parentWidget() == f.window->PageControl2)
                f.window->PageControl2->setCurrentWidget(p);
    }

    bool focus(QWidget *w)
    {
        showPageOf(w);
        w->setFocus(Qt::TabFocusReason);
        return QTest::qWaitFor([w] { return QApplication::focusWidget() == w; }, 2000);
    }

  private slots:
    void initTestCase()
    {
        qRegisterMetaType<KeyFilter>();
        qRegisterMetaType<LeaveCheck>();
        f.start();
        SetDefaultSettings();
        f.window->show();
        QApplication::setActiveWindow(f.window.get());
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        // The access code and the output codes are usable only with their options ticked.
        for (int b = 0; b <= 5; ++b)
            f.window->Control<QCheckBox>(QStringLiteral("ChBFlags_%1").arg(b))->setChecked(true);
    }

    void cleanupTestCase() { f.stop(); }

    // Each row starts from empty boxes, so a half-filled box left by a failed
    // row cannot pull the focus back in the next one.
    void init()
    {
        for (TEdit *e : f.window->PageControl2->findChildren<TEdit *>())
            e->setText(QString());
        QCoreApplication::processEvents();
        f.messages.clear();
    }

    // The list of boxes below is the whole set: no edit box of the pages is left out.
    void everyPageEditIsListed()
    {
        const QStringList listed = pageEdits();
        for (TEdit *e : f.window->PageControl2->findChildren<TEdit *>()) {
            if (e->isHidden())
                continue; // the never-shown texts of special slots 4 and 6
            QVERIFY2(listed.contains(e->objectName(), Qt::CaseInsensitive), qPrintable(e->objectName()));
        }
        const auto combos = f.window->PageControl2->findChildren<TComboBox *>();
        QCOMPARE(combos.size(), 1);
        QCOMPARE(combos.first()->objectName(), QString("CBcentrum"));
    }

    void editBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<KeyFilter>("filter");
        QTest::addColumn<LeaveCheck>("leave");
        for (const QString &name : pageEdits()) {
            KeyFilter filter = KeyFilter::None;
            LeaveCheck leave = LeaveCheck::None;
            if (name == "Enruser1")
                filter = KeyFilter::SignedDigits;
            else if (name == "EPin") {
                filter = KeyFilter::Digits;
                leave = LeaveCheck::Pin;
            } else if (name == "EPINMOD")
                leave = LeaveCheck::Pin;
            else if (name.startsWith("EZalWy") || name.startsWith("EwylWy"))
                leave = LeaveCheck::Code;
            QTest::newRow(qPrintable(name)) << name << filter << leave;
        }
    }

    void editBoxes()
    {
        QFETCH(QString, name);
        QFETCH(KeyFilter, filter);
        QFETCH(LeaveCheck, leave);
        TEdit *e = f.window->Control<TEdit>(name);
        QVERIFY(e);
        QVERIFY2(e->isEnabled(), "box disabled");
        e->setText(QString());
        QVERIFY(focus(e));

        // Key handler: a letter, a sign and a digit typed into an empty box.
        QTest::keyClicks(e, "a+1");
        const QString typed = filter == KeyFilter::SignedDigits ? "+1"
                              : filter == KeyFilter::Digits     ? "1"
                              : e->typingLimit() > 0            ? QString("a+1").left(e->typingLimit())
                                                                : QString("a+1");
        QCOMPARE(e->text(), typed);

        // Enter moves on only where a key handler says so, and types nothing.
        e->setText(QString());
        QTest::keyClick(e, Qt::Key_Return);
        QCoreApplication::processEvents(); // a leave check runs once the focus has settled
        QCOMPARE(e->text(), QString());
        if (filter == KeyFilter::None) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e));
        } else {
            QVERIFY(QApplication::focusWidget() != e);
            QVERIFY(focus(e));
        }
        QVERIFY(f.messages.isEmpty());

        // Leave handler: one character left in the box, then Tab.
        e->setText(QStringLiteral("7"));
        QTest::keyClick(e, Qt::Key_Tab);
        if (leave == LeaveCheck::None) {
            QVERIFY(QApplication::focusWidget() != e);
            QCoreApplication::processEvents();
            QVERIFY(f.messages.isEmpty());
        } else {
            QTRY_VERIFY(!f.messages.isEmpty());
            QCOMPARE(f.messages.size(), 1);
            QCOMPARE(f.messages[0].title, QString("Uwaga"));
            QCOMPARE(f.messages[0].text, leave == LeaveCheck::Pin ? PinWarning : CodeWarning);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e));
            QCOMPARE(e->text(), QString("7"));
            // Two characters: half a PIN, but a whole control code.
            f.messages.clear();
            e->setText(QStringLiteral("77"));
            QTest::keyClick(e, Qt::Key_Tab);
            if (leave == LeaveCheck::Pin) {
                QTRY_VERIFY(!f.messages.isEmpty());
                QCOMPARE(f.messages.size(), 1);
                QCOMPARE(f.messages[0].text, PinWarning);
                QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e));
            } else {
                QVERIFY(QApplication::focusWidget() != e);
                QCoreApplication::processEvents();
                QVERIFY(f.messages.isEmpty());
            }
        }
        // Leave the box empty, so that the next row's focus change passes silently.
        e->setText(QString());
    }

    // The preset box's change handler runs on the user's choice and fills the number.
    void presetCombo()
    {
        auto *centres = f.control<TComboBox>("CBcentrum");
        TEdit *number = f.control<TEdit>("Ecsms");
        number->setText(QStringLiteral("x"));
        QVERIFY(focus(centres));
        centres->setCurrentIndex(3); // the program's choice runs nothing
        QCOMPARE(number->text(), QString("x"));
        QTest::keyClick(centres, Qt::Key_Up);
        QCOMPARE(centres->currentText(), QString("IDEA"));
        QCOMPARE(number->text(), QString("+48501200777"));
        QTest::keyClick(centres, Qt::Key_Down);
        QCOMPARE(number->text(), QString());
        QVERIFY(f.messages.isEmpty());
    }
};

QTEST_MAIN(HandlerBindings)
#include "test_handler_bindings.moc"
