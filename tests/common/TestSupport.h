// Helpers the tests share: raw record access and reproducible records.
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
// (or notes) loaded from some file may hold.
template <class T>
T RandomBytesWithLegalLengths(std::mt19937 &rng)
{
    T value;
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < sizeof value; ++i)
        value.data()[i] = std::uint8_t(byte(rng));
    ClampLengths(value);
    return value;
}

inline TModuleSettings RandomRecord(std::mt19937 &rng) { return RandomBytesWithLegalLengths<TModuleSettings>(rng); }
inline TUserNotes RandomNotes(std::mt19937 &rng) { return RandomBytesWithLegalLengths<TUserNotes>(rng); }
