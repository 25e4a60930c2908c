// After any input, no length byte may exceed its capacity.
#pragma once

#include "Udecl.h"

#include <cstdlib>

template <int N>
void CheckLength(const TShortString<N> &text)
{
    if (text.Length > N)
        std::abort();
}

inline void CheckLengths(const TModuleSettings &s)
{
    CheckLength(s.SmsAccessCode);
    CheckLength(s.SimPin);
    CheckLength(s.SmsCentreNumber);
    for (const auto &t : s.UserNumbers)
        CheckLength(t);
    for (const auto &t : s.InputSmsTexts)
        CheckLength(t);
    for (const auto &t : s.SpecialSmsTexts)
        CheckLength(t);
}

inline void CheckLengths(const TUserNotes &n)
{
    for (const auto &e : n.Entries) {
        CheckLength(e.Name);
        CheckLength(e.Remarks);
    }
}
