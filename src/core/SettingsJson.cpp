#include "SettingsJson.h"

#include <QJsonArray>

namespace {

QJsonArray bytes(const std::uint8_t *p, int count)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i)
        a.append(int(p[i]));
    return a;
}

// count elements of (r = 1, r = 2) pairs, as the record stores them.
QJsonArray pairs(const std::uint8_t *p, int count)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i)
        a.append(bytes(p + 2 * i, 2));
    return a;
}

template <int N>
QJsonArray textPairs(const TShortString<N> *texts, int count)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i)
        a.append(QJsonArray{texts[2 * i].text(), texts[2 * i + 1].text()});
    return a;
}

}  // namespace

QJsonObject SettingsToJson(const TModuleSettings &s, const TUserNotes &notes)
{
    QJsonObject m;
    m[QStringLiteral("ReactionTimes")] = bytes(s.ReactionTimes, 8);
    m[QStringLiteral("OutputOffTimes")] = bytes(s.OutputOffTimes, 2);
    m[QStringLiteral("CallingTime")] = s.CallingTime;
    m[QStringLiteral("RejectTime")] = s.RejectTime;
    m[QStringLiteral("OptionFlags")] = s.OptionFlags;
    m[QStringLiteral("Reserved13")] = s.Reserved13;
    m[QStringLiteral("ConfirmWaitTime")] = s.ConfirmWaitTime;
    m[QStringLiteral("SmsAttempts")] = s.SmsAttempts;
    m[QStringLiteral("LockoutTimes")] = bytes(s.LockoutTimes, 8);
    m[QStringLiteral("ReportPeriod")] = s.ReportPeriod;
    m[QStringLiteral("OutputOnCodes")] = pairs(s.OutputOnCodes, 2);
    m[QStringLiteral("OutputOffCodes")] = pairs(s.OutputOffCodes, 2);
    m[QStringLiteral("SmsAccessCode")] = s.SmsAccessCode.text();
    m[QStringLiteral("ClipUserActions")] = s.ClipUserActions;
    m[QStringLiteral("ClipUnlistedActions")] = s.ClipUnlistedActions;
    m[QStringLiteral("Reserved40")] = s.Reserved40;
    m[QStringLiteral("InputReactions")] = pairs(s.InputReactions, 8);
    m[QStringLiteral("InputNotifications")] = pairs(s.InputNotifications, 8);
    // Slots 7 and 8 are reserved bytes, listed so that nothing is hidden.
    m[QStringLiteral("SpecialReactions")] = pairs(s.SpecialReactions, 8);
    m[QStringLiteral("SpecialNotifications")] = pairs(s.SpecialNotifications, 6);
    m[QStringLiteral("SimPin")] = s.SimPin.text();
    m[QStringLiteral("SmsCentreNumber")] = s.SmsCentreNumber.text();
    QJsonArray users;
    for (const auto &number : s.UserNumbers)
        users.append(number.text());
    m[QStringLiteral("UserNumbers")] = users;
    m[QStringLiteral("InputSmsTexts")] = textPairs(s.InputSmsTexts, 8);
    m[QStringLiteral("SpecialSmsTexts")] = textPairs(s.SpecialSmsTexts, 6);
    m[QStringLiteral("ArmingTime")] = s.ArmingTime;
    m[QStringLiteral("InputDelayTime")] = s.InputDelayTime;
    m[QStringLiteral("SirenTime")] = s.SirenTime;

    QJsonArray entries;
    for (const auto &entry : notes.Entries)
        entries.append(QJsonObject{{QStringLiteral("Name"), entry.Name.text()},
                                   {QStringLiteral("Remarks"), entry.Remarks.text()}});

    return QJsonObject{{QStringLiteral("ModuleSettings"), m}, {QStringLiteral("UserNotes"), entries}};
}
