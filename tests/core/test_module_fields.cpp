// The table of the module's fields: where each sits in the image, its name,
// and the field-by-field comparison of two records built on it.
#include "ModuleBackup.h"
#include "ModuleFields.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QSet>

#include <random>

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '"' << list.join(QStringLiteral("\", \"")).toStdString() << '"';
}

namespace
{

// Settings the window could program: numbers that fit their image slots.
TModuleSettings programmableRecord(std::mt19937 &rng)
{
    TModuleSettings s = RandomRecord(rng);
    s.SmsCentreNumber.setText(QStringLiteral("+48602951111"));
    for (int u = 1; u <= 4; ++u)
        s.UserNumber(u).setText(QStringLiteral("+4860010020%1").arg(u));
    s.SimPin.setText(QStringLiteral("1234"));
    // A text ends at its first 0 in the image: the window never types one.
    auto noNul = [](TShortString36 &text) {
        for (int i = 0; i < text.size(); ++i)
            if (text.Chars[i] == 0)
                text.Chars[i] = 'x';
    };
    for (auto &text : s.InputSmsTexts)
        noNul(text);
    for (auto &text : s.SpecialSmsTexts)
        noNul(text);
    return s;
}

} // namespace

TEST(ModuleFields, EveryBitOfTheSettingsBelongsToExactlyOneField)
{
    std::array<int, EepromImageSize> owned{}; // bits of each byte claimed so far
    for (const TModuleField &field : ModuleFields()) {
        for (int i = field.Offset; i < field.Offset + field.Size; ++i) {
            EXPECT_EQ(owned[i] & field.Mask, 0) << "byte " << i << " claimed twice";
            owned[i] |= field.Mask;
        }
    }
    for (int i = 0; i < int(EepromImageSize); ++i) {
        // The marker, the checksum and the unused bytes carry no setting.
        const bool setting = i >= 2 && i <= 1192 && i != 41 && i != 1188 && i != 1189;
        EXPECT_EQ(owned[i], setting ? 0xFF : 0) << "byte " << i;
    }
}

TEST(ModuleFields, NamedByTheCaptionsTheWindowShows)
{
    QSet<QString> captions;
    for (const TModuleField &field : ModuleFields()) {
        EXPECT_FALSE(captions.contains(field.Caption)) << field.Caption.toStdString();
        captions.insert(field.Caption);
    }
    for (const char *caption :
         {"Pin karty", "nr centrum sms", "Numer użytkownika 2", "Kod załączenia Wy 1", "Kod wyłączenia Wy 2",
          "Treść SMS: wejście 3, reakcja 1", "Dzwoń przez", "Odrzuć po", "czas uzbrajania",
          "Kod dostępu przez SMS", "Czas reakcji wejścia 8", "Treść SMS: wejście napadowe, reakcja 2",
          "Załącz \"czas uzbrajania\"", "Odsyłaj nierozpoznane SMSy do Użytkownika 1"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

// Every single-bit change of a programmed image, decoded over the record, is
// reported as the field that owns the bit or, where decoding cannot see the
// bit (after a text's end, behind a number's closing quote), not at all.
TEST(ModuleFields, AChangedBitIsNamedByItsOwnField)
{
    std::mt19937 rng(8);
    const TModuleSettings programmed = programmableRecord(rng);
    TEepromImage image;
    SettingsToEeprom(programmed, image);
    for (const TModuleField &field : ModuleFields()) {
        SCOPED_TRACE(field.Caption.toStdString());
        int named = 0;
        for (int i = field.Offset; i < field.Offset + field.Size; ++i)
            for (int b = 0; b < 8; ++b) {
                if (!(field.Mask & (1 << b)))
                    continue;
                TEepromImage held = image;
                held[i] ^= std::uint8_t(1 << b);
                TModuleSettings decoded = programmed;
                EepromToSettings(held, decoded);
                const QStringList differing = DifferingFields(programmed, decoded);
                if (differing.isEmpty())
                    continue;
                EXPECT_EQ(differing, QStringList{field.Caption}) << "byte " << i << " bit " << b;
                ++named;
            }
        EXPECT_GT(named, 0);
    }
}

TEST(ModuleFields, WhatTheImageCannotCarryIsNoDifference)
{
    std::mt19937 rng(9);
    const TModuleSettings programmed = programmableRecord(rng);
    TModuleSettings other = programmed;
    other.Reserved13 ^= 0xFF;
    other.Reserved40 ^= 0xFF;
    other.SpecialReactions[12] ^= 0xFF; // slot 7
    other.SmsAccessCode.Length = programmed.SmsAccessCode.Length == 4 ? 0 : 4;
    other.InputSmsText(1, 1).Chars[35] ^= 0xFF;
    other.InputSmsText(1, 1).Length = 3;
    TModuleSettings shortText = programmed;
    shortText.InputSmsText(1, 1).Length = 3;
    EXPECT_EQ(DifferingFields(shortText, other), QStringList{});

    // A module read back decodes to what was programmed.
    TEepromImage image;
    SettingsToEeprom(programmed, image);
    TModuleSettings decoded = programmed;
    EepromToSettings(image, decoded);
    EXPECT_EQ(DifferingFields(programmed, decoded), QStringList{});
}

TEST(ModuleFields, ListedAtMostThreeThenHowManyMore)
{
    const QStringList five = {"a", "b", "c", "d", "e"};
    struct TCase {
        int count;
        const char *text;
    };
    for (const TCase &c : {TCase{1, "a"}, TCase{2, "a, b"}, TCase{3, "a, b, c"}, TCase{4, "a, b, c i 1 innych"},
                           TCase{5, "a, b, c i 2 innych"}})
        EXPECT_EQ(FieldListText(five.mid(0, c.count)), QString::fromUtf8(c.text));
}

TEST(ModuleBackup, DecodedOverTheDefaultsWithEmptyNotes)
{
    std::mt19937 rng(10);
    const TModuleSettings held = programmableRecord(rng);
    TEepromImage image;
    SettingsToEeprom(held, image);
    TModuleSettings settings;
    TUserNotes notes;
    std::memset(&notes, 0x55, sizeof notes);
    ModuleBackupRecord(image, settings, notes);
    TModuleSettings expected = DefaultRecord();
    EepromToSettings(image, expected);
    EXPECT_EQ(RawRecord(settings), RawRecord(expected));
    EXPECT_EQ(RawNotes(notes), RawNotes(TUserNotes{}));
    EXPECT_EQ(DifferingFields(held, settings), QStringList{});
}
