// SPDX-License-Identifier: MIT
#include "colourmath.h"

namespace Math {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

int digitAt(const std::string& text, std::size_t position)
{
    return position < text.size() ? digitValue(text[position]) : 0;
}

constexpr char kDigits[] = "0123456789ABCDEF";

} // namespace

std::int16_t HexToDec(std::string& text)
{
    WidenChannel(text);
    return std::int16_t(digitAt(text, 0) * 16 + digitAt(text, 1));
}

std::string FormatChannel(int value)
{
    auto rest = unsigned(value);
    std::string text;
    do {
        text.insert(text.begin(), kDigits[rest % 16]);
        rest /= 16;
    } while (rest != 0);
    return text;
}

std::string TwoDigitChannel(int value)
{
    std::string text = FormatChannel(value);
    WidenChannel(text);
    return text;
}

ChannelTexts DecomposeColour(const std::string& colour)
{
    const std::size_t length = colour.size();
    return {
        colour.substr(0, 2),
        length > 2 ? colour.substr(2, 2) : std::string(),
        colour.substr(length > 2 ? length - 2 : 0),
    };
}

std::uint32_t PackColour(std::string red, std::string green, std::string blue)
{
    return Rgb(HexToDec(red), HexToDec(green), HexToDec(blue));
}

std::string ColourText(std::uint32_t packed)
{
    return TwoDigitChannel(Red(packed)) + TwoDigitChannel(Green(packed)) + TwoDigitChannel(Blue(packed));
}

} // namespace Math
