// Helpers the core tests share: raw record access and reproducible records.
#pragma once

#include "Udecl.h"

#include <QByteArray>

#include <cstring>
#include <random>

inline QByteArray RawBytes(const void *p, std::size_t size)
{
    return QByteArray(static_cast<const char *>(p), qsizetype(size));
}

inline QByteArray RawRecord(const TModuleSettings &s) { return RawBytes(&s, sizeof s); }
inline QByteArray RawNotes(const TUserNotes &n) { return RawBytes(&n, sizeof n); }

inline TModuleSettings DefaultRecord()
{
    TModuleSettings s{};
    SetDefaultSettings(s);
    return s;
}

// Every byte random, length bytes kept within their capacities: what a record
// loaded from some file may hold.
inline TModuleSettings RandomRecord(std::mt19937 &rng)
{
    TModuleSettings s;
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < sizeof s; ++i)
        s.data()[i] = std::uint8_t(byte(rng));
    ClampLengths(s);
    return s;
}

inline TUserNotes RandomNotes(std::mt19937 &rng)
{
    TUserNotes n;
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < sizeof n; ++i)
        n.data()[i] = std::uint8_t(byte(rng));
    ClampLengths(n);
    return n;
}
