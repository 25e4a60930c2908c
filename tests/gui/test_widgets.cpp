// The adapted controls behave as the window's logic expects.
#include "GuiFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{
// A focused window with a spin edit and a second control to move to.
struct TSpinFixture {
    QWidget host;
    TSpinEdit *spinEdit = new TSpinEdit(&host);
    QLineEdit *other = new QLineEdit(&host);
    explicit TSpinFixture(int minimum, int maximum, int limit)
    {
        spinEdit->setRange(minimum, maximum);
        spinEdit->setTypingLimit(limit);
        other->move(0, 40);
        host.show();
        QApplication::setActiveWindow(&host);
        spinEdit->setFocus();
    }
    void type(const QString &text)
    {
        spinEdit->lineEdit()->selectAll();
        QTest::keyClick(spinEdit, Qt::Key_Delete);
        QTest::keyClicks(spinEdit, text);
    }
    void leave() { other->setFocus(Qt::TabFocusReason); }
};
} // namespace

TEST(SpinEdit, TypedTextAndLeaving)
{
    struct TCase {
        int minimum, maximum, limit;
        QString typed, shownWhileTyping, shownAfterLeaving;
    };
    const TCase cases[] = {
        {1, 24, 2, "12", "12", "12"},       {1, 24, 2, "99", "99", "24"}, // above the range: the upper bound
        {10, 255, 3, "5", "5", "10"},                                     // below: the lower bound
        {1, 255, 3, "", "", "1"},                                         // empty: the minimum
        {1, 255, 3, "1a2-+", "12", "12"},                                 // only digits get through
        {1, 255, 3, "12345", "123", "123"},                               // typing stops at the limit
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        TSpinFixture f(c.minimum, c.maximum, c.limit);
        f.type(c.typed);
        EXPECT_EQ(f.spinEdit->text(), c.shownWhileTyping);
        f.leave();
        EXPECT_EQ(f.spinEdit->text(), c.shownAfterLeaving);
    }
}

TEST(SpinEdit, ProgramValuesBroughtIntoRange)
{
    TSpinEdit spinEdit;
    spinEdit.setRange(1, 240);
    spinEdit.setValue(0);
    EXPECT_EQ(spinEdit.value(), 1);
    spinEdit.setValue(255);
    EXPECT_EQ(spinEdit.text(), "240");
    spinEdit.setValue(7);
    spinEdit.stepBy(1);
    EXPECT_EQ(spinEdit.value(), 8);
    spinEdit.setValue(240);
    spinEdit.stepBy(1);
    EXPECT_EQ(spinEdit.value(), 240);
}

TEST(SpinEdit, EnterIsRefused)
{
    TSpinFixture f(1, 255, 3);
    f.type("42");
    QTest::keyClick(f.spinEdit, Qt::Key_Return);
    EXPECT_EQ(f.spinEdit->text(), "42");
    EXPECT_TRUE(f.spinEdit->hasFocus());
}

TEST(Edit, TypingLimitStopsTypingOnly)
{
    QWidget host;
    auto *e = new TEdit(&host);
    e->setTypingLimit(4);
    host.show();
    QApplication::setActiveWindow(&host);
    e->setFocus();
    QTest::keyClicks(e, "123456");
    EXPECT_EQ(e->text(), "1234");
    e->setText("abcdefgh");
    EXPECT_EQ(e->text(), "abcdefgh");
    e->end(false);
    QTest::keyClicks(e, "x");
    EXPECT_EQ(e->text(), "abcdefgh");
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), "abcdefg");
}

TEST(Edit, KeyHookCanSwallowOrReplace)
{
    QWidget host;
    auto *e = new TEdit(&host);
    e->OnKeyPress = [](QObject *, QChar &key) {
        if (key == 'x')
            key = QChar(0);
        else if (key == 'y')
            key = 'z';
    };
    host.show();
    QApplication::setActiveWindow(&host);
    e->setFocus();
    QTest::keyClicks(e, "axyb");
    EXPECT_EQ(e->text(), "azb");
}

