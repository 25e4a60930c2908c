#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

int offsetOf(const TModuleSettings &s, const void *field)
{
    return int(static_cast<const std::uint8_t *>(field) - s.data());
}

}  // namespace

TEST(Record, SizesOfTheThreeGlobals)
{
    EXPECT_EQ(sizeof(ModuleSettings), 1228u);
    EXPECT_EQ(sizeof(UserNotes), 1128u);
    EXPECT_EQ(sizeof(TUserNote), 282u);
    EXPECT_EQ(EepromImage.size(), 2048u);
}

TEST(Record, AccessorsReachTheDocumentedOffsets)
{
    TModuleSettings s{};
    struct Case {
        const char *what;
        const void *field;
        int offset;
    };
    const Case cases[] = {
        {"ReactionTime(1)", &s.ReactionTime(1), 0},
        {"ReactionTime(8)", &s.ReactionTime(8), 7},
        {"OutputOffTime(2)", &s.OutputOffTime(2), 9},
        {"CallingTime", &s.CallingTime, 10},
        {"Reserved13", &s.Reserved13, 13},
        {"LockoutTime(1)", &s.LockoutTime(1), 16},
        {"LockoutTime(8)", &s.LockoutTime(8), 23},
        {"ReportPeriod", &s.ReportPeriod, 24},
        {"OutputOnCode(2)", s.OutputOnCode(2), 27},
        {"OutputOffCode(1)", s.OutputOffCode(1), 29},
        {"OutputOffCode(2)", s.OutputOffCode(2), 31},
        {"SmsAccessCode", &s.SmsAccessCode, 33},
        {"ClipUserActions", &s.ClipUserActions, 38},
        {"Reserved40", &s.Reserved40, 40},
        {"InputReaction(1,1)", &s.InputReaction(1, 1), 41},
        {"InputReaction(1,2)", &s.InputReaction(1, 2), 42},
        {"InputReaction(8,2)", &s.InputReaction(8, 2), 56},
        {"InputNotification(1,1)", &s.InputNotification(1, 1), 57},
        {"InputNotification(8,2)", &s.InputNotification(8, 2), 72},
        {"SpecialReaction(1,1)", &s.SpecialReaction(1, 1), 73},
        {"SpecialReaction(5,2)", &s.SpecialReaction(5, 2), 82},
        {"SpecialReaction(7,1)", &s.SpecialReaction(7, 1), 85},
        {"SpecialNotification(1,1)", &s.SpecialNotification(1, 1), 89},
        {"SpecialNotification(6,2)", &s.SpecialNotification(6, 2), 100},
        {"SimPin", &s.SimPin, 101},
        {"SmsCentreNumber", &s.SmsCentreNumber, 109},
        {"UserNumber(1)", &s.UserNumber(1), 125},
        {"UserNumber(4)", &s.UserNumber(4), 173},
        {"InputSmsText(1,1)", &s.InputSmsText(1, 1), 189},
        {"InputSmsText(1,2)", &s.InputSmsText(1, 2), 226},
        {"InputSmsText(8,2)", &s.InputSmsText(8, 2), 189 + 74 * 7 + 37},
        {"SpecialSmsText(1,1)", &s.SpecialSmsText(1, 1), 781},
        {"SpecialSmsText(6,2)", &s.SpecialSmsText(6, 2), 1188},
        {"ArmingTime", &s.ArmingTime, 1225},
        {"SirenTime", &s.SirenTime, 1227},
    };
    for (const Case &c : cases)
        EXPECT_EQ(offsetOf(s, c.field), c.offset) << c.what;
    EXPECT_EQ(offsetOf(s, &s.SpecialSmsText(6, 2).Chars[35]), 1224);
}

