// SPDX-License-Identifier: MIT
#include "designer.h"
#include "shape.h"

#include <QtTest>

#include <QAbstractButton>
#include <QAccessible>
#include <QFontDatabase>
#include <functional>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionTitleBar>
#include <QLineEdit>
#include <QMdiArea>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

const QColor kWhite(255, 255, 255);

// Desktops whose text colour does not read on the design's fixed fills: a
// dark one (as qt6ct's "darker"), a high-contrast one (black, white, cyan),
// and a dim one whose grey text and green selection read on the grey as
// graphics do (3 : 1), not as text must (4.5 : 1), though the green reads as
// text on white.
QPalette desktopPalette(const QString& desktop)
{
    using Role = QPalette::ColorRole;
    const Role roles[] = {Role::Window, Role::WindowText, Role::Base, Role::Text, Role::Button,
                          Role::ButtonText, Role::Light, Role::Dark, Role::Highlight, Role::HighlightedText};
    const QColor dark[] = {{49, 49, 49}, {220, 220, 220}, {35, 35, 35}, {220, 220, 220}, {49, 49, 49},
                           {220, 220, 220}, {90, 90, 90}, {20, 20, 20}, {61, 174, 233}, {0, 0, 0}};
    const QColor highContrast[] = {{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0},
                                   {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {0, 255, 255}, {0, 0, 0}};
    QPalette palette = QApplication::palette();
    if (desktop == QLatin1String("light"))
        return palette;
    if (desktop == QLatin1String("dim")) {
        palette.setColor(Role::WindowText, QColor(100, 100, 100));
        palette.setColor(Role::Highlight, QColor(0, 120, 0));
        return palette;
    }
    const QColor* colours = desktop == QLatin1String("dark") ? dark : highContrast;
    for (std::size_t i = 0; i < std::size(roles); ++i)
        palette.setColor(roles[i], colours[i]);
    return palette;
}

// The desktop's palette for as long as it lives, as if the user switched to
// it while the program runs: under qt6ct (the tst_designview_under_qt6ct
// run), through its own reload, by replacing its configuration file as its
// settings tool does; elsewhere as Qt delivers a new palette.
class Desktop {
public:
    explicit Desktop(const QString& name) { use(desktopPalette(name)); }
    ~Desktop() { use(m_saved); }
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    static void use(const QPalette& palette)
    {
        if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") != QLatin1String("qt6ct")) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents();
            return;
        }
        const QDir home(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/qt6ct"));
        QFile scheme(home.filePath(QStringLiteral("scheme.conf")));
        QVERIFY(scheme.open(QIODevice::WriteOnly));
        scheme.write("[ColorScheme]\n");
        for (auto [group, key] : {std::pair{QPalette::Active, "active"}, {QPalette::Inactive, "inactive"},
                                  {QPalette::Disabled, "disabled"}}) {
            QStringList colours;
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                colours << palette.color(group, QPalette::ColorRole(role)).name(QColor::HexArgb);
            scheme.write(QByteArray(key) + "_colors=" + colours.join(QStringLiteral(", ")).toLatin1() + '\n');
        }
        scheme.close();
        QFile config(home.filePath(QStringLiteral("qt6ct.conf.new")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[Appearance]\ncustom_palette=true\nstyle=Fusion\ncolor_scheme_path="
                     + QFile::encodeName(scheme.fileName()) + '\n');
        config.close();
        QVERIFY(std::rename(QFile::encodeName(config.fileName()), QFile::encodeName(home.filePath(QStringLiteral("qt6ct.conf")))) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::palette().color(QPalette::Window) == palette.color(QPalette::Window), 20000);
        QCoreApplication::processEvents();
    }

    QPalette m_saved = QApplication::palette();
};

// The guidelines' contrast ratio of two colours, from their relative
// luminance.
double contrast(const QColor& first, const QColor& second)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Types text as a keyboard would. QTest can name only ASCII keys; any other
// character arrives as a key event that carries its text, as from a keyboard
// layout that has it.
void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (character[0].unicode() < 0x80)
            QTest::keyClicks(widget, character);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, character, Qt::NoModifier);
        i += length - 1;
    }
}

// Where the keyboard focus goes, press by press.
QStringList focusAfterEachPress(int key, Qt::KeyboardModifiers modifiers, int presses)
{
    QStringList visited;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

} // namespace

class TestDesignView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void designTimeState();
    void hitTesting_data();
    void hitTesting();
    void rightAfterStartEachRegionLoadsItsSlot();
    void selectionLoadsTheSlotAndTheTickKeepsIt();
    void switchingRegionsKeepsWhatTheLastTickStored();
    void tickPaintsTheSelectedFill_data();
    void tickPaintsTheSelectedFill();
    void bordersRepaintOutlinesOnly();
    void workedExampleFromClickToSavedLine();
    void whateverIsTypedSavesWhatIsShown_data();
    void whateverIsTypedSavesWhatIsShown();
    void closingTheViewIsRefused();
    void tabChainWrapsBothWays();
    void regionsChosenFromTheKeyboard();
    void regionsForAssistiveTechnology();
    void textsFitTheirRectangles_data();
    void textsFitTheirRectangles();
    void outlinesOnEveryEdge_data();
    void outlinesOnEveryEdge();
    void wheelDragAndShrinking();

private:
    // Clicks the design view at a point given in twips, through the window,
    // so that Qt decides which control takes it.
    void clickAt(int x, int y)
    {
        const QPoint inClient(x / 15, y / 15);
        QTest::mouseClick(m_tool->window.windowHandle(), Qt::LeftButton, {},
                          m_tool->view->widget()->mapTo(&m_tool->window, inClient));
    }
    QColor pixelAt(int x, int y) const
    {
        return m_tool->view->widget()->grab().toImage().pixelColor(x / 15, y / 15);
    }
    QColor swatch() const
    {
        auto* mix = m_tool->window.findChild<QWidget*>(QStringLiteral("Mix"));
        return mix->grab().toImage().pixelColor(mix->width() / 2, mix->height() / 2);
    }
    QLineEdit* box(const char* name) const
    {
        return m_tool->window.findChild<QLineEdit*>(QLatin1String(name));
    }
    QString boxes() const
    {
        return box("R")->text() + u'|' + box("G")->text() + u'|' + box("B")->text();
    }
    void setBoxes(const QString& red, const QString& green, const QString& blue)
    {
        box("R")->setText(red);
        box("G")->setText(green);
        box("B")->setText(blue);
    }
    QString objText() const
    {
        return m_tool->window.findChild<QLabel*>(QStringLiteral("obj"))->text();
    }
    toolkit::Shape* shape(const char* name) const
    {
        return m_tool->view->findChild<toolkit::Shape*>(QLatin1String(name));
    }

    std::unique_ptr<Designer> m_tool;
};

void TestDesignView::init()
{
    // A screen reader listens from the start, as Orca does: Qt describes
    // each control as soon as the program names it.
    QAccessible::setActive(true);
    m_tool = std::make_unique<Designer>();
    QVERIFY(m_tool->exposed());
}

void TestDesignView::cleanup()
{
    m_tool.reset();
}

