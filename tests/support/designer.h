// SPDX-License-Identifier: MIT
#pragma once

// The whole tool as the program puts it together, on the test services: the
// scheme, the main window and the design view inside it, shown large enough
// for the whole mock-up, its right-hand strip included. Links main_window
// and design_view.

#include "a.h"
#include "declarations.h"
#include "fakeprogramservices.h"
#include "form1.h"

#include <QTest>

// Puts the design view into the main window and connects the two, as the
// program does.
inline void assemble(A& window, Form1* view)
{
    window.showDesignView(view);
    QObject::connect(view, &Form1::regionSelected, &window, &A::showSelection);
    QObject::connect(&window, &A::slotPainted, view, &Form1::paintSlot);
    QObject::connect(&window, &A::designViewFocusRequested, view, &Form1::focusRegions);
}

struct Designer {
    Designer()
    {
        assemble(window, view);
        window.resize(900, 600);
        window.show();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&window); }

    FakeProgramServices services;
    Declarations scheme;
    A window{scheme, services};
    Form1* view = new Form1(scheme);
};
