// SPDX-License-Identifier: MIT
#include "twips.h"

#include <QWidget>

namespace toolkit {

void place(QWidget* control, const char* name, const Twips& rect)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(toPixels(rect));
}

} // namespace toolkit