void TestDesignView::designTimeState()
{
    QCOMPARE(m_tool->view->windowTitle(), QStringLiteral("Quellor Veskoro (Design View)"));
    QCOMPARE(m_tool->view->widget()->size(), QSize(587, 389));
    QCOMPARE(m_tool->view->minimumSize(), m_tool->view->maximumSize());
    QVERIFY(!(m_tool->view->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(m_tool->view->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(m_tool->view->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});

    // Every region white, outlined in the window-text colour but the backdrop.
    const QColor outline = m_tool->view->palette().color(QPalette::WindowText);
    QCOMPARE(pixelAt(4000, 2500), kWhite);
    QCOMPARE(pixelAt(60, 2500), kWhite);
    QCOMPARE(pixelAt(2640, 2500), outline);  // left edge of the chat area
    QCOMPARE(pixelAt(120, 2500), outline);   // left edge of the main panel
    QCOMPARE(pixelAt(4000, 5280), outline);  // top edge of the bottom bar
    QCOMPARE(pixelAt(0, 2500), kWhite);      // the backdrop has none

    auto* label = m_tool->view->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("Border Object"));
    QCOMPARE(label->geometry(), QRect(192, 48, 41, 25));
    QVERIFY(label->heightForWidth(label->width()) > label->fontMetrics().height());

    // The captions' font is the program's own, from its resources, not one
    // the machine happens to have.
    QCOMPARE(QFontDatabase::applicationFontFamilies(0), QStringList{"DejaVu Sans"});
    QCOMPARE(QFontInfo(m_tool->window.font()).family(), QStringLiteral("DejaVu Sans"));
    // Hinted up and down only: the letters keep the font's own spacing,
    // which falls between whole pixels, not stretched or squeezed to them.
    const qreal advance = QFontMetricsF(m_tool->window.font()).horizontalAdvance(QStringLiteral("Colour Selector"));
    QVERIFY2(advance != std::round(advance), qPrintable(QString::number(advance)));

    // Every item of the control arrays BGS and BGAS selects its array's slot.
    const auto item = [this](const char* name) { return m_tool->view->findChild<QAbstractButton*>(QLatin1String(name)); };
    for (auto [name, region] : {std::pair{"BGAS(0)", "BackGround"}, {"BGS(0)", "Absolute BackGround"},
                                {"BGAS(1)", "BackGround"}, {"BGS(1)", "Absolute BackGround"},
                                {"BGS(2)", "Absolute BackGround"}, {"BGS(3)", "Absolute BackGround"}}) {
        item(name)->click();
        QCOMPARE(objText(), QLatin1String(region));
    }

    auto* chat = m_tool->view->findChild<QWidget*>(QStringLiteral("BGBS"));
    QCOMPARE(chat->accessibleName(), QStringLiteral("Chat BackGround"));
    QCOMPARE(chat->toolTip(), QStringLiteral("Chat BackGround"));
    QCOMPARE(shape("BG(0)")->geometry(), QRect(-8, -8, 601, 401));
    QCOMPARE(m_tool->view->findChild<QWidget*>(QStringLiteral("BGS(0)"))->geometry(), QRect(0, 0, 585, 353));

    // What the whole window shows, as a person sees it.
    const QImage shown = m_tool->window.grab().toImage();
    const auto at = [&](const char* name, QPoint point, QWidget* in) {
        return shown.pixelColor(in->findChild<QWidget*>(QLatin1String(name))->mapTo(&m_tool->window, point));
    };
    QCOMPARE(at("Picture1", QPoint(4, 300), &m_tool->window), QColor(192, 192, 192));
    QCOMPARE(at("Picture2", QPoint(10, 8), &m_tool->window), QColor(192, 192, 192));
    auto* area = m_tool->window.findChild<QMdiArea*>();
    QCOMPARE(shown.pixelColor(area->mapTo(&m_tool->window, QPoint(area->width() - 5, 5))), QColor(224, 224, 224));
    // The inks: the maker's line in navy, since this style's selection
    // colour reads 2 : 1 on the grey (navy blends with grey as blue over
    // equal red and green), and "Border Object" drawn dark over its white
    // square.
    const auto inkIn = [&](const QImage& image, QWidget* widget, const std::function<bool(const QColor&)>& isInk) {
        const QRect rect(widget->mapTo(&m_tool->window, QPoint(0, 0)), widget->visibleRegion().boundingRect().size());
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += isInk(image.pixelColor(x, y));
        return count;
    };
    const auto dark = [](const QColor& c) { return c.red() < 128; };
    QWidget* makersLine = m_tool->window.findChild<QWidget*>(QStringLiteral("Picture2"))->findChild<QWidget*>(QStringLiteral("Label1"));
    const auto navy = [](const QColor& c) { return c.blue() - c.red() > 50 && qAbs(c.green() - c.red()) < 20; };
    QVERIFY(inkIn(shown, makersLine, navy) > 40);
    QVERIFY(inkIn(shown, label, dark) > 40);

    // On a dark desktop, switched to while the program runs, the labels on
    // the design's fixed fills stay dark: near-white text would not read.
    const Desktop darkDesktop(QStringLiteral("dark"));
    const QImage onDark = m_tool->window.grab().toImage();
    QVERIFY(inkIn(onDark, label, dark) > 40);
    QVERIFY(inkIn(onDark, m_tool->window.findChild<QWidget*>(QStringLiteral("obj")), dark) > 40);
    QCOMPARE(onDark.pixelColor(m_tool->window.findChild<QWidget*>(QStringLiteral("Picture1"))->mapTo(&m_tool->window, QPoint(1, 300))),
             QColor(192, 192, 192)); // no focus rectangle on a panel without the focus
    // Text is judged as text, on the grey it lies on: the dim desktop's grey
    // gives way to black in the label and the frame's caption, its green to
    // navy in the maker's line.
    const Desktop dimDesktop(QStringLiteral("dim"));
    const QImage onDim = m_tool->window.grab().toImage();
    const auto black = [](const QColor& c) { return c.red() < 60 && c.green() < 60; };
    QVERIFY(inkIn(onDim, m_tool->window.findChild<QWidget*>(QStringLiteral("obj")), black) > 40);
    QWidget* frame1 = m_tool->window.findChild<QWidget*>(QStringLiteral("Frame1"));
    int caption = 0;
    for (int y = 0; y < 6; ++y) // above the frame's etched line
        for (int x = 0; x < frame1->width(); ++x)
            caption += black(onDim.pixelColor(frame1->mapTo(&m_tool->window, QPoint(x, y))));
    QVERIFY(caption > 20);
    QVERIFY(inkIn(onDim, makersLine, navy) > 40);
}

void TestDesignView::hitTesting_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("slot");

    // Points in twips inside the design view's client area.
    QTest::newRow("sample square") << 2800 << 650 << 3;
    QTest::newRow("words of the label") << 3000 << 850 << 3;
    QTest::newRow("chat area") << 4000 << 2500 << 2;
    QTest::newRow("chat area beside the sample square") << 3600 << 700 << 2;
    QTest::newRow("strip under the chat area") << 3000 << 4900 << 0;
    QTest::newRow("right column") << 7000 << 2500 << 0;
    QTest::newRow("right column below the left one") << 7000 << 4900 << 0;
    QTest::newRow("left column") << 1000 << 2500 << 0;
    QTest::newRow("bottom bar") << 4000 << 5500 << 1;
    QTest::newRow("bottom bar at the left edge") << 30 << 5500 << 1;
    QTest::newRow("main panel between columns") << 2580 << 2500 << 1;
    QTest::newRow("main panel above the columns") << 4000 << 300 << 1;
    QTest::newRow("main panel right of the strip") << 5800 << 4900 << 1;
    QTest::newRow("left margin") << 60 << 2500 << 0;
    QTest::newRow("top margin") << 4000 << 60 << 0;
    QTest::newRow("right margin") << 8700 << 2500 << 0;
    QTest::newRow("gap above the bottom bar") << 4000 << 5220 << 0;
    QTest::newRow("dead strip") << 8790 << 2500 << -1;
    QTest::newRow("dead strip beside the bottom bar") << 8790 << 5500 << -1;

    // Each target's first and last pixel inside, and the first pixel outside
    // it, where the front-to-back order decides (pixels, 15 twips each).
    const auto row = [](const char* name, int x, int y, int slot) {
        QTest::newRow(name) << x * 15 << y * 15 << slot;
    };
    row("BGCS first pixel", 184, 40, 3);
    row("BGCS last pixel", 232, 80, 3);
    row("left of BGCS", 183, 60, 2);
    row("right of BGCS", 233, 60, 2);
    row("below BGCS", 200, 81, 2);
    row("BGBS first pixel", 176, 32, 2);
    row("BGBS last pixel", 408, 312, 2);
    row("left of BGBS", 175, 100, 1);
    row("right of BGBS", 409, 100, 1);
    row("below BGBS", 300, 313, 1);
    row("BGS(3) first pixel", 176, 320, 0);
    row("BGS(3) last pixel", 368, 336, 0);
    row("right of BGS(3)", 369, 330, 1);
    row("below BGS(3)", 200, 337, 1);
    row("BGS(2) first pixel", 416, 32, 0);
    row("BGS(2) last pixel", 568, 336, 0);
    row("left of BGS(2)", 415, 100, 1);
    row("right of BGS(2)", 569, 100, 1);
    row("below BGS(2)", 500, 337, 1);
    row("BGS(1) first pixel", 16, 32, 0);
    row("BGS(1) last pixel", 168, 312, 0);
    row("left of BGS(1)", 15, 100, 1);
    row("right of BGS(1)", 169, 100, 1);
    row("below BGS(1)", 100, 313, 1);
    row("BGAS(1) first pixel", 0, 352, 1);
    row("BGAS(1) last pixel", 584, 388, 1);
    row("above BGAS(1)", 100, 351, 0);
    row("right of BGAS(1)", 585, 370, -1);
    row("BGAS(0) first pixel", 8, 8, 1);
    row("BGAS(0) last pixel", 576, 344, 1);
    row("left of BGAS(0)", 7, 100, 0);
    row("right of BGAS(0)", 577, 100, 0);
    row("below BGAS(0)", 100, 345, 0);
    row("BGS(0) first pixel", 0, 0, 0);
    row("BGS(0) last pixel", 584, 351, 0);
    row("right of BGS(0)", 585, 100, -1);
}

