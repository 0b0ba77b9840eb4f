// SPDX-License-Identifier: MIT
#include "fakeprogramservices.h"
#include "form1.h"
#include "program.h"
#ifdef Q_OS_LINUX
#include "filesizelimit.h"
#endif
#include "paintcounter.h"
#include "shape.h"

#include <QtTest>

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void layoutFollowsTheDesign_data();
    void layoutFollowsTheDesign();
    void designTimeState();
    void centredAndDocked();
    void menu();
    void accessLetterOpensTheMenu();
    void aLongPasteIsCutAtQtsCap();
    void keyboardOrder();
    void stepping_data();
    void stepping();
    void holdingAButtonKeepsStepping();
    void tickWidensTheBoxesAndPaintsTheSwatch();
    void aboutChangesNothing();
    void exitEndsWithoutSavingOrAsking();
    void saveFromTheMenu();
    void closingTheWindowEndsTheProgram();

private:
    // A control of the main window's own: the design view has a Label1 too.
    template <class T = QWidget>
    T* control(const char* name) const
    {
        for (T* found : m_window->findChildren<T*>(QLatin1String(name))) {
            QObject* owner = found;
            while (owner && owner != m_view)
                owner = owner->parent();
            if (!owner)
                return found;
        }
        qFatal("no control named %s", name);
    }
    QColor swatchColour() const
    {
        auto* mix = control("Mix");
        return mix->grab().toImage().pixelColor(mix->width() / 2, mix->height() / 2);
    }
    QAction* action(const char* name) const { return control<QAction>(name); }

    std::unique_ptr<FakeProgramServices> m_services;
    std::unique_ptr<Program> m_program;
    Declarations* m_scheme = nullptr;
    A* m_window = nullptr;
    Form1* m_view = nullptr;
};

void TestMainWindow::init()
{
    // As the program puts it together, at its design size.
    m_services = std::make_unique<FakeProgramServices>();
    m_program = std::make_unique<Program>(*m_services);
    m_scheme = &m_program->scheme();
    m_window = &m_program->mainWindow();
    m_view = &m_program->designView();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    m_program.reset();
    m_services.reset();
}

void TestMainWindow::layoutFollowsTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");

    // Twips / 15, relative to each control's container.
    QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 119, 436);
    QTest::newRow("Picture2") << "Picture2" << QRect(0, 436, 682, 16);
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 8, 97, 57);
    QTest::newRow("obj") << "obj" << QRect(16, 16, 65, 33);
    QTest::newRow("Frame2") << "Frame2" << QRect(8, 72, 97, 145);
    QTest::newRow("Shape1") << "Shape1" << QRect(8, 24, 17, 17);
    QTest::newRow("R") << "R" << QRect(32, 24, 25, 19);
    QTest::newRow("Command2") << "Command2" << QRect(56, 24, 17, 17);
    QTest::newRow("Command3") << "Command3" << QRect(72, 24, 17, 17);
    QTest::newRow("G") << "G" << QRect(32, 56, 25, 19);
    QTest::newRow("Shape3") << "Shape3" << QRect(8, 88, 17, 17);
    QTest::newRow("Command7") << "Command7" << QRect(72, 88, 17, 17);
    QTest::newRow("Mix") << "Mix" << QRect(8, 120, 81, 17);
    QTest::newRow("Default") << "Default" << QRect(8, 232, 97, 129);
    QTest::newRow("Label1") << "Label1" << QRect(288, 0, 121, 25);
}

void TestMainWindow::layoutFollowsTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QCOMPARE(control(name.toLatin1().constData())->geometry(), pixels);

    // The client area below the menu bar, and the child-window area it
    // leaves: the design view, wider than that, shows from its left edge,
    // with a scroll bar for the rest.
    QCOMPARE(m_window->centralWidget()->size(), QSize(682, 452));
    auto* area = m_window->findChild<QMdiArea*>();
    QCOMPARE(area->geometry(), QRect(119, 0, 563, 436));
    QVERIFY(m_view->isVisible());
    QCOMPARE(m_view->pos(), QPoint(0, 0));
    QVERIFY(area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QCOMPARE(area->horizontalScrollBar()->value(), area->horizontalScrollBar()->minimum());
}

