#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEepromImage encode(const TModuleSettings &s)
{
    TEepromImage image;
    image.fill(0x33);  // encoding must clear whatever was there
    SettingsToEeprom(s, image);
    return image;
}

QByteArray slot(const TEepromImage &image, int offset, int size)
{
    return RawBytes(&image[offset], size);
}

}  // namespace

TEST(Codec, DefaultRecordEncodesToTheKnownImage)
{
    const TEepromImage image = encode(DefaultRecord());
    std::set<int> ones;
    for (int i = 2; i <= 9; ++i)
        ones.insert(i);
    for (int i = 18; i <= 25; ++i)
        ones.insert(i);
    for (int i = 1190; i <= 1192; ++i)
        ones.insert(i);
    for (int i = 0; i < 2048; ++i) {
        int expected = 0;
        if (i == 0 || i == 1)
            expected = 0xFF;
        else if (ones.count(i))
            expected = 1;
        else if (i == 12)
            expected = 15;
        else if (i == 41)
            expected = 0xE0;
        else if (i >= 43 && i <= 97 && i % 2 == 1)
            expected = 0x80;
        EXPECT_EQ(image[i], expected) << "image byte " << i;
    }
}

TEST(Codec, CallingTimeIsShiftedBy15Modulo256)
{
    TModuleSettings s = DefaultRecord();
    s.CallingTime = 240;
    EXPECT_EQ(encode(s)[12], 255);
    s.CallingTime = 250;
    EXPECT_EQ(encode(s)[12], 9);

    TEepromImage image{};
    image[12] = 10;
    EepromToSettings(image, s);
    EXPECT_EQ(s.CallingTime, 251);
}

TEST(Codec, SmsAttemptsGoesOutTwiceAndComesBackFromTheSecondCopy)
{
    TModuleSettings s = DefaultRecord();
    s.SmsAttempts = 7;
    const TEepromImage image = encode(s);
    EXPECT_EQ(image[16], 7);
    EXPECT_EQ(image[17], 7);

    TEepromImage other{};
    other[16] = 3;
    other[17] = 9;
    EepromToSettings(other, s);
    EXPECT_EQ(s.SmsAttempts, 9);
}

TEST(Codec, ChecksumIsTheInvertedSumOfBytes2To40)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        const TEepromImage image = encode(RandomRecord(rng));
        std::uint8_t sum = 0;
        for (int i = 2; i <= 40; ++i)
            sum = std::uint8_t(sum + image[i]);
        EXPECT_EQ(image[41], std::uint8_t(255 - sum));
    }
}

// The checker agrees with every encoded image and catches a change of any
// covered byte, of the checksum byte itself, and a stream shifted by one.
TEST(Codec, ChecksumCheckCatchesDamageToTheFirstBlock)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        const TEepromImage image = encode(RandomRecord(rng));
        EXPECT_EQ(EepromChecksum(image), image[EepromLayout::Checksum]);
        EXPECT_TRUE(EepromChecksumMatches(image));
        for (int i = EepromLayout::ChecksumFirst; i <= EepromLayout::Checksum; ++i) {
            TEepromImage damaged = image;
            damaged[i] ^= std::uint8_t(1u << (rng() % 8));
            EXPECT_FALSE(EepromChecksumMatches(damaged)) << "byte " << i;
        }
        // Bytes outside 2..41 are not covered.
        TEepromImage outside = image;
        outside[0] ^= 0x01;
        outside[500] ^= 0x40;
        EXPECT_TRUE(EepromChecksumMatches(outside));
    }
    TEepromImage shifted = encode(DefaultRecord());
    std::rotate(shifted.begin(), shifted.begin() + 1, shifted.end());
    EXPECT_FALSE(EepromChecksumMatches(shifted));
    TEepromImage zeros{};
    EXPECT_FALSE(EepromChecksumMatches(zeros)); // an empty EEPROM is no settings block
}

TEST(Codec, PairBlocksPutNotificationBeforeReaction)
{
    TModuleSettings s = DefaultRecord();
    s.InputNotification(1, 1) = 0x11;
    s.InputReaction(1, 1) = 0x21;
    s.InputNotification(1, 2) = 0x12;
    s.InputReaction(1, 2) = 0x22;
    s.InputReaction(8, 2) = 0x28;
    s.SpecialNotification(1, 1) = 0x31;
    s.SpecialNotification(6, 2) = 0x46;
    s.SpecialReaction(6, 2) = 0x56;
    const TEepromImage image = encode(s);
    EXPECT_EQ(image[42], 0x11);
    EXPECT_EQ(image[43], 0x21);
    EXPECT_EQ(image[58], 0x12);
    EXPECT_EQ(image[59], 0x22);
    EXPECT_EQ(image[73], 0x28);
    EXPECT_EQ(image[74], 0x31);
    EXPECT_EQ(image[96], 0x46);
    EXPECT_EQ(image[97], 0x56);
}