void TestDesignView::hitTesting()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, slot);

    clickAt(x, y);
    QCOMPARE(int(m_tool->scheme.CurrentObject), slot);
    const char* const names[] = {"Absolute BackGround", "BackGround", "Chat BackGround", "Borders"};
    QCOMPARE(objText(), QLatin1String(slot == -1 ? "<NONE>" : names[slot]));
    QCOMPARE(boxes(), QString(slot == -1 ? "00|00|00" : slot == 3 ? "00|00|00" : "FF|FF|FF"));
}

void TestDesignView::rightAfterStartEachRegionLoadsItsSlot()
{
    // Pressed on the chat area or the border sample and let go off it: no
    // selection, and the pressed region does not take the keyboard's focus.
    m_tool->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_tool->window));
    const auto inWindow = [this](int x, int y) { return m_tool->view->widget()->mapTo(&m_tool->window, QPoint(x, y) / 15); };
    for (QPoint pressed : {QPoint(4000, 2500), QPoint(2800, 650)}) {
        QTest::mousePress(m_tool->window.windowHandle(), Qt::LeftButton, {}, inWindow(pressed.x(), pressed.y()));
        QTest::mouseRelease(m_tool->window.windowHandle(), Qt::LeftButton, {}, inWindow(8790, 2500));
        QVERIFY(QApplication::focusWidget() != m_tool->view->widget()->childAt(pressed / 15));
    }
    QCOMPARE(objText(), QStringLiteral("<NONE>"));

    clickAt(4000, 2500);
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));
    // F6 from the region clicked goes back to the red box, where the
    // keyboard began.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), box("R"));
    clickAt(2800, 650);
    QCOMPARE(objText(), QStringLiteral("Borders"));
    QCOMPARE(boxes(), QStringLiteral("00|00|00"));
    clickAt(1000, 2500);
    QCOMPARE(objText(), QStringLiteral("Absolute BackGround"));
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));
}

void TestDesignView::selectionLoadsTheSlotAndTheTickKeepsIt()
{
    m_tool->window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    m_tool->scheme.SchemeColour[Declarations::Background] = "C6D6FD";
    const auto slots = m_tool->scheme.SchemeColour;
    clickAt(4000, 300);
    QCOMPARE(objText(), QStringLiteral("BackGround"));
    QCOMPARE(boxes(), QStringLiteral("C6|D6|FD"));
    // The click runs no tick: no slot, swatch or region changes until the next one.
    QCOMPARE(m_tool->scheme.SchemeColour, slots);
    QCOMPARE(swatch(), QColor(255, 0, 0));
    QCOMPARE(pixelAt(4000, 300), kWhite);
    m_tool->window.timer1Tick();
    QCOMPARE(m_tool->scheme.SchemeColour[Declarations::Background], std::string("C6D6FD"));
    QCOMPARE(pixelAt(4000, 300), QColor(0xC6, 0xD6, 0xFD));
}

void TestDesignView::switchingRegionsKeepsWhatTheLastTickStored()
{
    clickAt(4000, 2500);
    setBoxes(QStringLiteral("12"), QStringLiteral("FF"), QStringLiteral("FF"));
    m_tool->window.timer1Tick();
    box("R")->setText(QStringLiteral("34")); // no tick before the next click
    clickAt(1000, 2500);
    QCOMPARE(m_tool->scheme.SchemeColour[Declarations::ChatBackground], std::string("12FFFF"));
    QCOMPARE(pixelAt(4000, 2500), QColor(0x12, 0xFF, 0xFF));
}

void TestDesignView::tickPaintsTheSelectedFill_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QList<QPoint>>("painted");
    QTest::addColumn<QList<QPoint>>("untouched");

    const QPoint margin(60, 2500), gap(4000, 5220), left(1000, 2500), right(7000, 2500),
        strip(3000, 4900), panel(4000, 300), bar(4000, 5500), chat(4000, 2500), sample(2800, 650);
    QTest::newRow("absolute background") << 1000 << 2500
                                         << QList<QPoint>{margin, gap, left, right, strip}
                                         << QList<QPoint>{panel, bar, chat, sample};
    QTest::newRow("background") << 4000 << 300 << QList<QPoint>{panel, bar}
                                << QList<QPoint>{margin, gap, left, right, strip, chat, sample};
    QTest::newRow("chat background") << 4000 << 2500 << QList<QPoint>{chat}
                                     << QList<QPoint>{margin, panel, bar, left, strip, sample};
}

void TestDesignView::tickPaintsTheSelectedFill()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QList<QPoint>, painted);
    QFETCH(QList<QPoint>, untouched);

    clickAt(x, y);
    setBoxes(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56"));
    m_tool->window.timer1Tick();

    const QColor colour(0x12, 0x34, 0x56);
    QCOMPARE(swatch(), colour);
    for (const QPoint& point : painted)
        QCOMPARE(pixelAt(point.x(), point.y()), colour);
    for (const QPoint& point : untouched)
        QCOMPARE(pixelAt(point.x(), point.y()), kWhite);
    QCOMPARE(m_tool->scheme.SchemeColour[std::size_t(m_tool->scheme.CurrentObject)], std::string("123456"));
}

