// SPDX-License-Identifier: MIT
// Any channel text reads as 0 to 255, is widened only when it is one
// character long, and reads back the same once formatted. The sanitizers
// catch any read past the text.

#include "colourmath.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::string text = original;
    const int value = Math::HexToDec(text);
    if (value < 0 || value > 255)
        std::abort();
    if (text != (original.size() == 1 ? "0" + original : original))
        std::abort();

    std::string formatted = Math::FormatChannel(value);
    std::string twoDigits = Math::TwoDigitChannel(value);
    if (formatted.empty() || formatted.size() > 2 || twoDigits.size() != 2)
        std::abort();
    for (char c : formatted + twoDigits) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            std::abort();
    }
    if (Math::HexToDec(formatted) != value || Math::HexToDec(twoDigits) != value)
        std::abort();
    return 0;
}