TEST(Record, DefaultsOnAZeroedRecordWriteExactlyTheDefaultBytes)
{
    const TModuleSettings s = DefaultRecord();
    std::set<int> ones, reactions;
    for (int i = 0; i <= 7; ++i)
        ones.insert(i);
    for (int i = 16; i <= 23; ++i)
        ones.insert(i);
    for (int i = 1225; i <= 1227; ++i)
        ones.insert(i);
    for (int i = 41; i <= 56; ++i)
        reactions.insert(i);
    for (int i = 73; i <= 84; ++i)
        reactions.insert(i);
    for (int i = 0; i < 1228; ++i) {
        const int expected = ones.count(i) ? 1 : reactions.count(i) ? 0x80 : 0;
        EXPECT_EQ(s.data()[i], expected) << "byte " << i;
    }
}

TEST(Record, DefaultsLeaveUntouchedBytesAlone)
{
    TModuleSettings s;
    std::memset(&s, 0x5A, sizeof s);
    s.SmsCentreNumber.setText(QStringLiteral("+48602951111"));
    SetDefaultSettings(s);
    EXPECT_EQ(s.SmsCentreNumber.text(), QStringLiteral("+48602951111"));
    for (int u = 1; u <= 4; ++u) {
        EXPECT_EQ(s.UserNumber(u).Length, 0);
        EXPECT_EQ(s.UserNumber(u).Chars[0], 0x5A) << "tails are not cleared";
    }
    for (int i : {8, 9, 10, 11, 12, 13, 14, 15, 24, 38, 39, 40, 85, 86, 87, 88})
        EXPECT_EQ(s.data()[i], 0x5A) << "byte " << i;
    EXPECT_EQ(s.SpecialReaction(7, 1), 0x5A);
}

TEST(ShortString, WritesLengthAndNewCharactersOnlyAndCutsToCapacity)
{
    TModuleSettings s{};
    s.InputSmsText(1, 1).setText(QString(40, QLatin1Char('x')));
    EXPECT_EQ(s.data()[189], 36);
    EXPECT_EQ(s.InputSmsText(1, 1).text(), QString(36, QLatin1Char('x')));
    EXPECT_EQ(s.data()[226], 0) << "the next string is untouched";

    s.InputSmsText(1, 1).setText(QStringLiteral("abc"));
    EXPECT_EQ(s.InputSmsText(1, 1).Length, 3);
    EXPECT_EQ(s.InputSmsText(1, 1).Chars[3], 'x') << "the tail keeps its old bytes";
}

TEST(ShortString, ALengthAboveCapacityReadsAsTheCapacity)
{
    TModuleSettings s{};
    s.SimPin.Length = 200;
    EXPECT_EQ(s.SimPin.bytes().size(), 7);
    ClampLengths(s);
    EXPECT_EQ(s.SimPin.Length, 7);
}

TEST(CodePage1250, PolishTextsRoundTripAndForeignCharactersBecomeQuestionMarks)
{
    struct Case {
        QString text;
        QByteArray bytes;
        QString back;
    };
    const Case cases[] = {
        {QStringLiteral("Zażółć gęślą jaźń"), QByteArray("Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1"),
         QStringLiteral("Zażółć gęślą jaźń")},
        {QStringLiteral("ŁĄŚŹŻĆŃÓĘ"), QByteArray("\xa3\xa5\x8c\x8f\xaf\xc6\xd1\xd3\xca"),
         QStringLiteral("ŁĄŚŹŻĆŃÓĘ")},
        {QStringLiteral("€ 5"), QByteArray("\x80 5"), QStringLiteral("€ 5")},
        {QStringLiteral("a中b"), QByteArray("a?b"), QStringLiteral("a?b")},
        {QString::fromUtf8("x\xF0\x9F\x98\x80y"), QByteArray("x?y"), QStringLiteral("x?y")},
        {QStringLiteral("line1\r\nline2"), QByteArray("line1\r\nline2"), QStringLiteral("line1\r\nline2")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ToCp1250(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(FromCp1250(c.bytes), c.back) << c.text.toStdString();
    }
}

TEST(CodePage1250, TextIsCutByBytesAfterConversion)
{
    TUserNote note{};
    note.Name.setText(QString(45, QChar(0x0105)));  // 45 x "ą"
    EXPECT_EQ(note.Name.Length, 30);
    EXPECT_EQ(note.Name.text(), QString(30, QChar(0x0105)));
}
