// Showing the record in the controls and collecting it back.
#include "GuiFixture.h"

#include <cstring>
#include <functional>
#include <random>

namespace
{
// Characters the window shows and collects unchanged (code page 1250,
// Polish letters included).
const QString Alphabet = QStringLiteral("abcXYZ 0123456789+-*#.,;:!?ąćęłńóśźżĄĆĘŁŃÓŚŹŻ\u00a0");

template <int N> void randomText(std::mt19937 &rng, TShortString<N> &field, int maxLength = N)
{
    std::uniform_int_distribution<int> len(0, maxLength);
    std::uniform_int_distribution<int> pick(0, int(Alphabet.size()) - 1);
    QString text;
    for (int i = len(rng); i > 0; --i)
        text += Alphabet[pick(rng)];
    field.setText(text);
}

std::uint8_t randomIn(std::mt19937 &rng, int minimum, int maximum)
{
    return std::uint8_t(std::uniform_int_distribution<int>(minimum, maximum)(rng));
}

// At most one CLIP action per output; bits 6 and 7 free.
std::uint8_t randomClipByte(std::mt19937 &rng)
{
    const std::uint8_t out1[] = {0, 1, 4, 16};
    const std::uint8_t out2[] = {0, 2, 8, 32};
    return std::uint8_t(out1[randomIn(rng, 0, 3)] | out2[randomIn(rng, 0, 3)] | (randomIn(rng, 0, 3) << 6));
}

// A record the window can represent: random everywhere the window does not
// look (reserved bytes, reaction bytes, string tails), consistent where it does.
void randomRecord(unsigned seed, TModuleSettings &s, TUserNotes &notes)
{
    std::mt19937 rng(seed);
    for (std::size_t i = 0; i < ModuleSettingsSize; ++i)
        s.data()[i] = randomIn(rng, 0, 255);
    for (std::size_t i = 0; i < UserNotesSize; ++i)
        notes.data()[i] = randomIn(rng, 0, 255);
    for (int n = 1; n <= 8; ++n) {
        s.ReactionTime(n) = randomIn(rng, 1, 255);
        s.LockoutTime(n) = randomIn(rng, 1, 255);
        for (int r = 1; r <= 2; ++r)
            randomText(rng, s.InputSmsText(n, r));
    }
    for (int n = 1; n <= 6; ++n)
        for (int r = 1; r <= 2; ++r)
            randomText(rng, s.SpecialSmsText(n, r));
    s.CallingTime = randomIn(rng, 1, 240);
    s.RejectTime = randomIn(rng, 1, 255);
    s.OptionFlags = randomIn(rng, 0, 63);
    s.ConfirmWaitTime = randomIn(rng, 10, 255);
    s.SmsAttempts = randomIn(rng, 1, 10);
    s.ReportPeriod = randomIn(rng, 1, 24);
    for (int w = 1; w <= 2; ++w) {
        s.OutputOffTime(w) = randomIn(rng, 1, 255);
        const bool switched = s.OptionFlags & (1 << (w - 1));
        for (std::uint8_t *pair : {s.OutputOnCode(w), s.OutputOffCode(w)}) {
            pair[0] = switched ? randomIn(rng, 'A', 'Z') : 0;
            pair[1] = switched ? randomIn(rng, '0', '9') : 0;
        }
    }
    randomText(rng, s.SmsAccessCode);
    if (!(s.OptionFlags & 32))
        s.SmsAccessCode.Length = 0;
    s.ClipUserActions = randomClipByte(rng);
    s.ClipUnlistedActions = randomClipByte(rng);
    randomText(rng, s.SimPin);
    randomText(rng, s.SmsCentreNumber);
    for (int u = 1; u <= 4; ++u) {
        randomText(rng, s.UserNumber(u));
        randomText(rng, notes[u].Name);
        QString remarks;
        TShortString<250> line;
        for (int l = randomIn(rng, 0, 3); l > 0; --l) {
            randomText(rng, line, 60);
            remarks += line.text() + (l > 1 ? "\r\n" : "");
        }
        notes[u].Remarks.setText(remarks);
    }
    s.ArmingTime = randomIn(rng, 1, 255);
    s.InputDelayTime = randomIn(rng, 1, 255);
    s.SirenTime = randomIn(rng, 1, 255);
}
} // namespace