void TestDesignView::bordersRepaintOutlinesOnly()
{
    clickAt(2800, 650);
    setBoxes(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56"));
    m_tool->window.timer1Tick();

    const QColor colour(0x12, 0x34, 0x56);
    QCOMPARE(pixelAt(2640, 2500), colour); // chat area's edge
    QCOMPARE(pixelAt(2760, 900), colour);  // the sample square's edge
    QCOMPARE(pixelAt(120, 2500), colour);  // the main panel's edge
    QCOMPARE(pixelAt(240, 2500), colour);  // the left column's edge
    QCOMPARE(pixelAt(4000, 5280), colour); // the bottom bar's edge
    QCOMPARE(pixelAt(4000, 2500), kWhite);
    QCOMPARE(pixelAt(2800, 650), kWhite);
    QCOMPARE(pixelAt(0, 2500), kWhite);    // the backdrop shows no outline
    QCOMPARE(shape("BG(0)")->borderColour(), colour);
    QCOMPARE(shape("BG(0)")->fillColour(), kWhite);
    QCOMPARE(m_tool->scheme.SchemeColour[Declarations::Borders], std::string("123456"));
}

void TestDesignView::workedExampleFromClickToSavedLine()
{
    clickAt(4000, 2500);
    QCOMPARE(m_tool->scheme.CurrentObject, std::int16_t(2));
    QCOMPARE(objText(), QStringLiteral("Chat BackGround"));
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));

    QTest::mouseClick(m_tool->window.findChild<QWidget*>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(box("R")->text(), QStringLiteral("FE"));
    m_tool->window.timer1Tick();
    QCOMPARE(swatch(), QColor(254, 255, 255));
    QCOMPARE(pixelAt(4000, 2500), QColor(254, 255, 255));
    QCOMPARE(m_tool->scheme.SchemeColour[Declarations::ChatBackground], std::string("FEFFFF"));

    m_tool->window.findChild<QAction*>(QStringLiteral("fmnus"))->trigger();
    QVERIFY(m_tool->services.savedScheme().endsWith("\r\n#FEFFFF ; chat background\r\n"));
    QCOMPARE(m_tool->services.messages.size(), 1);
    QVERIFY(m_tool->services.messages[0].text.startsWith(QStringLiteral("The file 'colors.DAT' has been placed")));
}

void TestDesignView::whateverIsTypedSavesWhatIsShown_data()
{
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("green");
    QTest::addColumn<QString>("blue");
    QTest::addColumn<bool>("tickBetweenKeys");
    QTest::addColumn<QString>("colour");
    // The boxes after the last tick, with the focus still in B: the box being
    // typed into keeps its text, the others are widened.
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << "" << "" << "" << false << "000000" << "||";
    QTest::newRow("one character") << "A" << "7" << "f" << false << "0A070F" << "0A|07|f";
    QTest::newRow("lower case") << "ff" << "ab" << "0c" << false << "FFAB0C" << "ff|ab|0c";
    QTest::newRow("beyond F") << "G7" << "ZZ" << "-5" << false << "070005" << "G7|ZZ|-5";
    QTest::newRow("long") << "1FFFFFFF" << QString(300, u'9') << "FE12" << false << "1F99FE"
                          << "1FFFFFFF|" + QString(300, u'9') + "|FE12";
    QTest::newRow("non-ASCII") << QStringLiteral("\u00e97") << QStringLiteral("\u00ff\u00ff")
                               << QStringLiteral("\u65e5\u672c") << false << "070000"
                               << QStringLiteral("\u00e97|\u00ff\u00ff|\u65e5\u672c");
    QTest::newRow("digit then non-ASCII") << QStringLiteral("7\u00e9") << QStringLiteral("\u00b2")
                                          << QStringLiteral("A\U0001F600") << false << "7000A0"
                                          << QStringLiteral("7\u00e9|0\u00b2|A\U0001F600");
    // Their low bytes are A, 1 and F, yet they are no digits.
    QTest::newRow("non-ASCII with a digit's low byte") << QStringLiteral("\u0141\u0131") << QStringLiteral("7\u0146")
                                                       << QStringLiteral("\u0131") << false << "007000"
                                                       << QStringLiteral("\u0141\u0131|7\u0146|\u0131");
    // The tick falls after the first key in every box: 80 stays 80, and
    // G's lone 8 becomes 08 only once the focus has moved on.
    QTest::newRow("a tick between the keys") << "80" << "8" << "C0" << true << "8008C0" << "80|08|C0";
}

void TestDesignView::whateverIsTypedSavesWhatIsShown()
{
    QFETCH(QString, red);
    QFETCH(QString, green);
    QFETCH(QString, blue);
    QFETCH(bool, tickBetweenKeys);
    QFETCH(QString, colour);
    QFETCH(QString, shown);

    clickAt(4000, 2500);
    for (auto [name, text] : {std::pair{"R", red}, std::pair{"G", green}, std::pair{"B", blue}}) {
        QLineEdit* edit = box(name);
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text.left(1));
        if (tickBetweenKeys)
            m_tool->window.timer1Tick();
        typeText(edit, text.mid(1));
        QCOMPARE(edit->text(), text);
    }
    m_tool->window.timer1Tick();
    m_tool->window.findChild<QAction*>(QStringLiteral("fmnus"))->trigger();

    const QList<QByteArray> lines = m_tool->services.savedScheme().split('\n');
    QCOMPARE(lines.size(), 15);
    QVERIFY(lines.last().isEmpty());
    const QRegularExpression colourLine(QStringLiteral("^#[0-9A-F]{6} ; [A-Za-z ]+\r$"));
    for (int i = 1; i < 14; ++i)
        QVERIFY2(colourLine.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());

    QCOMPARE(lines[13], QByteArray("#" + colour.toLatin1() + " ; chat background\r"));
    const QColor painted = QColor(u'#' + colour);
    QCOMPARE(swatch(), painted);
    QCOMPARE(pixelAt(4000, 2500), painted);
    QCOMPARE(boxes(), shown);
}

void TestDesignView::closingTheViewIsRefused()
{
    QVERIFY(!m_tool->view->close());
    QVERIFY(m_tool->view->isVisible());
    clickAt(4000, 2500);
    setBoxes(QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"));
    m_tool->window.timer1Tick();
    QCOMPARE(pixelAt(4000, 2500), QColor(1, 2, 3));
}

// As the program starts: the user can type at once, and Tab and Shift+Tab
// go round the design's chain without ever sticking.
void TestDesignView::tabChainWrapsBothWays()
{
    m_tool->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_tool->window));
    QCOMPARE(QApplication::focusWidget(), box("R"));

    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::NoModifier, 13),
             (QStringList{"G", "B", "Command2", "Command3", "Command4", "Command5", "Command6",
                          "Command7", "Picture2", "Picture1", "R", "G", "B"}));
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 13),
             (QStringList{"G", "R", "Picture1", "Picture2", "Command7", "Command6", "Command5",
                          "Command4", "Command3", "Command2", "B", "G", "R"}));

    // Once the keyboard has moved the focus, a panel shows it while it has
    // it, and only then.
    auto* picture1 = m_tool->window.findChild<QWidget*>(QStringLiteral("Picture1"));
    const auto edge = [&] {
        return m_tool->window.grab().toImage().pixelColor(picture1->mapTo(&m_tool->window, QPoint(1, 300)));
    };
    QCOMPARE(edge(), QColor(192, 192, 192));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), picture1);
    // Black on the grey, 11 : 1, where high contrast's white would be 1.8 : 1.
    const Desktop highContrast(QStringLiteral("high contrast"));
    QCOMPARE(edge(), QColor(0, 0, 0));
    box("R")->setFocus();
    picture1->setFocus(Qt::OtherFocusReason);
    QCOMPARE(edge(), QColor(192, 192, 192));
    // The strip's line is broken where the maker's line lies, clear of its
    // letters.
    QTest::keyClick(picture1, Qt::Key_Tab, Qt::ShiftModifier);
    auto* picture2 = m_tool->window.findChild<QWidget*>(QStringLiteral("Picture2"));
    const QImage strip = picture2->grab().toImage();
    QCOMPARE(strip.pixelColor(100, 1), QColor(0, 0, 0));
    QCOMPARE(strip.pixelColor(300, 1), QColor(192, 192, 192));
}

