// SPDX-License-Identifier: MIT
#pragma once

#include "a.h"
#include "accessibility.h"
#include "declarations.h"

class Form1;

namespace toolkit {
class ProgramServices;
}

// The whole tool put together on the services given: the scheme, the main
// window A and the design view Form1 inside it, and the connections through
// which the two windows talk. The program runs on the real services; a test
// passes its own and gets the same tool.
class Program {
public:
    explicit Program(toolkit::ProgramServices& services);

    Declarations& scheme() { return m_scheme; }
    A& mainWindow() { return m_a; }
    Form1& designView() { return *m_form1; }

private:
    // What screen readers are told of the panels, the mock-up and the
    // swatch, put in place before any window exists: Qt keeps the first
    // description it makes of a control.
    struct AccessibleInterfaces {
        AccessibleInterfaces() { toolkit::installAccessibleInterfaces(); }
    } m_accessibleInterfaces;
    // The scheme holds its start values from the first; A, loaded next,
    // shows them, and the design view, its child, is loaded after it.
    Declarations m_scheme;
    A m_a;
    Form1* m_form1 = nullptr;
};
