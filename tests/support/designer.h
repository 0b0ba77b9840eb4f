#pragma once

// The whole tool as the program puts it together, on the test runtime: the
// scheme, the main window and the design view inside it, shown large enough
// for the whole mock-up, its right-hand strip included. Links main_window
// and design_view.

#include "a.h"
#include "declarations.h"
#include "fakeruntime.h"
#include "form1.h"

#include <QTest>

struct Designer {
    Designer()
    {
        window.showDesignView(view);
        window.resize(900, 600);
        window.show();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&window); }

    FakeRuntime runtime;
    Declarations scheme;
    A window{scheme, runtime};
    Form1* view = new Form1(scheme, window);
};