void TestDesignView::regionsChosenFromTheKeyboard()
{
    m_tool->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_tool->window));
    const QImage unfocused = m_tool->window.grab().toImage();
    m_tool->scheme.SchemeColour[Declarations::AbsoluteBackground] = "C6D6FD";

    // F6 goes in, at the front-most target, and Tab goes round front to back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BGCS"));
    // The ring, at once: inside the border sample's outline and a pixel of
    // its white, two lines of the selection colour and one of its text
    // colour. Where the desktop's selection colour does not read on white
    // (3 : 1), as on this dark desktop, the ring is navy, and its text
    // colour's black, 1.3 : 1 on navy, gives way to white.
    const auto acrossTheSample = [this] {
        const QImage image = m_tool->window.grab().toImage();
        QList<QColor> seen;
        for (int x = 184; x < 190; ++x)
            seen << image.pixelColor(m_tool->view->widget()->mapTo(&m_tool->window, QPoint(x, 60)));
        return seen;
    };
    const QColor black(0, 0, 0), highlight = QApplication::palette().color(QPalette::Highlight);
    QCOMPARE(acrossTheSample(), (QList<QColor>{black, kWhite, highlight, highlight, kWhite, kWhite}));
    const auto captionBar = [this] {
        return m_tool->window.grab().toImage().pixelColor(
            m_tool->view->mapTo(&m_tool->window, QPoint(m_tool->view->width() - 60, 4)));
    };
    const QColor lightBar = captionBar();
    // The caption's white reads on it as text should, 4.5 : 1.
    QVERIFY2(contrast(lightBar, kWhite) >= 4.5, qPrintable(lightBar.name()));
    // Its title shows, in white; while the view is not the active child
    // window, the bar is drawn as an inactive one.
    const auto titleInk = [this] {
        const QImage image = m_tool->window.grab().toImage();
        int ink = 0;
        for (int y = 2; y < 14; ++y)
            for (int x = m_tool->view->width() / 2 - 60; x < m_tool->view->width() / 2 + 60; ++x)
                ink += image.pixelColor(m_tool->view->mapTo(&m_tool->window, QPoint(x, y))).lightness() > 220;
        return ink;
    };
    QVERIFY(titleInk() > 40);
    {
        const Desktop dark(QStringLiteral("dark"));
        QCOMPARE(acrossTheSample(), (QList<QColor>{black, kWhite, QColor(0, 0, 128), QColor(0, 0, 128), kWhite, kWhite}));
        // So is the active caption bar, under its white caption.
        const QColor bar = captionBar();
        QVERIFY2(bar.green() < 60 && bar.blue() < 200, qPrintable(bar.name()));
    }
    QCOMPARE(captionBar(), lightBar);

    // On whatever colour the user gave the region, the ring reads at 3 : 1:
    // the selection colour where it does, navy, black or white where not;
    // inside it, the selection's text colour where that reads on the ring,
    // white where not. Here across the chat area's left edge.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    const auto acrossTheChat = [this](const char* const (&fill)[3]) {
        setBoxes(QLatin1String(fill[0]), QLatin1String(fill[1]), QLatin1String(fill[2]));
        m_tool->window.timer1Tick();
        const QImage image = m_tool->window.grab().toImage();
        QList<QColor> seen;
        for (int x = 178; x < 181; ++x)
            seen << image.pixelColor(m_tool->view->widget()->mapTo(&m_tool->window, QPoint(x, 150)));
        return seen;
    };
    const QColor navy(0, 0, 128), cyan(0, 255, 255), sky(61, 174, 233);
    struct Ring {
        const char* fill[3];
        QColor outer, inner;
    };
    const std::pair<const char*, std::vector<Ring>> rings[] = {
        // Cyan over its black text: navy where cyan is 1.25 : 1, as on white.
        {"high contrast", {{{"00", "00", "80"}, cyan, black}, {{"FF", "FF", "FF"}, navy, kWhite},
                           {{"00", "00", "00"}, cyan, black}, {{"00", "FF", "FF"}, navy, kWhite}}},
        // On mid grey neither sky (2.8 : 1) nor navy (2.6 : 1) reads: white
        // (6.9 : 1), not black (3.0 : 1).
        {"dark", {{{"00", "00", "80"}, sky, black}, {{"3D", "AE", "E9"}, navy, kWhite},
                  {{"5A", "5A", "5A"}, kWhite, black}}},
    };
    for (const auto& [name, onDesktop] : rings) {
        const Desktop desktop{QLatin1String(name)};
        for (const Ring& ring : onDesktop)
            QCOMPARE(acrossTheChat(ring.fill), (QList<QColor>{ring.outer, ring.outer, ring.inner}));
    }
    acrossTheChat({"FF", "FF", "FF"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    const QStringList frontToBack{"BGBS", "BGS(3)", "BGS(2)", "BGS(1)", "BGAS(1)", "BGAS(0)", "BGS(0)", "BGCS"};
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::NoModifier, 8), frontToBack);
    QCOMPARE(focusAfterEachPress(Qt::Key_Down, Qt::NoModifier, 8), frontToBack);
    QCOMPARE(focusAfterEachPress(Qt::Key_Right, Qt::NoModifier, 2), (QStringList{"BGBS", "BGS(3)"}));
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 3), (QStringList{"BGBS", "BGCS", "BGS(0)"}));
    // From outside the ring Shift+Tab enters at its last stop.
    m_tool->view->widget()->setFocus();
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 1), QStringList{"BGS(0)"});
    QCOMPARE(focusAfterEachPress(Qt::Key_Up, Qt::NoModifier, 1), QStringList{"BGAS(0)"});
    QCOMPARE(focusAfterEachPress(Qt::Key_Left, Qt::NoModifier, 1), QStringList{"BGAS(1)"});

    // The focus mark is drawn around the focused region, and nowhere else in
    // the child-window area.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BGS(1)"));
    const QImage focused = m_tool->window.grab().toImage();
    const qreal ratio = focused.devicePixelRatio();
    const QRect leftColumn(m_tool->view->widget()->mapTo(&m_tool->window, QPoint(16, 32)), QSize(153, 281));
    const QRect area = m_tool->window.findChild<QMdiArea*>()->geometry().translated(
        m_tool->window.centralWidget()->pos());
    int marked = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (!area.contains(QPoint(int(x / ratio), int(y / ratio)))
                || focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            QVERIFY2(leftColumn.contains(QPoint(int(x / ratio), int(y / ratio))),
                     qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
            ++marked;
        }
    }
    QVERIFY(marked > 0);

    // Space and Enter select the focused region as a click does.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_tool->scheme.CurrentObject, std::int16_t(0));
    QCOMPARE(objText(), QStringLiteral("Absolute BackGround"));
    QCOMPARE(boxes(), QStringLiteral("C6|D6|FD"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(objText(), QStringLiteral("Absolute BackGround"));
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 2), (QStringList{"BGS(3)", "BGBS"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(objText(), QStringLiteral("Chat BackGround"));
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));

    // F6 comes back to where the keyboard left, and goes in again where it was.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), box("R"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BGBS"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), box("B"));
    QTest::mouseClick(box("G"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), box("G"));

    // A click takes the focus to the region clicked, and shows no mark;
    // nor does a click on the region the keyboard has just put it on. The
    // region is white again, so a tick meanwhile changes nothing.
    m_tool->scheme.SchemeColour[Declarations::AbsoluteBackground] = "FFFFFF";
    for (int click = 0; click < 2; ++click) {
        clickAt(1000, 2500);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BGS(1)"));
        const QImage clicked = m_tool->window.grab().toImage();
        for (int y = 0; y < clicked.height(); ++y)
            for (int x = 0; x < clicked.width(); ++x)
                if (area.contains(QPoint(int(x / ratio), int(y / ratio))))
                    QVERIFY2(clicked.pixel(x, y) == unfocused.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::NoModifier, 1), QStringList{"BGAS(1)"});
        QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 1), QStringList{"BGS(1)"});
    }
    // At the design size the child-window area is narrower than the view:
    // the keyboard's region is scrolled into sight, as much of it as fits,
    // its top-left corner first.
    m_tool->window.resize(682, 340);
    QWidget* viewport = m_tool->window.findChild<QMdiArea*>()->viewport();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    for (int press = 0; press < 16; ++press) {
        QTest::keyClick(QApplication::focusWidget(), press < 8 ? Qt::Key_Tab : Qt::Key_Left);
        QWidget* region = QApplication::focusWidget();
        const QRect shown(region->mapTo(viewport, QPoint(0, 0)), region->size());
        QVERIFY2(viewport->rect().contains(shown.topLeft()), qPrintable(region->objectName()));
        QCOMPARE((shown & viewport->rect()).size(), shown.size().boundedTo(viewport->size()));
    }
    // F6 back into the view reveals its region too; a region in sight
    // already leaves the view where it is.
    QScrollBar* across = m_tool->window.findChild<QMdiArea*>()->horizontalScrollBar();
    QScrollBar* down = m_tool->window.findChild<QMdiArea*>()->verticalScrollBar();
    while (QApplication::focusWidget()->objectName() != QLatin1String("BGCS"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (int scrolledDown : {down->maximum(), 10}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        across->setValue(across->maximum());
        down->setValue(scrolledDown);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(viewport->rect().contains(QApplication::focusWidget()->mapTo(viewport, QPoint(0, 0))));
    }
    QCOMPARE(QPoint(across->value(), down->value()), QPoint(across->maximum(), 10));
    down->setValue(0);
    const QColor shownBar = captionBar();
    m_tool->window.findChild<QMdiArea*>()->setActiveSubWindow(nullptr);
    QVERIFY(captionBar() != shownBar);
}

void TestDesignView::regionsForAssistiveTechnology()
{
    struct Region {
        const char* target;
        const char* name;
        const char* place;
        bool current; // already the Current Object as it is reached
    };
    // Each pressed in turn: a region whose slot the one before selected
    // says so.
    const Region regions[] = {
        {"BGCS", "Borders", "border sample in the chat area", false},
        {"BGBS", "Chat BackGround", "chat area", false},
        {"BGS(3)", "Absolute BackGround", "strip under the chat area", false},
        {"BGS(2)", "Absolute BackGround", "right column", true},
        {"BGS(1)", "Absolute BackGround", "left column", true},
        {"BGAS(1)", "BackGround", "bottom bar", false},
        {"BGAS(0)", "BackGround", "main panel", true},
        {"BGS(0)", "Absolute BackGround", "margin and gap", false},
    };
    const QString current = QStringLiteral(", the Current Object");
    // No tick tells a preview between the selections.
    m_tool->window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    for (const Region& region : regions) {
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(m_tool->view->findChild<QWidget*>(QLatin1String(region.target)));
        QVERIFY(access);
        QCOMPARE(access->role(), QAccessible::Button);
        QCOMPARE(access->text(QAccessible::Name), QLatin1String(region.name));
        QCOMPARE(access->text(QAccessible::Description), QLatin1String(region.place) + (region.current ? current : QString()));
        QVERIFY(access->actionInterface());
        QVERIFY(access->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        // Qt's button animates the press and clicks a moment later.
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(objText(), QLatin1String(region.name));
        QCOMPARE(access->text(QAccessible::Description), QLatin1String(region.place) + current);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Told by notifications, made one after another: each of the last four
    // still has one of its own, none overwritten by the next.
    QStringList told;
    for (QWidget* child : m_tool->window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (QAccessible::queryAccessibleInterface(child)->role() == QAccessible::Notification)
            told << child->accessibleName();
    }
    told.sort();
    QCOMPARE(told, (QStringList{"Current Object Absolute BackGround", "Current Object Absolute BackGround",
                                "Current Object BackGround", "Current Object BackGround"}));
#endif
    // The panels the keyboard stops at are sections, which say their name
    // and what their captions say.
    const std::pair<const char*, const char*> panels[] = {{"Picture1", ""}, {"Picture2", "Made By Brisko (TWNQ)"}};
    for (const auto& [name, captions] : panels) {
        QWidget* panel = m_tool->window.findChild<QWidget*>(QLatin1String(name));
        QVERIFY(!panel->accessibleName().isEmpty());
        QCOMPARE(panel->focusPolicy(), Qt::TabFocus);
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(panel);
        QCOMPARE(access->role(), QAccessible::Section);
        QCOMPARE(access->text(QAccessible::Description), QLatin1String(captions));
    }

    // The mock-up's shapes, the chips and the hidden fixed lines are no
    // controls: only the regions, the label and the named swatch are seen.
    const auto seen = [](QWidget* container) {
        QStringList names;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(container);
        for (int i = 0; i < access->childCount(); ++i)
            names << access->child(i)->object()->objectName();
        return names;
    };
    QCOMPARE(seen(m_tool->view->widget()),
             (QStringList{"BGS(0)", "BGAS(0)", "BGAS(1)", "BGS(1)", "BGS(2)", "BGS(3)", "BGBS", "BGCS"}));
    QCOMPARE(seen(m_tool->window.findChild<QWidget*>(QStringLiteral("Frame2"))),
             (QStringList{"Mix", "R", "G", "B", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"}));
    QVERIFY(!seen(m_tool->window.findChild<QWidget*>(QStringLiteral("Picture1"))).contains(QStringLiteral("Default")));
    // The view, wider than its area at the design size, still shows.
    m_tool->window.resize(682, 471);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(m_tool->view);
    QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Quellor Veskoro (Design View)"));
    QVERIFY(!view->state().invisible && !view->state().offscreen);
    QAccessibleInterface* preview = QAccessible::queryAccessibleInterface(m_tool->window.findChild<QWidget*>(QStringLiteral("Mix")));
    QCOMPARE(preview->text(QAccessible::Name), QStringLiteral("Preview"));
    setBoxes(QStringLiteral("c6"), QStringLiteral("D6"), QStringLiteral("F"));
    m_tool->window.timer1Tick();
    QCOMPARE(preview->text(QAccessible::Value), QStringLiteral("C6D60F"));
    QCOMPARE(preview->text(QAccessible::Description), QStringLiteral("C6D60F"));
    // A box reads whole: its text, in one run of attributes over both digits.
    QAccessibleTextInterface* red =
        QAccessible::queryAccessibleInterface(m_tool->window.findChild<QWidget*>(QStringLiteral("R")))->textInterface();
    QVERIFY(red);
    QCOMPARE(red->text(0, red->characterCount()), QStringLiteral("c6"));
    int start = -1, end = -1;
    red->attributes(1, &start, &end);
    QCOMPARE(QPoint(start, end), QPoint(0, 2));
}

void TestDesignView::textsFitTheirRectangles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    // Each text of both windows, in the control that shows it; the name is
    // looked up in the main window first, then in the design view.
    QTest::newRow("obj, nothing") << "obj" << "<NONE>" << 1;
    QTest::newRow("obj, absolute background") << "obj" << "Absolute BackGround" << 2;
    QTest::newRow("obj, background") << "obj" << "BackGround" << 1;
    QTest::newRow("obj, chat background") << "obj" << "Chat BackGround" << 2;
    QTest::newRow("obj, borders") << "obj" << "Borders" << 1;
    QTest::newRow("sample square's label") << "Form1/Label1" << "Border Object" << 2;
    QTest::newRow("maker's line") << "A/Label1" << "Made By Brisko (TWNQ)" << 1;
    QTest::newRow("Frame1") << "Frame1" << "Current Object" << 1;
    QTest::newRow("Frame2") << "Frame2" << "Colour Selector" << 1;
    QTest::newRow("design view caption") << "Form1" << "Quellor Veskoro (Design View)" << 1;
    QTest::newRow("R") << "R" << "" << 1;
    QTest::newRow("G") << "G" << "" << 1;
    QTest::newRow("B") << "B" << "" << 1;
    QTest::newRow("minus") << "Command2" << "-" << 1;
    QTest::newRow("plus") << "Command7" << "+" << 1;
}

// Measured in the font each control really draws with, at the scale the
// test runs at.
void TestDesignView::textsFitTheirRectangles()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, lines);

    QWidget* widget = control == u"Form1" ? m_tool->view
        : control == u"Form1/Label1"      ? m_tool->view->findChild<QWidget*>(QStringLiteral("Label1"))
        : control == u"A/Label1"          ? m_tool->window.findChild<QWidget*>(QStringLiteral("Picture2"))
                                               ->findChild<QWidget*>(QStringLiteral("Label1"))
                                          : m_tool->window.findChild<QWidget*>(control);
    QVERIFY(widget);
    const QFontMetrics metrics = widget->fontMetrics();
    QVERIFY2(metrics.height() >= 11, "an 11-pixel line at least");

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (control == u"obj")
            m_tool->window.showSelection(text, {"00", "00", "00"});
        QCOMPARE(label->text(), text);
        // As the label draws it: wrapped only if it wraps.
        const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | label->alignment();
        const QRect needed = metrics.boundingRect(label->contentsRect(), flags, text);
        QVERIFY2(label->contentsRect().contains(needed), qPrintable(QStringLiteral("%1 needs %2x%3").arg(text)
                                                                        .arg(needed.width()).arg(needed.height())));
        QCOMPARE(needed.height() / metrics.lineSpacing(), lines);
        // And as drawn: its ink spreads over that many lines, clear of the
        // last columns, where the sample square's outline runs.
        const QImage shown = label->window()->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QRect at(label->mapTo(label->window(), QPoint(0, 0)), label->visibleRegion().boundingRect().size());
        int first = -1, last = -1;
        for (int y = qRound(at.top() * ratio); y < qRound((at.bottom() + 1) * ratio); ++y) {
            for (int x = qRound(at.left() * ratio); x < qRound((at.right() - 1) * ratio); ++x) {
                if (qGray(shown.pixel(x, y)) < 100) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        QCOMPARE(int((last - first) / ratio) / metrics.lineSpacing() + 1, lines);
        if (control == u"Form1/Label1") {
            // Clear of the sample square's outline, which runs through the
            // label's last column.
            const QRect square = m_tool->view->findChild<QWidget*>(QStringLiteral("BGC"))->geometry();
            QVERIFY(square.adjusted(1, 1, -1, -1).contains(needed.translated(label->pos())));
        }
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), text);
        // From the left over the top line, the same indent clear at the right.
        QVERIFY(metrics.horizontalAdvance(text) + 2 * 6 <= frame->width());
        // Above every control inside it.
        for (QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->isVisible() || child->y() >= metrics.height(), qPrintable(child->objectName()));
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        // The widest two hexadecimal digits, inside the frame and Qt's margins.
        int widest = 0;
        for (QChar high : QStringLiteral("0123456789ABCDEF"))
            for (QChar low : QStringLiteral("0123456789ABCDEF"))
                widest = std::max(widest, metrics.horizontalAdvance(QString(high) + low));
        const int frameWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        QVERIFY2(widest + 2 * frameWidth + 2 * 2 <= box->width(), qPrintable(QString::number(widest)));
        QVERIFY(metrics.height() + 2 * frameWidth <= box->height());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY(metrics.horizontalAdvance(text) <= contents.width());
        QVERIFY(metrics.height() <= contents.height() + 2);
    } else {
        QCOMPARE(m_tool->view->windowTitle(), text);
        QStyleOptionTitleBar option;
        option.initFrom(m_tool->view);
        option.rect = QRect(0, 0, m_tool->view->width(),
                            m_tool->view->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_tool->view));
        option.titleBarFlags = m_tool->view->windowFlags();
        option.subControls = QStyle::SC_All;
        const QRect caption = m_tool->view->style()->subControlRect(QStyle::CC_TitleBar, &option,
                                                                     QStyle::SC_TitleBarLabel, m_tool->view);
        QFont bold = m_tool->view->font();
        bold.setBold(true);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(text) <= caption.width());
    }
}

