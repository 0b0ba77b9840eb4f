// SPDX-License-Identifier: MIT
#pragma once

// colors.DAT, the lobby client's colour scheme: single-byte text with CR LF
// line ends. Each colour line is "#RRGGBB ; key"; a line starting with ";" is
// a comment. Four keys come from the designed slots (the border colour twice);
// the client's text colours are fixed.

#include "declarations.h"

#include <string>
#include <string_view>

namespace SchemeFile {

inline constexpr std::string_view FileName = "colors.DAT";

// The lines the hidden Default box holds: the client's remaining keys.
inline constexpr std::string_view FixedLines =
    "#C6D6FD ; main text color\r\n"
    "#C6D6FD ; normal lobby color\r\n"
    "#FFFFFF ; notify\r\n"
    "#00CCFF ; nick\r\n"
    "#00FFFF ; nick high\r\n"
    "#FF0000 ; error\r\n"
    "#66FFCC ; pvt\r\n"
    "#C0C0C0 ; msg\r\n";

// The whole file for the scheme as it stands.
std::string content(const Declarations& scheme);

} // namespace SchemeFile
