// Settings record, user notes and EEPROM image of the Tervala module, and the
// codec between record and image. The record's byte layout is the settings
// file's format, so every field is a plain byte array: no padding, no
// multi-byte numbers.
#pragma once

#include "CodePage1250.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// A length byte followed by N character bytes in code page 1250. Positions
// beyond the text are never cleared: they keep what they held before.
template <int N>
struct TShortString {
    static constexpr int Capacity = N;
    std::uint8_t Length;
    std::uint8_t Chars[N];

    // The text's bytes; a length byte above the capacity (only from a damaged
    // source) is read as the full capacity.
    int size() const { return Length > N ? N : Length; }
    QByteArray bytes() const { return QByteArray(reinterpret_cast<const char *>(Chars), size()); }
    // Writes the length byte and the new characters only, cut to the capacity.
    void assign(const std::uint8_t *text, int len)
    {
        if (len > N)
            len = N;
        for (int i = 0; i < len; ++i)
            Chars[i] = text[i];
        Length = std::uint8_t(len);
    }
    void setBytes(const QByteArray &text)
    {
        assign(reinterpret_cast<const std::uint8_t *>(text.constData()), int(text.size()));
    }
    QString text() const;
    void setText(const QString &text);
};

template <int N>
QString TShortString<N>::text() const
{
    return FromCp1250(bytes());
}
template <int N>
void TShortString<N>::setText(const QString &text)
{
    setBytes(ToCp1250(text));
}

using TShortString4 = TShortString<4>;
using TShortString7 = TShortString<7>;
using TShortString15 = TShortString<15>;
using TShortString36 = TShortString<36>;

struct TModuleSettings {
    std::uint8_t ReactionTimes[8];        // 0: input n at n-1, units of 0.1 s
    std::uint8_t OutputOffTimes[2];       // 8: output w at 7+w, seconds
    std::uint8_t CallingTime;             // 10
    std::uint8_t RejectTime;              // 11
    std::uint8_t OptionFlags;             // 12
    std::uint8_t Reserved13;              // 13: carried by the file only
    std::uint8_t ConfirmWaitTime;         // 14
    std::uint8_t SmsAttempts;             // 15
    std::uint8_t LockoutTimes[8];         // 16: input n at 15+n, units of 10 s
    std::uint8_t ReportPeriod;            // 24: hours
    std::uint8_t OutputOnCodes[4];        // 25: pair w at 23+2w
    std::uint8_t OutputOffCodes[4];       // 29: pair w at 27+2w
    TShortString4 SmsAccessCode;          // 33
    std::uint8_t ClipUserActions;         // 38
    std::uint8_t ClipUnlistedActions;     // 39
    std::uint8_t Reserved40;              // 40: carried by the file only
    std::uint8_t InputReactions[16];      // 41: (n,r) at 38+2n+r
    std::uint8_t InputNotifications[16];  // 57: (n,r) at 54+2n+r
    std::uint8_t SpecialReactions[16];    // 73: (s,r) at 70+2s+r; slots 7, 8 reserved
    std::uint8_t SpecialNotifications[12];// 89: (s,r) at 86+2s+r
    TShortString7 SimPin;                 // 101
    TShortString15 SmsCentreNumber;       // 109
    TShortString15 UserNumbers[4];        // 125: user u at 109+16u
    TShortString36 InputSmsTexts[16];     // 189: (n,r) at 189+74(n-1)+37(r-1)
    TShortString36 SpecialSmsTexts[12];   // 781: (s,r) at 781+74(s-1)+37(r-1)
    std::uint8_t ArmingTime;              // 1225
    std::uint8_t InputDelayTime;          // 1226
    std::uint8_t SirenTime;               // 1227

    // Accessors by the module's numbering: n 1..8, s 1..6 (1..8 for the
    // reaction bytes), r 1..2, u 1..4, w 1..2.
    std::uint8_t &ReactionTime(int n) { return ReactionTimes[n - 1]; }
    std::uint8_t &OutputOffTime(int w) { return OutputOffTimes[w - 1]; }
    std::uint8_t &LockoutTime(int n) { return LockoutTimes[n - 1]; }
    std::uint8_t *OutputOnCode(int w) { return &OutputOnCodes[2 * (w - 1)]; }
    std::uint8_t *OutputOffCode(int w) { return &OutputOffCodes[2 * (w - 1)]; }
    std::uint8_t &InputReaction(int n, int r) { return InputReactions[2 * (n - 1) + (r - 1)]; }
    std::uint8_t &InputNotification(int n, int r) { return InputNotifications[2 * (n - 1) + (r - 1)]; }
    std::uint8_t &SpecialReaction(int s, int r) { return SpecialReactions[2 * (s - 1) + (r - 1)]; }
    std::uint8_t &SpecialNotification(int s, int r) { return SpecialNotifications[2 * (s - 1) + (r - 1)]; }
    TShortString15 &UserNumber(int u) { return UserNumbers[u - 1]; }
    TShortString36 &InputSmsText(int n, int r) { return InputSmsTexts[2 * (n - 1) + (r - 1)]; }
    TShortString36 &SpecialSmsText(int s, int r) { return SpecialSmsTexts[2 * (s - 1) + (r - 1)]; }