void TestDesignView::outlinesOnEveryEdge_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QRect>("design"); // in pixels, inside its container
    QTest::addColumn<QColor>("outline"); // a frame's: its etched shadow line
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<bool>("bottomShows");
    QTest::addColumn<QString>("desktop");

    const QColor black(0, 0, 0), grey(192, 192, 192);
    QTest::newRow("main panel") << "BGA(0)" << QRect(8, 8, 569, 337) << black << kWhite << true << "light";
    QTest::newRow("left column") << "BG(1)" << QRect(16, 32, 153, 281) << black << kWhite << true << "light";
    QTest::newRow("chat area") << "BGB" << QRect(176, 32, 233, 281) << black << kWhite << true << "light";
    QTest::newRow("sample square") << "BGC" << QRect(184, 40, 49, 41) << black << kWhite << true << "light";
    QTest::newRow("right column") << "BG(2)" << QRect(416, 32, 153, 305) << black << kWhite << true << "light";
    QTest::newRow("strip") << "BG(3)" << QRect(176, 320, 193, 17) << black << kWhite << true << "light";
    QTest::newRow("bottom bar, past the client area below") << "BGA(1)" << QRect(0, 352, 585, 41) << black << kWhite << false << "light";
    QTest::newRow("red chip") << "Shape1" << QRect(8, 24, 17, 17) << black << QColor(255, 0, 0) << true << "light";
    QTest::newRow("green chip") << "Shape2" << QRect(8, 56, 17, 17) << black << QColor(0, 255, 0) << true << "light";
    QTest::newRow("blue chip") << "Shape3" << QRect(8, 88, 17, 17) << black << QColor(0, 0, 255) << true << "light";
    QTest::newRow("swatch") << "Mix" << QRect(8, 120, 81, 17) << black << QColor(0x12, 0x34, 0x56) << true << "light";
    // The desktop's shade where it reads 3 : 1 on the grey, the classic
    // dark shadow where not (this style's 1.45 : 1, high contrast's white
    // 1.82 : 1).
    const QColor darkShadow(64, 64, 64);
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 8, 97, 57) << darkShadow << grey << true << "light";
    QTest::newRow("Frame2") << "Frame2" << QRect(8, 72, 97, 145) << darkShadow << grey << true << "light";
    // The desktop's near-white text reads neither on white (1.2 : 1) nor on
    // the panels' grey (1.6 : 1), nor does high contrast's white: black.
    QTest::newRow("chat area, dark desktop") << "BGB" << QRect(176, 32, 233, 281) << black << kWhite << true << "dark";
    QTest::newRow("red chip, dark desktop") << "Shape1" << QRect(8, 24, 17, 17) << black << QColor(255, 0, 0) << true << "dark";
    QTest::newRow("Frame1, dark desktop") << "Frame1" << QRect(8, 8, 97, 57) << QColor(20, 20, 20) << grey << true << "dark";
    QTest::newRow("main panel, high contrast") << "BGA(0)" << QRect(8, 8, 569, 337) << black << kWhite << true << "high contrast";
    QTest::newRow("swatch, high contrast") << "Mix" << QRect(8, 120, 81, 17) << black << QColor(0x12, 0x34, 0x56) << true << "high contrast";
    QTest::newRow("Frame2, high contrast") << "Frame2" << QRect(8, 72, 97, 145) << darkShadow << grey << true << "high contrast";
}

