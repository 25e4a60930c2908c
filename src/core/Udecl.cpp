#include "Udecl.h"

#include <algorithm>
#include <cstring>

TModuleSettings ModuleSettings{};
TUserNotes UserNotes{};
TEepromImage EepromImage{};

void SetDefaultSettings(TModuleSettings &s)
{
    s.SmsAccessCode.Length = 0;
    s.SimPin.Length = 0;
    for (auto &number : s.UserNumbers)
        number.Length = 0;
    std::fill(std::begin(s.OutputOnCodes), std::end(s.OutputOnCodes), 0);
    std::fill(std::begin(s.OutputOffCodes), std::end(s.OutputOffCodes), 0);
    for (auto &text : s.InputSmsTexts)
        text.Length = 0;
    for (auto &text : s.SpecialSmsTexts)
        text.Length = 0;
    std::fill(std::begin(s.InputReactions), std::end(s.InputReactions), 0x80);
    std::fill(std::begin(s.InputNotifications), std::end(s.InputNotifications), 0);
    // Slots 7 and 8 (record bytes 85 to 88) are reserved and left alone.
    std::fill(s.SpecialReactions, s.SpecialReactions + 12, 0x80);
    std::fill(std::begin(s.SpecialNotifications), std::end(s.SpecialNotifications), 0);
    std::fill(std::begin(s.ReactionTimes), std::end(s.ReactionTimes), 1);
    std::fill(std::begin(s.LockoutTimes), std::end(s.LockoutTimes), 1);
    s.ArmingTime = 1;
    s.InputDelayTime = 1;
    s.SirenTime = 1;
}

void ClearEepromImage(TEepromImage &image)
{
    image.fill(0);
}

namespace {

constexpr std::uint8_t Quote = 0x22;

void putQuotedNumber(TEepromImage &image, int q, const TShortString15 &number)
{
    if (number.size() == 0)
        return;
    // A number longer than 12 characters would run past its slot into the
    // next one; the link refuses to program such a record, and here it is
    // cut so the neighbouring slot stays intact.
    const int len = std::min(number.size(), EepromLayout::MaxSlotNumberLength);
    image[q] = Quote;
    std::memcpy(&image[q + 1], number.Chars, len);
    image[q + len + 1] = Quote;
    image[q + len + 2] = 0;
}

void getQuotedNumber(const TEepromImage &image, int q, TShortString15 &number)
{
    int len = 0;
    if (image[q] == Quote) {
        // Bounded by the slot: a damaged slot with no closing quote ends there.
        while (len < EepromLayout::NumberSlotSize - 1 && image[q + 1 + len] != Quote)
            ++len;
    }
    number.assign(&image[q + 1], len);
}

void putText(TEepromImage &image, int offset, const TShortString36 &text)
{
    std::memcpy(&image[offset], text.Chars, text.size());
}

void getText(const TEepromImage &image, int offset, TShortString36 &text)
{
    int len = 0;
    while (len < EepromLayout::TextSlotSize && image[offset + len] != 0)
        ++len;
    text.assign(&image[offset], len);
}

int numberSlot(int index)  // 0 = SMS centre, 1..4 = users
{
    return EepromLayout::SmsCentreNumber + EepromLayout::NumberSlotSize * index;
}

}  // namespace

void SettingsToEeprom(const TModuleSettings &s, TEepromImage &image)
{
    ClearEepromImage(image);
    image[0] = 0xFF;
    image[1] = 0xFF;
    std::memcpy(&image[2], s.ReactionTimes, 8);
    std::memcpy(&image[10], s.OutputOffTimes, 2);
    image[12] = std::uint8_t(s.CallingTime + 15);
    image[13] = s.RejectTime;
    image[14] = s.OptionFlags;
    image[15] = s.ConfirmWaitTime;
    image[16] = s.SmsAttempts;
    image[17] = s.SmsAttempts;
    std::memcpy(&image[18], s.LockoutTimes, 8);
    image[26] = s.ReportPeriod;
    std::memcpy(&image[27], s.OutputOnCodes, 4);
    std::memcpy(&image[31], s.OutputOffCodes, 4);
    std::memcpy(&image[35], s.SmsAccessCode.Chars, 4);
    image[39] = s.ClipUserActions;
    image[40] = s.ClipUnlistedActions;

    for (int n = 1; n <= 8; ++n) {
        image[40 + 2 * n] = s.InputNotification(n, 1);
        image[41 + 2 * n] = s.InputReaction(n, 1);
        image[56 + 2 * n] = s.InputNotification(n, 2);
        image[57 + 2 * n] = s.InputReaction(n, 2);
    }
    for (int sl = 1; sl <= 6; ++sl) {
        image[72 + 2 * sl] = s.SpecialNotification(sl, 1);
        image[73 + 2 * sl] = s.SpecialReaction(sl, 1);
        image[84 + 2 * sl] = s.SpecialNotification(sl, 2);
        image[85 + 2 * sl] = s.SpecialReaction(sl, 2);
    }

    if (s.SimPin.Length != 0) {
        image[98] = Quote;
        std::memcpy(&image[99], s.SimPin.Chars, 4);
        image[103] = Quote;
        image[104] = 0;
    }

    putQuotedNumber(image, numberSlot(0), s.SmsCentreNumber);
    for (int u = 1; u <= 4; ++u)
        putQuotedNumber(image, numberSlot(u), s.UserNumber(u));

    for (int n = 1; n <= 8; ++n) {
        putText(image, 144 + 36 * n, s.InputSmsText(n, 1));
        putText(image, 432 + 36 * n, s.InputSmsText(n, 2));
    }
    for (int sl = 1; sl <= 6; ++sl) {
        putText(image, 720 + 36 * sl, s.SpecialSmsText(sl, 1));
        putText(image, 936 + 36 * sl, s.SpecialSmsText(sl, 2));
    }

    image[1190] = s.ArmingTime;
    image[1191] = s.InputDelayTime;
    image[1192] = s.SirenTime;

    image[EepromLayout::Checksum] = EepromChecksum(image);
}

