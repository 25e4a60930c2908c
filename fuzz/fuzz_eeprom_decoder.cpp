// Any image decoded onto any record: lengths stay within their capacities,
// and encoding the result never runs outside the image.
#include "LengthCheck.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TEepromImage image{};
    std::memcpy(image.data(), data, std::min(size, image.size()));
    TModuleSettings settings;
    // The record's own bytes come from the input's tail, lengths kept legal.
    std::memset(&settings, 0, sizeof settings);
    if (size > image.size())
        std::memcpy(&settings, data + image.size(), std::min(size - image.size(), sizeof settings));
    ClampLengths(settings);
    EepromToSettings(image, settings);
    CheckLengths(settings);
    TEepromImage again;
    SettingsToEeprom(settings, again);
    return 0;
}