// In a grab of the whole window, as shown: the outermost device pixels on
// each side are the outline, one logical pixel thick rounded to whole device
// pixels, and the fill meets it. A frame's etched line is a shadow line and a
// light line, its top running through the middle of the caption, which is
// drawn in black or the desktop's ink on the panel's own grey.
void TestDesignView::outlinesOnEveryEdge()
{
    QFETCH(QString, shape);
    QFETCH(QRect, design);
    QFETCH(QColor, outline);
    QFETCH(QColor, fill);
    QFETCH(bool, bottomShows);
    QFETCH(QString, desktop);

    const Desktop palette(desktop);
    setBoxes(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56"));
    m_tool->window.timer1Tick();
    QWidget* widget = m_tool->window.findChild<QWidget*>(shape);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), design);
    const QImage image = m_tool->window.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const int thickness = std::max(1, qRound(ratio));
    const bool frame = shape.startsWith(QLatin1String("Frame"));
    const int captionHeight = widget->fontMetrics().height();
    const QRect logical(widget->parentWidget()->mapTo(&m_tool->window, design.topLeft()), design.size());
    const int left = qRound(logical.left() * ratio), right = qRound((logical.left() + logical.width()) * ratio) - 1;
    const int top = qRound((logical.top() + (frame ? captionHeight / 2 : 0)) * ratio);
    const int bottom = qRound((logical.top() + logical.height()) * ratio) - 1;
    // Three quarters of the way down the sides, and near the right end of
    // the top and bottom, clear of a frame's caption.
    const int acrossX = right - 4 * thickness, acrossY = top + (bottom - top) * 3 / 4;
    const QColor light = widget->palette().color(QPalette::Light);

    struct Side {
        const char* name;
        QPoint edge;
        QPoint inward;
    };
    const Side sides[] = {{"left", {left, acrossY}, {1, 0}},
                          {"right", {right, acrossY}, {-1, 0}},
                          {"top", {acrossX, top}, {0, 1}},
                          {"bottom", {acrossX, bottom}, {0, -1}}};
    for (const Side& side : sides) {
        if (!bottomShows && side.inward.y() < 0)
            continue;
        for (int depth = 0; depth < thickness * (frame ? 2 : 1); ++depth) {
            // The shadow line lies outermost on the top and left, inside the
            // light line on the bottom and right.
            const bool topOrLeft = side.inward.x() + side.inward.y() > 0;
            const QColor expected = !frame || (depth < thickness) == topOrLeft ? outline : light;
            const QColor seen = image.pixelColor(side.edge + side.inward * depth);
            // By value: the style's shades carry more precision than a pixel.
            QVERIFY2(seen.rgb() == expected.rgb(),
                     qPrintable(QStringLiteral("%1 edge, %2 px in: %3").arg(side.name).arg(depth).arg(seen.name())));
        }
        const QColor inside = image.pixelColor(side.edge + side.inward * thickness * (frame ? 2 : 1));
        QVERIFY2(inside == fill, qPrintable(QStringLiteral("%1 side, inside: %2").arg(side.name, inside.name())));
    }
    if (!frame)
        return;
    // Where the caption crosses the line, only the panel's grey shows
    // before its first letter; its letters are black, or nearly so where
    // the letters' edges are smoothed.
    const QPoint crossing(qRound((logical.left() + 5) * ratio), top);
    QCOMPARE(image.pixelColor(crossing), fill);
    int ink = 0;
    for (int y = qRound(logical.top() * ratio); y < qRound((logical.top() + captionHeight) * ratio); ++y)
        for (int x = qRound((logical.left() + 6) * ratio); x < qRound((logical.left() + 60) * ratio); ++x)
            ink += image.pixelColor(x, y).value() < 100;
    QVERIFY2(ink > 20 * thickness * thickness, qPrintable(QString::number(ink)));
}