TEST_F(GuiTest, OpenedFileSavedAgainByteForByte)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        TModuleSettings settings;
        TUserNotes notes;
        randomRecord(seed, settings, notes);
        openRecord(settings, notes);
        EXPECT_EQ(saveAndReadBack(), RecordBytes(settings) + NotesBytes(notes));
    }
}

TEST_F(GuiTest, SavedRightAfterStartUpOpensTheSame)
{
    const QByteArray first = saveAndReadBack();
    EXPECT_EQ(first.mid(ModuleSettingsSize), QByteArray(int(UserNotesSize), '\0'));
    TModuleSettings settings;
    TUserNotes notes;
    std::memcpy(settings.data(), first.constData(), ModuleSettingsSize);
    std::memcpy(notes.data(), first.constData() + ModuleSettingsSize, UserNotesSize);
    openRecord(settings, notes);
    EXPECT_EQ(saveAndReadBack(), first);
}

TEST_F(GuiTest, HiddenTextsAndBitPassThrough)
{
    TModuleSettings settings = ModuleSettings;
    TUserNotes notes = UserNotes;
    SetDefaultSettings(settings);
    const QString full = QString(36, 'w');
    settings.SpecialSmsText(4, 1).setText(full);
    settings.SpecialSmsText(6, 2).setText(QStringLiteral("szóste"));
    settings.ClipUnlistedActions = 0x80;
    openRecord(settings, notes);
    EXPECT_EQ(edit("ETSpecSMS_We4_Re1")->text(), full);
    EXPECT_TRUE(box("ChBClipNotVerif7")->isChecked());
    const QByteArray saved = saveAndReadBack();
    TModuleSettings back;
    std::memcpy(back.data(), saved.constData(), ModuleSettingsSize);
    for (int slot : {4, 6})
        for (int r = 1; r <= 2; ++r) {
            const auto &field = settings.SpecialSmsText(slot, r);
            EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(&back.SpecialSmsText(slot, r)), sizeof field),
                      QByteArray(reinterpret_cast<const char *>(&field), sizeof field));
        }
    EXPECT_EQ(back.ClipUnlistedActions, 0x80);
}

TEST_F(GuiTest, TextsShowInFullAndCollectCutToCapacity)
{
    ModuleSettings.InputSmsText(3, 2).setText(QString(36, 'x'));
    window->SmsTextsToForm();
    TEdit *text = edit("ETSMS_We3_Re2");
    EXPECT_EQ(text->text(), QString(36, 'x'));
    EXPECT_EQ(text->typingLimit(), 35);

    struct TCase {
        const char *control;
        int typed;
        int stored;
        std::function<QByteArray()> field;
    };
    const TCase cases[] = {
        {"Ecsms", 16, 15, [] { return ModuleSettings.SmsCentreNumber.bytes(); }},
        {"EPin", 9, 7, [] { return ModuleSettings.SimPin.bytes(); }},
        {"Enruser2", 20, 15, [] { return ModuleSettings.UserNumber(2).bytes(); }},
        {"ETSMS_We3_Re2", 40, 36, [] { return ModuleSettings.InputSmsText(3, 2).bytes(); }},
        {"Eosoba1", 45, 30, [] { return UserNotes[1].Name.bytes(); }},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.control);
        const QString typed = QStringLiteral("1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJ").left(c.typed);
        edit(QString::fromLatin1(c.control))->setText(typed);
    }
    window->FormToSmsTexts();
    window->FormToUserNumbers();
    window->FormToBasics();
    window->FormToUserNotes();
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.control);
        const QString typed = QStringLiteral("1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJ").left(c.typed);
        EXPECT_EQ(c.field(), typed.left(c.stored).toLatin1());
    }
}