TEST(Codec, QuotedNumbersAndPin)
{
    TModuleSettings s = DefaultRecord();
    s.UserNumber(1).setText(QStringLiteral("+48123456789"));  // 12 characters
    s.UserNumber(3).setText(QStringLiteral("+4860"));
    s.SimPin.setText(QStringLiteral("1234"));
    const TEepromImage image = encode(s);
    EXPECT_EQ(slot(image, 120, 15), QByteArray("\"+48123456789\"\0", 15));
    EXPECT_EQ(slot(image, 135, 15), QByteArray(15, '\0')) << "empty number: slot all 0";
    EXPECT_EQ(slot(image, 150, 15), QByteArray("\"+4860\"\0\0\0\0\0\0\0\0", 15));
    EXPECT_EQ(slot(image, 98, 7), QByteArray("\"1234\"\0", 7));

    TModuleSettings back = DefaultRecord();
    EepromToSettings(image, back);
    EXPECT_EQ(back.UserNumber(1).text(), QStringLiteral("+48123456789"));
    EXPECT_EQ(back.UserNumber(2).Length, 0);
    EXPECT_EQ(back.UserNumber(3).text(), QStringLiteral("+4860"));
    EXPECT_EQ(back.SimPin.text(), QStringLiteral("1234"));
}

TEST(Codec, EmptyPinLeavesItsFieldZeroAndDecodesEmpty)
{
    TModuleSettings s = DefaultRecord();
    std::memcpy(s.SimPin.Chars, "9876", 4);  // old characters behind an empty PIN
    const TEepromImage image = encode(s);
    EXPECT_EQ(slot(image, 98, 7), QByteArray(7, '\0'));
    EepromToSettings(image, s);
    EXPECT_EQ(s.SimPin.Length, 0);
}

TEST(Codec, AccessCodeIsAFixedFourCharacterField)
{
    TModuleSettings s = DefaultRecord();
    EXPECT_EQ(slot(encode(s), 35, 4), QByteArray(4, '\0'));
    EepromToSettings(encode(s), s);
    EXPECT_EQ(s.SmsAccessCode.Length, 4);
    EXPECT_EQ(s.SmsAccessCode.bytes(), QByteArray(4, '\0'));

    s.SmsAccessCode.setText(QStringLiteral("ab12"));
    EXPECT_EQ(slot(encode(s), 35, 4), QByteArray("ab12"));
}

TEST(Codec, A36CharacterTextFillsItsSlotAndDecodesAlone)
{
    TModuleSettings s = DefaultRecord();
    s.InputSmsText(1, 1).setText(QString(36, QLatin1Char('A')));
    s.InputSmsText(2, 1).setText(QStringLiteral("next"));
    const TEepromImage image = encode(s);
    EXPECT_EQ(slot(image, 180, 36), QByteArray(36, 'A'));
    EXPECT_EQ(slot(image, 216, 4), QByteArray("next"));

    TModuleSettings back = DefaultRecord();
    EepromToSettings(image, back);
    EXPECT_EQ(back.InputSmsText(1, 1).text(), QString(36, QLatin1Char('A')));
    EXPECT_EQ(back.InputSmsText(2, 1).text(), QStringLiteral("next"));
}

TEST(Codec, TextSlotsOfEveryInputAndSpecialSlot)
{
    TModuleSettings s = DefaultRecord();
    for (int n = 1; n <= 8; ++n)
        for (int r = 1; r <= 2; ++r)
            s.InputSmsText(n, r).setText(QStringLiteral("i%1r%2").arg(n).arg(r));
    for (int sl = 1; sl <= 6; ++sl)
        for (int r = 1; r <= 2; ++r)
            s.SpecialSmsText(sl, r).setText(QStringLiteral("s%1r%2").arg(sl).arg(r));
    const TEepromImage image = encode(s);
    EXPECT_EQ(slot(image, 144 + 36 * 8, 5), QByteArray("i8r1\0", 5));
    EXPECT_EQ(slot(image, 432 + 36 * 1, 5), QByteArray("i1r2\0", 5));
    EXPECT_EQ(slot(image, 720 + 36 * 3, 5), QByteArray("s3r1\0", 5));
    EXPECT_EQ(slot(image, 936 + 36 * 6, 5), QByteArray("s6r2\0", 5));
    EXPECT_EQ(image[1188], 0);
}

TEST(Codec, DecodingANumberStopsAtAQuoteAndAtTheEndOfItsSlot)
{
    TEepromImage image{};
    std::memcpy(&image[120], "\"+48\"12\"", 8);
    // User 2's slot opens with a quote and never closes it before user 3's slot.
    image[135] = '"';
    std::memset(&image[136], '7', 14);
    std::memcpy(&image[150], "\"999\"", 5);
    TModuleSettings s = DefaultRecord();
    EepromToSettings(image, s);
    EXPECT_EQ(s.UserNumber(1).text(), QStringLiteral("+48"));
    EXPECT_EQ(s.UserNumber(2).text(), QString(14, QLatin1Char('7')));
    EXPECT_EQ(s.UserNumber(3).text(), QStringLiteral("999"));
    EXPECT_EQ(s.SmsCentreNumber.Length, 0) << "a slot without its opening quote holds no number";
}