void TestMainWindow::designTimeState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Veskoro Colour  Designer"));
    // Every size the desktop entry's icon has, for a window manager that
    // draws the window's own (KWin on X11).
    QCOMPARE(m_window->windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)}));
    QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("Current Object"));
    QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("Colour Selector"));
    QCOMPARE(control<QLabel>("obj")->text(), QStringLiteral("<NONE>"));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Made By Brisko (TWNQ)"));
    for (const char* box : {"R", "G", "B"})
        QCOMPARE(control<QLineEdit>(box)->text(), QStringLiteral("00"));
    QCOMPARE(control<QPushButton>("Command2")->text(), QStringLiteral("-"));
    QCOMPARE(control<QPushButton>("Command7")->text(), QStringLiteral("+"));
    QCOMPARE(control("R")->accessibleName(), QStringLiteral("Red channel"));
    QCOMPARE(control("Command6")->accessibleName(), QStringLiteral("Decrease blue"));

    QCOMPARE(swatchColour(), QColor(255, 0, 0));
    const auto chip = [this](const char* name) {
        return control(name)->grab().toImage().pixelColor(8, 8);
    };
    QCOMPARE(chip("Shape1"), QColor(255, 0, 0));
    QCOMPARE(chip("Shape2"), QColor(0, 255, 0));
    QCOMPARE(chip("Shape3"), QColor(0, 0, 255));

    auto* fixedLines = control<QPlainTextEdit>("Default");
    QVERIFY(!fixedLines->isVisible());
    QVERIFY(fixedLines->isReadOnly());
    QCOMPARE(fixedLines->toPlainText().split(u'\n').first(), QStringLiteral("#C6D6FD ; main text color"));
    QCOMPARE(fixedLines->toPlainText().count(u'\n'), 8);

#ifdef QV_ICON_DIRECTORY
    // The icons installed beside the program: every size, each the window's
    // picture scaled without smoothing, so no colour but its own appears.
    QSet<QRgb> own;
    const QImage picture = m_window->windowIcon().pixmap(32).toImage();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            own << picture.pixel(x, y);
    for (int size : {16, 32, 48, 64, 128}) {
        const QImage icon = QImage(QStringLiteral(QV_ICON_DIRECTORY "/%1.png").arg(size)).convertToFormat(picture.format());
        QCOMPARE(icon.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                QVERIFY2(own.contains(icon.pixel(x, y)), qPrintable(QStringLiteral("%1 px: %2,%3").arg(size).arg(x).arg(y)));
    }
#endif

    auto* timer1 = control<QTimer>("Timer1");
    QCOMPARE(timer1->interval(), 1000);
    QVERIFY(timer1->isActive());
}

void TestMainWindow::centredAndDocked()
{
    // Centred, at the design size where that fits; where it doesn't (at
    // scales 2 and 3 on the test's 800 x 600 screen), made to fit the
    // screen with a pixel to spare on each side, its smallest size giving
    // way if need be, with the menu and the three boxes and their buttons
    // in sight.
    const QRect screen = m_window->screen()->availableGeometry();
    const QRect frame = m_window->frameGeometry();
    QVERIFY(screen.contains(frame));
    // Placed so before it is first shown, so it opens where it stays.
    Declarations scheme;
    const A unshown(scheme, *m_services);
    QVERIFY(qAbs(unshown.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(unshown.geometry().center().y() - screen.center().y()) <= 1);
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
    if (screen.width() >= 682 && screen.height() >= 471)
        QCOMPARE(m_window->centralWidget()->size(), QSize(682, 452));
    else
        QCOMPARE(frame.size(), screen.size() - QSize(2, 2));
    for (const char* name : {"fmnu", "R", "G", "B", "Command6", "Command7"}) {
        QWidget* shown = std::string_view(name) == "fmnu" ? m_window->menuBar() : control(name);
        QVERIFY2(screen.contains(QRect(shown->mapToGlobal(QPoint(0, 0)), shown->size())), name);
    }
    // Moved by the user, it stays where it was put.
    m_window->move(screen.topLeft());
    QCoreApplication::processEvents();
    QCOMPARE(m_window->frameGeometry().topLeft(), screen.topLeft());

    // The panels follow the window's edges: the strip spans the whole width,
    // the left panel fills the height above it.
    m_window->resize(900, 700);
    QTRY_COMPARE(control("Picture2")->geometry(),
                 QRect(0, m_window->centralWidget()->height() - 16, 900, 16));
    QCOMPARE(control("Picture1")->geometry(), QRect(0, 0, 119, m_window->centralWidget()->height() - 16));
}

void TestMainWindow::menu()
{
    const QList<QAction*> bar = m_window->menuBar()->actions();
    QCOMPARE(bar.size(), 1);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("fmnu"));

    QStringList items;
    for (QAction* item : bar[0]->menu()->actions()) {
        items << item->objectName() + u'=' + item->text();
        QVERIFY(item->shortcut().isEmpty());
        QCOMPARE(item->isSeparator(), item->objectName() == QStringLiteral("mnusep"));
    }
    QCOMPARE(items, (QStringList{"fmnus=&Save", "fmnuA=&About", "mnusep=", "fmnue=&Exit"}));
}

