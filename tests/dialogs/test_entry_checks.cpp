// Key filters, leave checks and SMS-centre presets, with real key events and
// focus changes on a small window laid out like the main window's boxes.
#include "EntryChecks.h"
#include "MessageBoxes.h"
#include "SmsCentres.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace EntryChecks;

namespace
{

class EntryWindow : public QWidget
{
  public:
    EntryWindow()
    {
        auto *layout = new QVBoxLayout(this);
        auto edit = [&](const char *name, int maxLength) {
            auto *e = new TEdit(this);
            e->setObjectName(QString::fromLatin1(name));
            e->setTypingLimit(maxLength);
            layout->addWidget(e);
            return e;
        };
        // In tab order, as on the pages.
        EPin = edit("EPin", 4);
        CBcentrum = new TComboBox(this);
        CBcentrum->setObjectName("CBcentrum");
        layout->addWidget(CBcentrum);
        Ecsms = edit("Ecsms", 0);
        EPINMOD = edit("EPINMOD", 4);
        Enruser1 = edit("Enruser1", 12);
        Enruser2 = edit("Enruser2", 12);
        EZalWy1 = edit("EZalWy1", 2);
        EwylWy1 = edit("EwylWy1", 2);
        EwylWy2 = edit("EwylWy2", 2);

        // Bound as the main window binds them.
        EPin->OnKeyPress = [](QObject *s, QChar &key) { EPinKeyPress(qobject_cast<QLineEdit *>(s), key); };
        Enruser1->OnKeyPress = [](QObject *s, QChar &key) {
            Enruser1KeyPress(qobject_cast<QLineEdit *>(s), key);
        };
        for (TEdit *e : {EPin, EPINMOD})
            e->OnExit = [](QObject *s) { EPinExit(qobject_cast<QLineEdit *>(s)); };
        for (TEdit *e : {EZalWy1, EwylWy1, EwylWy2})
            e->OnExit = [](QObject *s) { EZalWy1Exit(qobject_cast<QLineEdit *>(s)); };
        FillSmsCentres(CBcentrum);
        CBcentrum->OnChange = [this](QObject *) { CBcentrumChange(CBcentrum, Ecsms); };
    }

    TEdit *EPin, *Ecsms, *EPINMOD, *Enruser1, *Enruser2, *EZalWy1, *EwylWy1, *EwylWy2;
    TComboBox *CBcentrum;
};

} // namespace

class EntryChecksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntryWindow> window;
    QList<ShownMessage> messages;

    void focus(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }

    // Types into the box at the given caret position.
    void typeAt(QLineEdit *box, int caret, const QString &keys)
    {
        box->setCursorPosition(caret);
        QTest::keyClicks(box, keys);
    }

  private slots:
    void init()
    {
        messages.clear();
        SetMessageResponder([this](const ShownMessage &m) { messages << m; });
        window = std::make_unique<EntryWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        SetMessageResponder(nullptr);
    }

    void filterDigitKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QChar>("plus");
        QTest::addColumn<QChar>("minus");
        QTest::addColumn<QChar>("expected");
        const QChar none(0);
        QTest::newRow("backspace") << "+48" << 3 << QChar(8) << QChar('$') << QChar('$') << QChar(8);
        QTest::newRow("tab") << "" << 0 << QChar(9) << QChar('$') << QChar('$') << QChar(9);
        QTest::newRow("digit") << "12" << 2 << QChar('7') << QChar('+') << QChar('-') << QChar('7');
        QTest::newRow("plus at 0") << "" << 0 << QChar('+') << QChar('+') << QChar('-') << QChar('+');
        QTest::newRow("minus at 1") << "5" << 1 << QChar('-') << QChar('+') << QChar('-') << QChar('-');
        QTest::newRow("plus at 2") << "48" << 2 << QChar('+') << QChar('+') << QChar('-') << none;
        QTest::newRow("second plus") << "+4" << 0 << QChar('+') << QChar('+') << QChar('-') << none;
        QTest::newRow("minus after plus") << "+" << 1 << QChar('-') << QChar('+') << QChar('-') << none;
        QTest::newRow("plus forbidden") << "" << 0 << QChar('+') << QChar('$') << QChar('-') << none;
        QTest::newRow("minus forbidden") << "" << 0 << QChar('-') << QChar('+') << QChar('$') << none;
        QTest::newRow("letter") << "" << 0 << QChar('a') << QChar('+') << QChar('-') << none;
        QTest::newRow("blank") << "1" << 1 << QChar(' ') << QChar('+') << QChar('-') << none;
        QTest::newRow("ctrl+v") << "" << 0 << QChar(22) << QChar('+') << QChar('-') << none;
        QTest::newRow("enter") << "" << 0 << QChar(13) << QChar('+') << QChar('-') << none;
    }

    void filterDigitKey()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QChar, key);
        QFETCH(QChar, plus);
        QFETCH(QChar, minus);
        QFETCH(QChar, expected);
        QCOMPARE(FilterDigitKey(text, caret, key, plus, minus), expected);
    }

    void numberTypedKeyByKey()
    {
        focus(window->Enruser1);
        QTest::keyClicks(window->Enruser1, "+48601000310");
        QCOMPARE(window->Enruser1->text(), QString("+48601000310"));
        window->Enruser1->setTypingLimit(20);
        QTest::keyClicks(window->Enruser1, "+-x ");
        typeAt(window->Enruser1, 0, "+");
        typeAt(window->Enruser1, 1, "-");
        QCOMPARE(window->Enruser1->text(), QString("+48601000310"));
    }

    void signPositions_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("minus after one digit") << "5" << 1 << "-"
                                               << "5-";
        QTest::newRow("plus at 2 swallowed") << "48" << 2 << "+"
                                             << "48";
        QTest::newRow("plus at 0 before digits") << "48" << 0 << "+"
                                                 << "+48";
        QTest::newRow("letters swallowed") << "12" << 2 << "abc"
                                           << "12";
        QTest::newRow("blank restarts") << "12 34" << 5 << "5"
                                        << "5";
    }

    void signPositions()
    {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        focus(window->Enruser1);
        window->Enruser1->setText(start);
        typeAt(window->Enruser1, caret, keys);
        QCOMPARE(window->Enruser1->text(), expected);
    }

    void pinTakesDigitsOnly()
    {
        focus(window->EPin);
        for (int caret = 0; caret <= 2; ++caret) {
            window->EPin->setText("12");
            typeAt(window->EPin, caret, "+-a ");
            QCOMPARE(window->EPin->text(), QString("12"));
        }
        typeAt(window->EPin, 2, "34");
        QCOMPARE(window->EPin->text(), QString("1234"));
        QTest::keyClick(window->EPin, Qt::Key_Backspace);
        QCOMPARE(window->EPin->text(), QString("123"));
        // Keys that type nothing are not filtered.
        window->EPin->setCursorPosition(0);
        QTest::keyClick(window->EPin, Qt::Key_Delete);
        QTest::keyClick(window->EPin, Qt::Key_End);
        QTest::keyClick(window->EPin, Qt::Key_9);
        QCOMPARE(window->EPin->text(), QString("239"));
    }

    void enterMovesOnLikeTab_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("next");
        QTest::newRow("number") << "Enruser1"
                                << "Enruser2";
        QTest::newRow("pin") << "EPin"
                             << "CBcentrum";
    }

    void enterMovesOnLikeTab()
    {
        QFETCH(QString, box);
        QFETCH(QString, next);
        auto *edit = window->findChild<QLineEdit *>(box);
        focus(edit);
        edit->setText("1234");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString("1234"));
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now);
        // The combo box's text line holds the focus for the combo box.
        QVERIFY(now->objectName() == next || (now->parent() && now->parent()->objectName() == next));
        QVERIFY(messages.isEmpty());
    }

    void clipboardShortcutsSwallowed()
    {
        QApplication::clipboard()->setText("999");
        focus(window->Enruser2);
        QTest::keyClick(window->Enruser2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->Enruser2->text(), QString("999")); // unfiltered boxes paste

        for (QLineEdit *box : {window->Enruser1, window->EPin}) {
            focus(box);
            box->setText("12");
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), QString("12"));
            box->selectAll();
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(box->text(), QString("12"));
            QApplication::clipboard()->setText("kept");
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
        }
    }

    void leaveChecks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        const QString pin = "Kod pin musi mieć 4 znaki.";
        const QString code = "Sms sterujący musi mieć formę dwóch znaków";
        QTest::newRow("pin 3") << "EPin"
                               << "123" << pin;
        QTest::newRow("pin 1") << "EPin"
                               << "1" << pin;
        QTest::newRow("pin 4") << "EPin"
                               << "1234"
                               << "";
        QTest::newRow("pin empty") << "EPin"
                                   << ""
                                   << "";
        QTest::newRow("access code 3") << "EPINMOD"
                                       << "abc" << pin;
        QTest::newRow("access code 4") << "EPINMOD"
                                       << "abcd"
                                       << "";
        QTest::newRow("code 1") << "EwylWy2"
                                << "a" << code;
        QTest::newRow("code 2") << "EwylWy2"
                                << "ab"
                                << "";
        QTest::newRow("code empty") << "EZalWy1"
                                    << ""
                                    << "";
    }

    void leaveChecks()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        auto *edit = window->findChild<QLineEdit *>(box);
        focus(edit);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != edit);
        if (warning.isEmpty()) {
            QCoreApplication::processEvents();
            QVERIFY(messages.isEmpty());
            QVERIFY(QApplication::focusWidget() != edit);
            return;
        }
        QTRY_COMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QString("Uwaga"));
        QCOMPARE(messages[0].text, warning);
        QCOMPARE(messages[0].icon, QMessageBox::Warning);
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), text);
    }

    // Two half-filled boxes side by side: one warning, not an endless exchange.
    void focusReturnDoesNotCheckTheOtherBox()
    {
        window->EwylWy1->setText("b");
        focus(window->EZalWy1);
        window->EZalWy1->setText("a");
        QTest::keyClick(window->EZalWy1, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), window->EZalWy1);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), window->EZalWy1);
    }

    // Switching an option off disables its code box before the check runs.
    void disabledBoxIsNotChecked()
    {
        focus(window->EZalWy1);
        window->EZalWy1->setText("1");
        QTest::keyClick(window->EZalWy1, Qt::Key_Tab);
        window->EZalWy1->setEnabled(false);
        QCoreApplication::processEvents();
        QVERIFY(messages.isEmpty());
        QCOMPARE(QApplication::focusWidget(), window->EwylWy1);
    }

    void menusAndOtherWindowsAreNotLeaving()
    {
        focus(window->EPin);
        window->EPin->setText("12");
        QMenu menu(window.get());
        menu.addAction("Zapisz jako ...");
        menu.popup(window->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.close();

        // Another window whose own box takes the focus.
        QLineEdit other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), &other);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
        QVERIFY(messages.isEmpty());
        QCOMPARE(window->EPin->text(), QString("12"));
    }

    void presetsFilled()
    {
        QComboBox *cb = window->CBcentrum;
        QCOMPARE(cb->count(), 4);
        const QStringList names = {"PLUS", "ERA", "IDEA", "inne"};
        const QStringList numbers = {"+48601000310", "+48602951111", "+48501200777", ""};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(cb->itemText(i), names[i]);
            QCOMPARE(cb->itemData(i).toString(), numbers[i]);
            QCOMPARE(SmsCentrePresetIndex(numbers[i]), i);
        }
        QCOMPARE(SmsCentrePresetIndex("+48600000000"), OtherCentre);
        QCOMPARE(cb->currentIndex(), 0);
        CBcentrumChange(cb, window->Ecsms); // the start-up run
        QCOMPARE(window->Ecsms->text(), QString("+48601000310"));
    }

    void choosingPresets()
    {
        QComboBox *cb = window->CBcentrum;
        focus(cb);
        QTest::keyClick(cb, Qt::Key_Down);
        QCOMPARE(cb->currentIndex(), 1);
        QCOMPARE(window->Ecsms->text(), QString("+48602951111"));
        QTest::keyClick(cb, Qt::Key_Down);
        QTest::keyClick(cb, Qt::Key_Down);
        QCOMPARE(cb->currentText(), QString("inne"));
        QCOMPARE(window->Ecsms->text(), QString(""));
        // A choice made by the program runs nothing.
        cb->setCurrentIndex(2);
        QCOMPARE(window->Ecsms->text(), QString(""));
    }

    void typingIntoThePresetLine()
    {
        QComboBox *cb = window->CBcentrum;
        window->Ecsms->setText("+48777000111");
        focus(cb);
        cb->lineEdit()->selectAll();
        QTest::keyClicks(cb->lineEdit(), "Orange");
        QCOMPARE(cb->currentText(), QString("Orange"));
        QCOMPARE(window->Ecsms->text(), QString("+48777000111"));
        QTest::keyClick(cb->lineEdit(), Qt::Key_Return);
        QCOMPARE(cb->count(), 4);
        QCOMPARE(window->Ecsms->text(), QString("+48777000111"));
    }
};

QTEST_MAIN(EntryChecksTest)
#include "test_entry_checks.moc"
