// SPDX-License-Identifier: MIT
#include "schemefile.h"

namespace SchemeFile {

namespace {

std::string colourLine(const std::string& colour, std::string_view key)
{
    std::string line = "#" + colour + " ; ";
    line += key;
    line += "\r\n";
    return line;
}

} // namespace

std::string content(const Declarations& scheme)
{
    const auto& slot = scheme.SchemeColour;
    std::string text = "; Generated Using QV Designer\r\n";
    text += colourLine(slot[Declarations::AbsoluteBackground], "background absolute");
    text += colourLine(slot[Declarations::Background], "background");
    text += colourLine(slot[Declarations::Borders], "Border Highlight");
    text += colourLine(slot[Declarations::Borders], "Border Shadow");
    text += FixedLines;
    text += colourLine(slot[Declarations::ChatBackground], "chat background");
    return text;
}

} // namespace SchemeFile
