// SPDX-License-Identifier: MIT
#pragma once

// Colours travel through the tool as text: a channel is two hexadecimal
// digits ("C6"), a colour is three channels joined red first ("C6D6FD").
// The scheme stores and paints a packed value, red + 256 * green + 65536 *
// blue. These routines convert between the three forms.

#include <cstdint>
#include <string>

namespace Math {

struct ChannelTexts {
    std::string red;
    std::string green;
    std::string blue;
};

// A one-character channel text stands for two digits, the first of them 0:
// HexToDec reads it so, and the refresh tick shows it so. Any text of
// characters, as a box holds it, is widened alike.
template <typename Text>
void WidenChannel(Text& text)
{
    if (text.size() == 1)
        text.insert(text.begin(), typename Text::value_type('0'));
}

// Reads a channel text as a number from 0 to 255. A one-character text is
// widened (WidenChannel), in the caller's text too; only the first two
// characters count, and any character that is not a hexadecimal digit
// counts 0.
std::int16_t HexToDec(std::string& text);

// Upper-case hexadecimal without leading zeros: 0 gives "0", 171 gives "AB".
std::string FormatChannel(int value);

// A channel from 0 to 255 as the tick shows it, formatted and widened:
// always two upper-case digits, 10 gives "0A".
std::string TwoDigitChannel(int value);

// The first two, the third and fourth, and the last two characters, each as
// far as the text reaches.
ChannelTexts DecomposeColour(const std::string& colour);

constexpr std::uint32_t Rgb(int red, int green, int blue)
{
    return std::uint32_t(red) | std::uint32_t(green) << 8 | std::uint32_t(blue) << 16;
}

constexpr int Red(std::uint32_t packed) { return int(packed & 0xFF); }
constexpr int Green(std::uint32_t packed) { return int(packed >> 8 & 0xFF); }
constexpr int Blue(std::uint32_t packed) { return int(packed >> 16 & 0xFF); }

// Takes copies, so the caller's texts are never widened.
std::uint32_t PackColour(std::string red, std::string green, std::string blue);

// The canonical colour text of a packed colour: its three channels, each two
// upper-case digits, joined red first.
std::string ColourText(std::uint32_t packed);

} // namespace Math