TEST_F(GuiTest, RemarksKeepLineBreaksAndAreCutAt250)
{
    const QString line(100, 'r');
    memo("Muser2")->setPlainText(line + "\n" + line + "\n" + line);
    window->FormToUserNotes();
    const QByteArray stored = UserNotes[2].Remarks.bytes();
    EXPECT_EQ(stored.size(), 250);
    EXPECT_EQ(stored, (line + "\r\n" + line + "\r\n" + line).left(250).toLatin1());
}

TEST_F(GuiTest, StoredTextShowsUpToItsFirstNul)
{
    const std::uint8_t text[] = {'a', 'b', 0, 'c'};
    ModuleSettings.UserNumber(1).assign(text, 4);
    window->UserNumbersToForm();
    EXPECT_EQ(edit("Enruser1")->text(), "ab");
}

TEST_F(GuiTest, CodePairs)
{
    struct TCase {
        std::uint8_t first, second;
        QString shown;
        std::uint8_t storedFirst, storedSecond;
    };
    const TCase cases[] = {
        {'A', '1', "A1", 'A', '1'},
        {'A', 0, "", 0, 0},
        {0, '1', "", 0, 0},
        {0, 0, "", 0, 0},
    };
    box("ChBFlags_0")->setChecked(true);
    for (const TCase &c : cases) {
        ModuleSettings.OutputOnCode(1)[0] = c.first;
        ModuleSettings.OutputOnCode(1)[1] = c.second;
        window->OutputsToForm();
        EXPECT_EQ(edit("EZalWy1")->text(), c.shown);
        window->FormToOutputs();
        EXPECT_EQ(ModuleSettings.OutputOnCode(1)[0], c.storedFirst);
        EXPECT_EQ(ModuleSettings.OutputOnCode(1)[1], c.storedSecond);
    }
    edit("EwylWy1")->setText("x"); // one character stores no code
    window->FormToOutputs();
    EXPECT_EQ(ModuleSettings.OutputOffCode(1)[0], 0);
    EXPECT_EQ(ModuleSettings.OutputOffCode(1)[1], 0);
}

TEST_F(GuiTest, SpinBytesComeBackWithinRange)
{
    struct TCase {
        std::uint8_t TModuleSettings::*field;
        const char *control;
        std::uint8_t stored, shown;
    };
    const TCase cases[] = {
        {&TModuleSettings::CallingTime, "SEcallingTimer", 0, 1},
        {&TModuleSettings::CallingTime, "SEcallingTimer", 250, 240},
        {&TModuleSettings::ConfirmWaitTime, "SEInNONCSTAT18", 0, 10},
        {&TModuleSettings::SmsAttempts, "SEInONstat916", 11, 10},
        {&TModuleSettings::ReportPeriod, "SEtestokr", 25, 24},
        {&TModuleSettings::SirenTime, "SE1192", 255, 255},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.control);
        ModuleSettings.*c.field = c.stored;
        window->BasicsToForm();
        EXPECT_EQ(spin(QString::fromLatin1(c.control))->value(), c.shown);
        window->FormToBasics();
        EXPECT_EQ(ModuleSettings.*c.field, c.shown);
    }
    ModuleSettings.ReactionTime(8) = 0;
    window->ReactionTimesToForm();
    window->FormToReactionTimes();
    EXPECT_EQ(ModuleSettings.ReactionTime(8), 1);
}

TEST_F(GuiTest, OptionBytesHighBitsClearedAfterCollect)
{
    ModuleSettings.OptionFlags = 0xC0 | 0x10;
    window->BasicsToForm();
    window->FormToBasics();
    EXPECT_EQ(ModuleSettings.OptionFlags, 0x10);
}