    const std::uint8_t &InputReaction(int n, int r) const { return InputReactions[2 * (n - 1) + (r - 1)]; }
    const std::uint8_t &InputNotification(int n, int r) const { return InputNotifications[2 * (n - 1) + (r - 1)]; }
    const std::uint8_t &SpecialReaction(int s, int r) const { return SpecialReactions[2 * (s - 1) + (r - 1)]; }
    const std::uint8_t &SpecialNotification(int s, int r) const { return SpecialNotifications[2 * (s - 1) + (r - 1)]; }
    const TShortString15 &UserNumber(int u) const { return UserNumbers[u - 1]; }
    const TShortString36 &InputSmsText(int n, int r) const { return InputSmsTexts[2 * (n - 1) + (r - 1)]; }
    const TShortString36 &SpecialSmsText(int s, int r) const { return SpecialSmsTexts[2 * (s - 1) + (r - 1)]; }

    std::uint8_t *data() { return reinterpret_cast<std::uint8_t *>(this); }
    const std::uint8_t *data() const { return reinterpret_cast<const std::uint8_t *>(this); }
};

struct TUserNote {
    TShortString<30> Name;      // 0
    TShortString<250> Remarks;  // 31: line breaks stored as 13, 10
};

struct TUserNotes {
    TUserNote Entries[4];
    TUserNote &operator[](int u) { return Entries[u - 1]; }  // u = 1..4
    const TUserNote &operator[](int u) const { return Entries[u - 1]; }
    std::uint8_t *data() { return reinterpret_cast<std::uint8_t *>(this); }
    const std::uint8_t *data() const { return reinterpret_cast<const std::uint8_t *>(this); }
};

constexpr std::size_t ModuleSettingsSize = 1228;
constexpr std::size_t UserNotesSize = 1128;
constexpr std::size_t EepromImageSize = 2048;
using TEepromImage = std::array<std::uint8_t, EepromImageSize>;

static_assert(sizeof(TModuleSettings) == ModuleSettingsSize);
static_assert(sizeof(TUserNote) == 282);
static_assert(sizeof(TUserNotes) == UserNotesSize);
static_assert(alignof(TModuleSettings) == 1 && alignof(TUserNotes) == 1);
static_assert(offsetof(TModuleSettings, SmsAccessCode) == 33);
static_assert(offsetof(TModuleSettings, InputReactions) == 41);
static_assert(offsetof(TModuleSettings, SpecialNotifications) == 89);
static_assert(offsetof(TModuleSettings, SimPin) == 101);
static_assert(offsetof(TModuleSettings, UserNumbers) == 125);
static_assert(offsetof(TModuleSettings, InputSmsTexts) == 189);
static_assert(offsetof(TModuleSettings, SpecialSmsTexts) == 781);
static_assert(offsetof(TModuleSettings, ArmingTime) == 1225);

// The program's one copy of each; all zero at start.
extern TModuleSettings ModuleSettings;
extern TUserNotes UserNotes;
extern TEepromImage EepromImage;

// Pure forms, for tests and tools.
void SetDefaultSettings(TModuleSettings &settings);
void ClearEepromImage(TEepromImage &image);
void SettingsToEeprom(const TModuleSettings &settings, TEepromImage &image);
void EepromToSettings(const TEepromImage &image, TModuleSettings &settings);

// The program's forms, working on the globals.
void SetDefaultSettings();
void ClearEepromImage();
void SettingsToEeprom();
void EepromToSettings();

// Image offsets the link and tests need.
namespace EepromLayout {
constexpr int ChecksumFirst = 2; // the checksum covers bytes 2 to 40
constexpr int Checksum = 41;
constexpr int SimPin = 98;
constexpr int SmsCentreNumber = 105;
constexpr int UserNumber1 = 120;
constexpr int NumberSlotSize = 15;
constexpr int MaxSlotNumberLength = 12;
constexpr int TextSlotSize = 36;
}  // namespace EepromLayout

// The settings checksum as the encoder writes it into byte
// EepromLayout::Checksum: the bitwise NOT of the 8-bit sum of bytes 2 to 40.
std::uint8_t EepromChecksum(const TEepromImage &image);
// Whether the image's checksum byte agrees with its bytes 2 to 40: a read-back
// whose stream was shifted or damaged on the line fails this.
bool EepromChecksumMatches(const TEepromImage &image);

// A length byte above its capacity comes only from a damaged or foreign
// source; it is brought down to the capacity so no reader runs past a field.
void ClampLengths(TModuleSettings &settings);
void ClampLengths(TUserNotes &notes);

// True when every number fits its 15-byte image slot (at most 12 characters).
bool NumbersFitImageSlots(const TModuleSettings &settings);