TEST(Codec, AnOverlongNumberNeverSpillsIntoTheNextSlot)
{
    TModuleSettings s = DefaultRecord();
    s.SmsCentreNumber.setText(QStringLiteral("+4812345678901"));  // 14: more than the slot holds
    s.UserNumber(1).setText(QStringLiteral("+481"));
    EXPECT_FALSE(NumbersFitImageSlots(s));
    const TEepromImage image = encode(s);
    EXPECT_EQ(slot(image, 120, 7), QByteArray("\"+481\"\0", 7));
    s.SmsCentreNumber.setText(QStringLiteral("+48123456789"));
    EXPECT_TRUE(NumbersFitImageSlots(s));
}

TEST(Codec, DecodingLeavesWhatTheImageDoesNotHold)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 50; ++round) {
        TModuleSettings before = RandomRecord(rng);
        TEepromImage image;
        for (auto &b : image)
            b = std::uint8_t(rng());
        TModuleSettings after = before;
        EepromToSettings(image, after);
        EXPECT_EQ(after.Reserved13, before.Reserved13);
        EXPECT_EQ(after.Reserved40, before.Reserved40);
        for (int i = 85; i <= 88; ++i)
            EXPECT_EQ(after.data()[i], before.data()[i]);
        // Characters beyond every new length keep their old values.
        for (int n = 1; n <= 8; ++n) {
            const auto &t = after.InputSmsText(n, 2);
            for (int i = t.Length; i < 36; ++i)
                EXPECT_EQ(t.Chars[i], before.InputSmsText(n, 2).Chars[i]);
        }
        for (int i = 4; i < 7; ++i)
            EXPECT_EQ(after.SimPin.Chars[i], before.SimPin.Chars[i]);
    }
}

TEST(Codec, RoundTripGivesBackTheRecord)
{
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        TModuleSettings s = RandomRecord(rng);
        // What the window can produce: numbers of at most 12 characters
        // without quotes, texts without NUL bytes, PIN of 0 or 4 characters.
        auto clean = [&](auto &str, int maxLen) {
            str.Length = std::uint8_t(std::min<int>(str.Length, maxLen));
            for (int i = 0; i < str.Length; ++i)
                if (str.Chars[i] == '"' || str.Chars[i] == 0)
                    str.Chars[i] = 'x';
        };
        clean(s.SmsCentreNumber, 12);
        for (auto &n : s.UserNumbers)
            clean(n, 12);
        for (auto &t : s.InputSmsTexts)
            clean(t, 36);
        for (auto &t : s.SpecialSmsTexts)
            clean(t, 36);
        s.SimPin.Length = (round % 2) ? 4 : 0;

        TModuleSettings expected = s;
        expected.SmsAccessCode.Length = 4;

        TModuleSettings back;
        std::memset(&back, 0, sizeof back);
        // Bytes with no place in the image keep what the target held.
        back.Reserved13 = s.Reserved13;
        back.Reserved40 = s.Reserved40;
        std::memcpy(back.SpecialReactions + 12, s.SpecialReactions + 12, 4);
        auto copyTails = [](auto &to, const auto &from) { std::memcpy(to.Chars, from.Chars, sizeof to.Chars); };
        copyTails(back.SmsAccessCode, s.SmsAccessCode);
        copyTails(back.SimPin, s.SimPin);
        copyTails(back.SmsCentreNumber, s.SmsCentreNumber);
        for (int i = 0; i < 4; ++i)
            copyTails(back.UserNumbers[i], s.UserNumbers[i]);
        for (int i = 0; i < 16; ++i)
            copyTails(back.InputSmsTexts[i], s.InputSmsTexts[i]);
        for (int i = 0; i < 12; ++i)
            copyTails(back.SpecialSmsTexts[i], s.SpecialSmsTexts[i]);
        // An empty PIN decodes to length 0 and takes no characters.
        EepromToSettings(encode(s), back);
        ASSERT_EQ(RawRecord(back), RawRecord(expected)) << "round " << round;
    }
}

TEST(Codec, GlobalRoutinesWorkOnTheGlobals)
{
    std::memset(&ModuleSettings, 0, sizeof ModuleSettings);
    SetDefaultSettings();
    ModuleSettings.ArmingTime = 42;
    SettingsToEeprom();
    EXPECT_EQ(EepromImage[1190], 42);
    EXPECT_EQ(EepromImage[0], 0xFF);
    ModuleSettings.ArmingTime = 1;
    EepromToSettings();
    EXPECT_EQ(ModuleSettings.ArmingTime, 42);
    ClearEepromImage();
    EXPECT_EQ(EepromImage, TEepromImage{});
}