TEST_F(GuiTest, PresetShownForItsNumber)
{
    struct TCase {
        QString number;
        int item;
    };
    const TCase cases[] = {
        {"+48601000310", 0}, {"+48602951111", 1}, {"+48501200777", 2}, {"+48602951111 ", 3}, {"", 3},
    };
    for (const TCase &c : cases) {
        ModuleSettings.SmsCentreNumber.setText(c.number);
        window->BasicsToForm();
        EXPECT_EQ(combo("CBcentrum")->currentIndex(), c.item) << c.number.toStdString();
        EXPECT_EQ(edit("Ecsms")->text(), c.number);
    }
}

TEST_F(GuiTest, ArmingTimeBoxOwnsBitZeroOfByte82)
{
    ModuleSettings.SpecialReaction(5, 2) = 0x80;
    window->BasicsToForm();
    EXPECT_FALSE(box("CHB_funkcjaczaswy")->isChecked());
    box("CHB_funkcjaczaswy")->setChecked(true);
    window->FormToBasics();
    EXPECT_EQ(ModuleSettings.SpecialReaction(5, 2), 0x81);
    ModuleSettings.SpecialReaction(5, 2) = 0x57;
    window->BasicsToForm();
    EXPECT_TRUE(box("CHB_funkcjaczaswy")->isChecked());
    box("CHB_funkcjaczaswy")->setChecked(false);
    window->FormToBasics();
    EXPECT_EQ(ModuleSettings.SpecialReaction(5, 2), 0x56);
}

TEST_F(GuiTest, OpenedFileLosesWhatTheOptionsSwitchOff)
{
    TModuleSettings settings = ModuleSettings;
    TUserNotes notes = UserNotes;
    SetDefaultSettings(settings);
    settings.OptionFlags = 0x02; // only output 2 switched by SMS; no programming by SMS
    settings.SmsAccessCode.setText("1234");
    for (int w = 1; w <= 2; ++w) {
        settings.OutputOnCode(w)[0] = 'N';
        settings.OutputOnCode(w)[1] = char('0' + w);
        settings.OutputOffCode(w)[0] = 'F';
        settings.OutputOffCode(w)[1] = char('0' + w);
    }
    settings.ClipUserActions = 0x01 | 0x04 | 0x10;
    openRecord(settings, notes);
    EXPECT_EQ(edit("EPINMOD")->text(), "");
    EXPECT_FALSE(edit("EPINMOD")->isEnabled());
    EXPECT_EQ(edit("EZalWy1")->text(), "");
    EXPECT_EQ(edit("EwylWy1")->text(), "");
    EXPECT_EQ(edit("EZalWy2")->text(), "N2");
    EXPECT_EQ(edit("EwylWy2")->text(), "F2");
    EXPECT_FALSE(box("ChbClipVerif0")->isChecked());
    EXPECT_FALSE(box("ChbClipVerif2")->isChecked());
    EXPECT_TRUE(box("ChbClipVerif4")->isChecked());

    const QByteArray saved = saveAndReadBack();
    TModuleSettings back;
    std::memcpy(back.data(), saved.constData(), ModuleSettingsSize);
    EXPECT_EQ(back.SmsAccessCode.Length, 0);
    EXPECT_EQ(back.OutputOnCode(1)[0], 0);
    EXPECT_EQ(back.OutputOffCode(1)[1], 0);
    EXPECT_EQ(back.OutputOnCode(2)[0], 'N');
    EXPECT_EQ(back.ClipUserActions, 0x10);
}

TEST_F(GuiTest, ReactionBytesLiveOnlyInTheRecord)
{
    ModuleSettings.InputReaction(2, 1) = 0x13;
    ModuleSettings.SpecialNotification(3, 2) = 0x22;
    window->FormToSmsTexts();
    window->FormToReactionTimes();
    window->FormToLockoutTimes();
    window->FormToUserNumbers();
    window->FormToOutputs();
    window->FormToBasics();
    EXPECT_EQ(ModuleSettings.InputReaction(2, 1), 0x13);
    EXPECT_EQ(ModuleSettings.SpecialNotification(3, 2), 0x22);
}