void TestDesignView::wheelDragAndShrinking()
{
    // The wheel over the design view scrolls the area: sideways with Shift.
    m_tool->window.resize(500, 400);
    QTRY_VERIFY(m_tool->window.findChild<QMdiArea*>()->verticalScrollBar()->maximum() > 0);
    QMdiArea* area = m_tool->window.findChild<QMdiArea*>();
    const QPoint over = m_tool->view->widget()->mapTo(&m_tool->window, QPoint(300, 150));
    const auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(over, m_tool->window.mapToGlobal(over), {}, QPoint(0, -120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        // Qt passes only the window system's own wheel events on from the
        // region under the pointer to the view, so this goes to the view.
        QApplication::sendEvent(m_tool->view, &event);
        // Taken: one the view left would go on to the area, to scroll again.
        QVERIFY(event.isAccepted());
    };
    // One notch scrolls by the desktop's lines per notch, once.
    const int notch = QApplication::wheelScrollLines();
    wheel(Qt::NoModifier);
    QCOMPARE(area->verticalScrollBar()->value(), notch * area->verticalScrollBar()->singleStep());
    QCOMPARE(area->horizontalScrollBar()->value(), 0);
    wheel(Qt::ShiftModifier);
    QCOMPARE(area->horizontalScrollBar()->value(), notch * area->horizontalScrollBar()->singleStep());

    // Dragged by its caption far up and left, the view keeps part of its
    // caption bar in the area.
    area->verticalScrollBar()->setValue(0);
    area->horizontalScrollBar()->setValue(0);
    QWindow* window = m_tool->window.windowHandle();
    const QPoint caption = m_tool->view->mapTo(&m_tool->window, QPoint(m_tool->view->width() / 2, 8));
    QTest::mousePress(window, Qt::LeftButton, {}, caption);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(window, caption - QPoint(200, 200) * step);
    QTest::mouseRelease(window, Qt::LeftButton, {}, caption - QPoint(2000, 2000));
    const QRect captionBar(m_tool->view->pos(), QSize(m_tool->view->width(), 8));
    QVERIFY(m_tool->view->y() >= 0);
    QVERIFY(area->viewport()->rect().intersects(captionBar));
    // And far down and right: its caption bar stays above the area's bottom edge.
    m_tool->view->move(0, 0);
    const QPoint grip = m_tool->view->mapTo(&m_tool->window, QPoint(m_tool->view->width() / 2, 8));
    QTest::mousePress(window, Qt::LeftButton, {}, grip);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(window, grip + QPoint(200, 200) * step);
    QTest::mouseRelease(window, Qt::LeftButton, {}, grip + QPoint(2000, 2000));
    QVERIFY(m_tool->view->y() < area->viewport()->height());
    QVERIFY(area->viewport()->rect().intersects(QRect(m_tool->view->pos(), QSize(m_tool->view->width(), 8))));

    // The window shrinks no further than keeps the left panel's frames whole.
    m_tool->window.resize(10, 10);
    auto* frame2 = m_tool->window.findChild<QWidget*>(QStringLiteral("Frame2"));
    auto* picture1 = m_tool->window.findChild<QWidget*>(QStringLiteral("Picture1"));
    QTRY_VERIFY(picture1->height() >= frame2->geometry().bottom() + 8);
    QVERIFY(m_tool->window.findChild<QWidget*>(QStringLiteral("R"))->visibleRegion().boundingRect().width() == 25);
}

QTEST_MAIN(TestDesignView)
#include "tst_designview.moc"
