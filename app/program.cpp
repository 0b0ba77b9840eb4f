// SPDX-License-Identifier: MIT
#include "program.h"

#include "fileoutput.h"
#include "form1.h"

Program::Program(toolkit::ProgramServices& services)
    : m_a(m_scheme, services)
    , m_form1(new Form1(m_scheme))
{
    // A full disk or a file-size limit is a reason Save gives, not the end
    // of the program.
    toolkit::treatFileSizeLimitAsWriteError();
    m_a.showDesignView(m_form1);
    QObject::connect(m_form1, &Form1::regionSelected, &m_a, &A::showSelection);
    QObject::connect(&m_a, &A::slotPainted, m_form1, &Form1::paintSlot);
    QObject::connect(&m_a, &A::designViewFocusRequested, m_form1, &Form1::focusRegions);
    m_a.show();
}
