#pragma once

struct Declarations;

namespace toolkit {
class Runtime;
}

namespace SaveCommand {

// File > Save: writes colors.DAT into the program's directory and tells the
// user where it went, or warns that nothing was saved and why. An existing
// file is replaced whole or left exactly as it was. Returns whether it saved.
bool run(const Declarations& scheme, toolkit::Runtime& runtime);

} // namespace SaveCommand