void TestMainWindow::accessLetterOpensTheMenu()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QMenu* file = control<QMenu>("fmnu");
    QTest::keyClick(m_window, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    // Within the menu the access letters choose the item: A is About.
    QTest::keyClick(file, Qt::Key_A);
    QTRY_COMPARE(m_services->messages.size(), 1);
    QCOMPARE(m_services->messages[0].title, QStringLiteral("Veskoro Designer - About"));
}

// Only the first two characters count, so nothing that matters is cut.
void TestMainWindow::aLongPasteIsCutAtQtsCap()
{
    auto* red = control<QLineEdit>("R");
    const QString pasted = QStringLiteral("7F") + QString(10 * 1024 * 1024, u'x');
    QApplication::clipboard()->setText(pasted);
    red->selectAll();
    QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(red->text(), pasted.left(32767));
    m_window->timer1Tick();
    QCOMPARE(swatchColour(), QColor(0x7F, 0, 0));
}

void TestMainWindow::keyboardOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // A panel shows a line just inside its edge only where the keyboard
    // gave it the focus.
    const auto insideEdge = [this](const char* panel) {
        const QImage image = control(panel)->grab().toImage();
        return image.pixelColor(QPoint(1, 1) * image.devicePixelRatio());
    };
    control("Picture1")->setFocus();
    QCOMPARE(insideEdge("Picture1"), QColor(192, 192, 192));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"R", "G", "B", "Command2", "Command3", "Command4", "Command5",
                                   "Command6", "Command7", "Picture2"}));
    QCOMPARE(insideEdge("Picture2"), QColor(0, 0, 0));

    // Minimised and restored, the window keeps the focus where it was.
    control("G")->setFocus();
    m_window->setWindowState(Qt::WindowMinimized);
    m_window->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), control("G"));
}

void TestMainWindow::stepping_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("afterTick");

    QTest::newRow("FF plus stays") << "R" << "FF" << "Command3" << "FF" << "FF";
    QTest::newRow("00 minus stays") << "R" << "00" << "Command2" << "00" << "00";
    QTest::newRow("0 minus stays") << "R" << "0" << "Command2" << "0" << "00";
    QTest::newRow("10 minus gives F") << "R" << "10" << "Command2" << "F" << "0F";
    QTest::newRow("0F plus gives 10") << "R" << "0F" << "Command3" << "10" << "10";
    QTest::newRow("09 plus gives A") << "G" << "09" << "Command5" << "A" << "0A";
    QTest::newRow("lower-case ff minus") << "G" << "ff" << "Command4" << "FE" << "FE";
    QTest::newRow("lower-case ff plus stays") << "G" << "ff" << "Command5" << "ff" << "ff";
    QTest::newRow("G7 plus reads 7") << "B" << "G7" << "Command7" << "8" << "08";
    QTest::newRow("1FF plus reads 1F") << "B" << "1FF" << "Command7" << "20" << "20";
    QTest::newRow("empty plus") << "B" << "" << "Command7" << "1" << "01";
    QTest::newRow("C6 minus") << "B" << "C6" << "Command6" << "C5" << "C5";
    QTest::newRow("FE plus reaches FF") << "G" << "FE" << "Command5" << "FF" << "FF";
    QTest::newRow("01 minus reaches 0") << "B" << "01" << "Command6" << "0" << "00";
}

