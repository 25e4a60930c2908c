// Any bytes as a settings file: refused or read, never out of bounds, and a
// record that is read has every length within its capacity.
#include "LengthCheck.h"
#include "Uplik.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TModuleSettings settings;
    TUserNotes notes;
    std::memset(&settings, 0xA5, sizeof settings);
    std::memset(&notes, 0xA5, sizeof notes);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (DecompressSettings(bytes, settings, notes).isEmpty()) {
        CheckLengths(settings);
        CheckLengths(notes);
    } else {
        // A refused file changes nothing.
        for (std::size_t i = 0; i < sizeof settings; ++i)
            if (settings.data()[i] != 0xA5)
                std::abort();
    }
    return 0;
}
