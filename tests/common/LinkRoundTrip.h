// What the link's round-trip tests and the soak share: records a module can
// be sent, and what a read-back of them decodes to.
#pragma once

#include "LinkRules.h"
#include "TestSupport.h"
#include "Udecl.h"

#include <algorithm>
#include <random>

// Random settings the window can show and the module's slots hold: the
// numbers are international and fit their image slots, and one text holds
// bytes that look like the read-back's end mark, which must not end it early.
inline TModuleSettings SendableRandomSettings(std::mt19937 &rng)
{
    TModuleSettings s = RandomRecord(rng);
    s.SmsCentreNumber.setText(QStringLiteral("+48%1").arg(rng() % 1000000000u, 9, 10, QLatin1Char('0')));
    for (int u = 1; u <= 4; ++u)
        s.UserNumber(u).setText(QStringLiteral("+48%1").arg(rng() % 1000000000u, 9, 10, QLatin1Char('0')));
    s.InputSmsText(1, 1).setText(QStringLiteral("*1*1 alarm *1"));
    return s;
}

// What a read-back of a module programmed with `programmed` decodes to on top of `base`.
inline TModuleSettings ExpectedAfterRoundTrip(const TModuleSettings &programmed, const TModuleSettings &base)
{
    TEepromImage image;
    SettingsToEeprom(programmed, image);
    std::fill(image.begin() + LinkFrames::BytesSent, image.end(), 0);
    TModuleSettings decoded = base;
    EepromToSettings(image, decoded);
    return decoded;
}
