// SPDX-License-Identifier: MIT
#pragma once

// The whole tool as the program puts it together, on the test services,
// shown large enough for the whole mock-up, its right-hand strip included.
// Links program.

#include "fakeprogramservices.h"
#include "form1.h"
#include "program.h"

#include <QTest>

struct Designer {
    Designer() { window.resize(900, 600); }

    bool exposed() { return QTest::qWaitForWindowExposed(&window); }

    FakeProgramServices services;
    Program program{services};
    Declarations& scheme = program.scheme();
    A& window = program.mainWindow();
    Form1* view = &program.designView();
};