TEST(Memo, LineBreaksStoredAsCrLf)
{
    TMemo m;
    m.setStoredText(QStringLiteral("one\r\ntwo\r\n\r\nfour\u00a0"));
    EXPECT_EQ(m.toPlainText().count('\n'), 3);
    EXPECT_EQ(m.storedText(), QStringLiteral("one\r\ntwo\r\n\r\nfour\u00a0"));
}

TEST(Memo, UntouchedTextGoesBackExactlyEditedTextGetsCrLf)
{
    struct TCase {
        QString stored;
        QString typedAtEnd;  // empty: the user leaves the memo alone
        QString collected;
    };
    const TCase cases[] = {
        {QStringLiteral("lone\nLF and lone\rCR"), QString(), QStringLiteral("lone\nLF and lone\rCR")},
        {QStringLiteral("a\r\nb"), QString(), QStringLiteral("a\r\nb")},
        {QStringLiteral("lone\nLF"), QStringLiteral("!"), QStringLiteral("lone\r\nLF!")},
        {QStringLiteral("a\r\nb"), QStringLiteral("\nc"), QStringLiteral("a\r\nb\r\nc")},
    };
    for (const TCase &c : cases) {
        TMemo m;
        m.setStoredText(c.stored);
        if (!c.typedAtEnd.isEmpty()) {
            m.moveCursor(QTextCursor::End);
            m.insertPlainText(c.typedAtEnd);
        }
        EXPECT_EQ(m.storedText(), c.collected) << c.stored.toStdString();
    }
}

TEST_F(GuiTest, CheckBoxHandlerRunsOnEveryChangeOnly)
{
    // ChBFlags_2 governs SEWy_offTimer1: its handler's effect shows whether it ran.
    QCheckBox *flag = box("ChBFlags_2");
    TSpinEdit *offTime = spin("SEWy_offTimer1");
    flag->setChecked(true);
    EXPECT_TRUE(offTime->isEnabled());
    offTime->setEnabled(false);
    flag->setChecked(true); // no change: no handler
    EXPECT_FALSE(offTime->isEnabled());
    flag->setChecked(false);
    flag->setChecked(true);
    EXPECT_TRUE(offTime->isEnabled());
}

TEST(Edit, ExitHookRunsWhenTheFocusMovesToAnotherControl)
{
    QWidget host;
    auto *e = new TEdit(&host);
    auto *other = new QLineEdit(&host);
    other->move(0, 40);
    int exits = 0;
    e->OnExit = [&exits](QObject *) { ++exits; };
    host.show();
    QApplication::setActiveWindow(&host);
    e->setFocus();
    other->setFocus(Qt::TabFocusReason);
    // The check runs once the focus change is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return exits == 1; }));
    e->setFocus();
    QFocusEvent windowLost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(e, &windowLost);
    QFocusEvent menuOpened(QEvent::FocusOut, Qt::MenuBarFocusReason);
    QApplication::sendEvent(e, &menuOpened);
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 1);
}

TEST(ComboBox, ChangeHookRunsForTheUserOnly)
{
    QWidget host;
    auto *combo = new TComboBox(&host);
    combo->addItems({"PLUS", "ERA", "IDEA", "inne"});
    int changes = 0;
    combo->OnChange = [&changes](QObject *) { ++changes; };
    host.show();
    QApplication::setActiveWindow(&host);
    combo->setFocus();

    combo->setCurrentIndex(2); // the program's choice
    combo->setEditText("abc");
    EXPECT_EQ(changes, 0);

    QTest::keyClick(combo, Qt::Key_Down); // the user's choice
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(changes, 1);
    QTest::keyClicks(combo, "x"); // typing
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(combo->count(), 4);
    QTest::keyClick(combo, Qt::Key_Return); // Enter adds nothing to the list
    EXPECT_EQ(combo->count(), 4);
}