void TestMainWindow::stepping()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, button);
    QFETCH(QString, after);
    QFETCH(QString, afterTick);

    auto* edit = control<QLineEdit>(box.toLatin1().constData());
    edit->setText(before);
    QTest::mouseClick(control(button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(edit->text(), after);
    m_window->timer1Tick();
    QCOMPARE(edit->text(), afterTick);
}

void TestMainWindow::holdingAButtonKeepsStepping()
{
    auto* plus = control("Command3");
    QTest::mousePress(plus, Qt::LeftButton);
    QTRY_VERIFY(control<QLineEdit>("R")->text().toInt(nullptr, 16) >= 3);
    QTest::mouseRelease(plus, Qt::LeftButton);
}

void TestMainWindow::tickWidensTheBoxesAndPaintsTheSwatch()
{
    const auto slots = m_scheme->SchemeColour;
    m_window->timer1Tick();
    QCOMPARE(swatchColour(), QColor(0, 0, 0));

    // No box is being typed into: the focus is on a button, as after a click.
    control("Command2")->setFocus(Qt::MouseFocusReason);
    control<QLineEdit>("R")->setText(QStringLiteral("A"));
    control<QLineEdit>("G")->setText(QString());
    control<QLineEdit>("B")->setText(QStringLiteral("1FF"));
    m_window->timer1Tick();
    // The focused button tells the preview's new colour when asked.
    QCOMPARE(control("Command2")->accessibleDescription(), QStringLiteral("Preview 0A001F"));
    QCOMPARE(control<QLineEdit>("R")->text(), QStringLiteral("0A"));
    QCOMPARE(control<QLineEdit>("G")->text(), QString());
    QCOMPARE(control<QLineEdit>("B")->text(), QStringLiteral("1FF"));
    QCOMPARE(swatchColour(), QColor(10, 0, 31));

    // With no region selected, no slot is touched.
    QCOMPARE(m_scheme->CurrentObject, std::int16_t(-1));
    QCOMPARE(m_scheme->SchemeColour, slots);

    // A tick that changes nothing repaints nothing, the region's included.
    m_view->paintSlot(Declarations::Borders, QColor(0x12, 0x34, 0x56));
    m_window->showSelection(QStringLiteral("Borders"), {"12", "34", "56"});
    m_scheme->CurrentObject = Declarations::Borders;
    m_window->timer1Tick();
    QCoreApplication::processEvents();
    PaintCounter counter(qApp);
    m_window->timer1Tick();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
}

void TestMainWindow::aboutChangesNothing()
{
    m_window->showSelection(QStringLiteral("Borders"), {"12", "34", "5"});
    const auto slots = m_scheme->SchemeColour;
    action("fmnuA")->trigger();

    QCOMPARE(m_services->messages.size(), 1);
    const FakeProgramServices::Message& about = m_services->messages[0];
    QCOMPARE(about.icon, toolkit::ProgramServices::Icon::Information);
    QCOMPARE(about.title, QStringLiteral("Veskoro Designer - About"));
    QCOMPARE(about.text.split(QStringLiteral("\r\n")),
             (QStringList{"Made by:", "Brisko (TWNQ)", "----------", "This is a demonstration only"}));
    QCOMPARE(m_scheme->SchemeColour, slots);
    QCOMPARE(m_scheme->CurrentObject, std::int16_t(-1));
    QCOMPARE(control<QLineEdit>("B")->text(), QStringLiteral("5"));
    QCOMPARE(control<QLabel>("obj")->text(), QStringLiteral("Borders"));
}

void TestMainWindow::exitEndsWithoutSavingOrAsking()
{
    action("fmnue")->trigger();
    QCOMPARE(m_services->endRequests, 1);
    QVERIFY(m_services->messages.isEmpty());
    QVERIFY(m_services->directoryEntries().isEmpty());
}

void TestMainWindow::saveFromTheMenu()
{
    action("fmnus")->trigger();
    QCOMPARE(m_services->savedScheme().count("\r\n"), 14);
    QCOMPARE(m_services->messages.size(), 1);
    QCOMPARE(m_services->messages[0].title, QStringLiteral("Veskoro Designer"));
#ifdef Q_OS_LINUX
    // A disk that fills up is a reason given, not the end of the program.
    {
        const FileSizeLimit full(16);
        action("fmnus")->trigger();
    }
    QVERIFY(m_services->messages.last().text.endsWith(QStringLiteral("File too large")));
#endif
}

void TestMainWindow::closingTheWindowEndsTheProgram()
{
    // The event loop ends by itself once the window closes; if it did not,
    // the guard would end it with a failure code instead of hanging.
    QTimer::singleShot(0, m_window, &QWidget::close);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
