#include "a.h"
#include "declarations.h"
#include "form1.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The Windows style draws the design view's frame a pixel taller than
    // the child-window area leaves it, and its caption without the bar;
    // Fusion, as on Linux, shows the mock-up as designed.
    QApplication::setStyle(QStringLiteral("fusion"));
#endif
    toolkit::Runtime runtime;
    Declarations scheme;
    A mainWindow(scheme, runtime);
    mainWindow.showDesignView(new Form1(scheme, mainWindow));
    mainWindow.show();
    return app.exec();
}
