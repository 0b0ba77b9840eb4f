#include "a.h"
#include "declarations.h"
#include "form1.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::Runtime runtime;
    Declarations scheme;
    A mainWindow(scheme, runtime);
    mainWindow.showDesignView(new Form1(scheme, mainWindow));
    mainWindow.show();
    return app.exec();
}
