// The module's settings as the installer sees them: one entry per control of
// the window (or per option bit), named by the caption shown for it, and
// placed where the EEPROM image carries it. The window and pelmor-cli name
// fields through this one table, so both speak of a field the same way.
#pragma once

#include "Udecl.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The seven CLIP actions, one check box (and one option bit) each, in bit
// order; the window's two CLIP groups and the field names both use them.
inline constexpr int ClipActionCount = 7;
QString ClipActionCaption(int bit);

struct TModuleField {
    QString Caption;
    int Offset;        // first image byte
    int Size;          // image bytes
    std::uint8_t Mask; // bits of a one-byte field that belong to it; 0xFF for whole bytes
};

// Every field the image carries, in the order of the window's pages. The
// marker, the checksum and the unused bytes are no one's field; the user
// notes never reach the module.
const QList<TModuleField> &ModuleFields();

// The captions of the fields in which the two records would put different
// bytes into the module, in table order. Both records go through the image,
// so what the image cannot carry (reserved bytes, string tails, the access
// code's length) never counts as a difference.
QStringList DifferingFields(const TModuleSettings &expected, const TModuleSettings &actual);

// "a, b, c i 4 innych": at most `shown` captions, then how many more.
QString FieldListText(const QStringList &captions, int shown = 3);
