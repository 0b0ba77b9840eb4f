#include "designer.h"
#include "shape.h"

#include <QtTest>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QRegularExpression>

#include <memory>

namespace {

const QColor kWhite(255, 255, 255);

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

    auto* chat = m_tool->view->findChild<QWidget*>(QStringLiteral("BGBS"));
    QCOMPARE(chat->accessibleName(), QStringLiteral("Chat BackGround"));
    QCOMPARE(chat->toolTip(), QStringLiteral("Chat BackGround"));
    QCOMPARE(shape("BG(0)")->geometry(), QRect(-8, -8, 601, 401));
    QCOMPARE(m_tool->view->findChild<QWidget*>(QStringLiteral("BGS(0)"))->geometry(), QRect(0, 0, 585, 353));
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
}

void TestDesignView::hitTesting()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, slot);

    clickAt(x, y);
    QCOMPARE(int(m_tool->scheme.CurrentObject), slot);
    const QString name = QString::fromLatin1(Declarations::regionName(Declarations::Slot(slot)).data());
    QCOMPARE(objText(), name);
    QCOMPARE(boxes(), QString(slot == -1 ? "00|00|00" : slot == 3 ? "00|00|00" : "FF|FF|FF"));
}

void TestDesignView::rightAfterStartEachRegionLoadsItsSlot()
{
    clickAt(4000, 2500);
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));
    clickAt(2800, 650);
    QCOMPARE(objText(), QStringLiteral("Borders"));
    QCOMPARE(boxes(), QStringLiteral("00|00|00"));
    clickAt(1000, 2500);
    QCOMPARE(objText(), QStringLiteral("Absolute BackGround"));
    QCOMPARE(boxes(), QStringLiteral("FF|FF|FF"));
}

void TestDesignView::selectionLoadsTheSlotAndTheTickKeepsIt()
{
    m_tool->scheme.SchemeColour[Declarations::Background] = "C6D6FD";
    clickAt(4000, 300);
    QCOMPARE(objText(), QStringLiteral("BackGround"));
    QCOMPARE(boxes(), QStringLiteral("C6|D6|FD"));
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
    QVERIFY(m_tool->runtime.savedScheme().endsWith("\r\n#FEFFFF ; chat background\r\n"));
    QCOMPARE(m_tool->runtime.messages.size(), 1);
    QVERIFY(m_tool->runtime.messages[0].text.startsWith(QStringLiteral("The file 'colors.DAT' has been placed")));
}

void TestDesignView::whateverIsTypedSavesWhatIsShown_data()
{
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("green");
    QTest::addColumn<QString>("blue");
    QTest::addColumn<QString>("colour");

    QTest::newRow("empty") << "" << "" << "" << "000000";
    QTest::newRow("one character") << "A" << "7" << "f" << "0A070F";
    QTest::newRow("lower case") << "ff" << "ab" << "0c" << "FFAB0C";
    QTest::newRow("beyond F") << "G7" << "ZZ" << "-5" << "070005";
    QTest::newRow("long") << "1FFFFFFF" << QString(300, u'9') << "FE12" << "1F99FE";
    QTest::newRow("non-ASCII") << QStringLiteral("\u00e97") << QStringLiteral("\u00ff\u00ff")
                               << QStringLiteral("\u65e5\u672c") << "070000";
    QTest::newRow("digit then non-ASCII") << QStringLiteral("7\u00e9") << QStringLiteral("\u00b2")
                                          << QStringLiteral("A\U0001F600") << "7000A0";
}

void TestDesignView::whateverIsTypedSavesWhatIsShown()
{
    QFETCH(QString, red);
    QFETCH(QString, green);
    QFETCH(QString, blue);
    QFETCH(QString, colour);

    clickAt(4000, 2500);
    for (auto [name, text] : {std::pair{"R", red}, std::pair{"G", green}, std::pair{"B", blue}}) {
        QLineEdit* edit = box(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text);
        QCOMPARE(edit->text(), text);
    }
    m_tool->window.timer1Tick();
    m_tool->window.findChild<QAction*>(QStringLiteral("fmnus"))->trigger();

    const QList<QByteArray> lines = m_tool->runtime.savedScheme().split('\n');
    QCOMPARE(lines.size(), 15);
    QVERIFY(lines.last().isEmpty());
    const QRegularExpression colourLine(QStringLiteral("^#[0-9A-F]{6} ; [A-Za-z ]+\r$"));
    for (int i = 1; i < 14; ++i)
        QVERIFY2(colourLine.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());

    QCOMPARE(lines[13], QByteArray("#" + colour.toLatin1() + " ; chat background\r"));
    const QColor shown = QColor(u'#' + colour);
    QCOMPARE(swatch(), shown);
    QCOMPARE(pixelAt(4000, 2500), shown);
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
    const QStringList frontToBack{"BGBS", "BGS(3)", "BGS(2)", "BGS(1)", "BGAS(1)", "BGAS(0)", "BGS(0)", "BGCS"};
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::NoModifier, 8), frontToBack);
    QCOMPARE(focusAfterEachPress(Qt::Key_Down, Qt::NoModifier, 8), frontToBack);
    QCOMPARE(focusAfterEachPress(Qt::Key_Right, Qt::NoModifier, 2), (QStringList{"BGBS", "BGS(3)"}));
    QCOMPARE(focusAfterEachPress(Qt::Key_Tab, Qt::ShiftModifier, 3), (QStringList{"BGBS", "BGCS", "BGS(0)"}));
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
}

void TestDesignView::regionsForAssistiveTechnology()
{
    const std::pair<const char*, const char*> regions[] = {
        {"BGCS", "Borders"},          {"BGBS", "Chat BackGround"},     {"BGS(3)", "Absolute BackGround"},
        {"BGS(2)", "Absolute BackGround"}, {"BGS(1)", "Absolute BackGround"}, {"BGAS(1)", "BackGround"},
        {"BGAS(0)", "BackGround"},    {"BGS(0)", "Absolute BackGround"},
    };
    for (const auto& [target, region] : regions) {
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(m_tool->view->findChild<QWidget*>(QLatin1String(target)));
        QVERIFY(access);
        QCOMPARE(access->role(), QAccessible::Button);
        QCOMPARE(access->text(QAccessible::Name), QLatin1String(region));
        QVERIFY(access->actionInterface());
        QVERIFY(access->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(objText(), QLatin1String(region));
    }
    for (const char* panel : {"Picture1", "Picture2"})
        QVERIFY(!m_tool->window.findChild<QWidget*>(QLatin1String(panel))->accessibleName().isEmpty());
}

QTEST_MAIN(TestDesignView)
#include "tst_designview.moc"