std::uint8_t EepromChecksum(const TEepromImage &image)
{
    std::uint8_t sum = 0;
    for (int i = EepromLayout::ChecksumFirst; i < EepromLayout::Checksum; ++i)
        sum = std::uint8_t(sum + image[i]);
    return std::uint8_t(~sum);
}

bool EepromChecksumMatches(const TEepromImage &image)
{
    return image[EepromLayout::Checksum] == EepromChecksum(image);
}

void EepromToSettings(const TEepromImage &image, TModuleSettings &s)
{
    std::memcpy(s.ReactionTimes, &image[2], 8);
    std::memcpy(s.OutputOffTimes, &image[10], 2);
    s.CallingTime = std::uint8_t(image[12] - 15);
    s.RejectTime = image[13];
    s.OptionFlags = image[14];
    s.ConfirmWaitTime = image[15];
    s.SmsAttempts = image[17];
    std::memcpy(s.LockoutTimes, &image[18], 8);
    s.ReportPeriod = image[26];
    std::memcpy(s.OutputOnCodes, &image[27], 4);
    std::memcpy(s.OutputOffCodes, &image[31], 4);

    std::memcpy(s.SmsAccessCode.Chars, &image[35], 4);
    s.SmsAccessCode.Length = 4;

    s.ClipUserActions = image[39];
    s.ClipUnlistedActions = image[40];

    for (int n = 1; n <= 8; ++n) {
        s.InputNotification(n, 1) = image[40 + 2 * n];
        s.InputReaction(n, 1) = image[41 + 2 * n];
        s.InputNotification(n, 2) = image[56 + 2 * n];
        s.InputReaction(n, 2) = image[57 + 2 * n];
    }
    for (int sl = 1; sl <= 6; ++sl) {
        s.SpecialNotification(sl, 1) = image[72 + 2 * sl];
        s.SpecialReaction(sl, 1) = image[73 + 2 * sl];
        s.SpecialNotification(sl, 2) = image[84 + 2 * sl];
        s.SpecialReaction(sl, 2) = image[85 + 2 * sl];
    }

    s.SimPin.Length = 0;
    if (image[98] == Quote) {
        std::memcpy(s.SimPin.Chars, &image[99], 4);
        s.SimPin.Length = 4;
    }

    getQuotedNumber(image, numberSlot(0), s.SmsCentreNumber);
    for (int u = 1; u <= 4; ++u)
        getQuotedNumber(image, numberSlot(u), s.UserNumber(u));

    for (int n = 1; n <= 8; ++n) {
        getText(image, 144 + 36 * n, s.InputSmsText(n, 1));
        getText(image, 432 + 36 * n, s.InputSmsText(n, 2));
    }
    for (int sl = 1; sl <= 6; ++sl) {
        getText(image, 720 + 36 * sl, s.SpecialSmsText(sl, 1));
        getText(image, 936 + 36 * sl, s.SpecialSmsText(sl, 2));
    }

    s.ArmingTime = image[1190];
    s.InputDelayTime = image[1191];
    s.SirenTime = image[1192];
}

namespace {
template <int N>
void clampLength(TShortString<N> &text)
{
    text.Length = std::uint8_t(text.size());
}
}  // namespace

void ClampLengths(TModuleSettings &s)
{
    clampLength(s.SmsAccessCode);
    clampLength(s.SimPin);
    clampLength(s.SmsCentreNumber);
    for (auto &number : s.UserNumbers)
        clampLength(number);
    for (auto &text : s.InputSmsTexts)
        clampLength(text);
    for (auto &text : s.SpecialSmsTexts)
        clampLength(text);
}

void ClampLengths(TUserNotes &notes)
{
    for (auto &entry : notes.Entries) {
        clampLength(entry.Name);
        clampLength(entry.Remarks);
    }
}

bool NumbersFitImageSlots(const TModuleSettings &s)
{
    if (s.SmsCentreNumber.size() > EepromLayout::MaxSlotNumberLength)
        return false;
    for (int u = 1; u <= 4; ++u)
        if (s.UserNumber(u).size() > EepromLayout::MaxSlotNumberLength)
            return false;
    return true;
}

void SetDefaultSettings() { SetDefaultSettings(ModuleSettings); }
void ClearEepromImage() { ClearEepromImage(EepromImage); }
void SettingsToEeprom() { SettingsToEeprom(ModuleSettings, EepromImage); }
void EepromToSettings() { EepromToSettings(EepromImage, ModuleSettings); }
