// SPDX-License-Identifier: MIT
// Drives the real windows with a long seeded random sequence of user events
// and checks after every tick that the scheme, the painting and the saved
// file agree. The seed is printed; QV_SOAK_SEED=N replays a run, and
// QV_SOAK_EVENTS=N changes its length.

#include "designer.h"

#include <QtTest>

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <memory>

namespace {

// Read independently of the model: the first two characters, each a
// hexadecimal digit or 0. A lone character n reads as 0n: the tick widens
// every box but the one being typed into, which is read widened.
int channelValue(QString text)
{
    if (text.size() == 1)
        text.prepend(u'0');
    int value = 0;
    for (qsizetype i = 0; i < 2; ++i) {
        const char16_t c = i < text.size() ? text[i].unicode() : u'0';
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        value = value * 16 + digit;
    }
    return value;
}

// A point in twips inside each slot's region, and for the borders a point
// on the chat area's outline.
const QPoint kProbe[] = {{60, 2500}, {4000, 300}, {4000, 2500}, {2640, 2500}};

const QString kPrintable = QStringLiteral("0123456789ABCDEFabcdefGgZz-+ .");
const QString kForeign[] = {QStringLiteral("\u00e9"), QStringLiteral("\u0141"), QStringLiteral("\u00ff"), QStringLiteral("\u65e5"),
                            QStringLiteral("\U0001F600"), QStringLiteral("\u0660")};
const QString kControl[] = {QStringLiteral("\t"), QStringLiteral("\x01"), QStringLiteral("\x7f"),
                            QStringLiteral("\r\n"), QString(QChar(0))};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEvents();

private:
    void clickDesignView();
    void clickButton();
    void type();
    void tickAndCheck();
    void saveAndCheck();
    void aboutAndCheck();

    QLineEdit* randomBox() const { return m_boxes[m_random.bounded(3)]; }

    mutable QRandomGenerator m_random;
    std::unique_ptr<Designer> m_tool;
    QLineEdit* m_boxes[3] = {};
    QList<QPushButton*> m_buttons;
    int m_ticks = 0;
    int m_saves = 0;
};

void TestSoak::randomEvents()
{
    const quint32 seed = qEnvironmentVariableIsSet("QV_SOAK_SEED")
        ? quint32(qEnvironmentVariableIntValue("QV_SOAK_SEED"))
        : QRandomGenerator::system()->generate();
    const int events = qEnvironmentVariableIsSet("QV_SOAK_EVENTS")
        ? qEnvironmentVariableIntValue("QV_SOAK_EVENTS")
        : 50000;
    qInfo("soak: %d events, seed %u (replay with QV_SOAK_SEED=%u)", events, seed, seed);
    m_random.seed(seed);

    m_tool = std::make_unique<Designer>();
    QVERIFY(m_tool->exposed());
    const char* names[] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i)
        m_boxes[i] = m_tool->window.findChild<QLineEdit*>(QLatin1String(names[i]));
    for (const char* name : {"Command2", "Command3", "Command4", "Command5", "Command6", "Command7"})
        m_buttons << m_tool->window.findChild<QPushButton*>(QLatin1String(name));

    for (int i = 0; i < events; ++i) {
        const quint32 choice = m_random.bounded(100);
        if (choice < 30)
            clickDesignView();
        else if (choice < 48)
            clickButton();
        else if (choice < 70)
            type();
        else if (choice < 92)
            tickAndCheck();
        else if (choice < 97)
            saveAndCheck();
        else
            aboutAndCheck();
        if (QTest::currentTestFailed()) {
            qWarning("soak: failed at event %d of seed %u", i, seed);
            return;
        }
    }
    tickAndCheck();
    saveAndCheck();
    qInfo("soak: %d ticks and %d saves checked", m_ticks, m_saves);
}

// Anywhere in the client area, its edges and the dead strip included.
void TestSoak::clickDesignView()
{
    QWidget* client = m_tool->view->widget();
    const QPoint point(int(m_random.bounded(client->width())), int(m_random.bounded(client->height())));
    QTest::mouseClick(m_tool->window.windowHandle(), Qt::LeftButton, {}, client->mapTo(&m_tool->window, point));
}

void TestSoak::clickButton()
{
    QTest::mouseClick(m_buttons[m_random.bounded(int(m_buttons.size()))], Qt::LeftButton);
}

void TestSoak::type()
{
    QLineEdit* box = randomBox();
    const quint32 kind = m_random.bounded(1000);
    if (kind < 150) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
    } else if (kind < 650) {
        QString text;
        for (quint32 n = m_random.bounded(1, 4); n > 0; --n)
            text += kPrintable[m_random.bounded(int(kPrintable.size()))];
        if (m_random.bounded(2))
            box->selectAll();
        QTest::keyClicks(box, text);
    } else if (kind < 800) {
        const QString& character = kForeign[m_random.bounded(int(std::size(kForeign)))];
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
    } else if (kind < 900) {
        box->insert(kControl[m_random.bounded(int(std::size(kControl)))]);
    } else if (kind < 998) {
        box->setText(QString(int(m_random.bounded(50, 2000)), QChar(u'0' + m_random.bounded(10))));
    } else {
        QApplication::clipboard()->setText(QStringLiteral("A") + QString(100 * 1024, u'7'));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text().size(), 32767); // the paste is cut at the box's cap
    }
}

void TestSoak::tickAndCheck()
{
    m_tool->window.timer1Tick();
    ++m_ticks;

    static const QRegularExpression canonical(QStringLiteral("^[0-9A-F]{6}$"));
    for (const std::string& slot : m_tool->scheme.SchemeColour)
        QVERIFY2(canonical.match(QString::fromStdString(slot)).hasMatch(), slot.c_str());

    const QColor expected(channelValue(m_boxes[0]->text()), channelValue(m_boxes[1]->text()),
                          channelValue(m_boxes[2]->text()));
    auto* mix = m_tool->window.findChild<QWidget*>(QStringLiteral("Mix"));
    QCOMPARE(mix->grab(QRect(40, 8, 1, 1)).toImage().pixelColor(0, 0), expected);

    if (!m_tool->scheme.hasSelection())
        return;
    const auto slot = std::size_t(m_tool->scheme.CurrentObject);
    QCOMPARE(QString::fromStdString(m_tool->scheme.SchemeColour[slot]), expected.name().mid(1).toUpper());
    const QPoint probe(kProbe[slot].x() / 15, kProbe[slot].y() / 15);
    QCOMPARE(m_tool->view->widget()->grab(QRect(probe, QSize(1, 1))).toImage().pixelColor(0, 0), expected);
}

void TestSoak::saveAndCheck()
{
    m_tool->services.messages.clear();
    m_tool->window.findChild<QAction*>(QStringLiteral("fmnus"))->trigger();
    ++m_saves;
    QCOMPARE(m_tool->services.messages.size(), 1);
    QCOMPARE(m_tool->services.messages[0].icon, toolkit::ProgramServices::Icon::Information);

    const QList<QByteArray> lines = m_tool->services.savedScheme().split('\n');
    QCOMPARE(lines.size(), 15);
    static const QRegularExpression colourLine(QStringLiteral("^#[0-9A-F]{6} ; [A-Za-z ]+\r$"));
    for (int i = 1; i < 14; ++i)
        QVERIFY2(colourLine.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());
    const auto& slots = m_tool->scheme.SchemeColour;
    QCOMPARE(lines[1].mid(1, 6).toStdString(), slots[Declarations::AbsoluteBackground]);
    QCOMPARE(lines[2].mid(1, 6).toStdString(), slots[Declarations::Background]);
    QCOMPARE(lines[3].mid(1, 6).toStdString(), slots[Declarations::Borders]);
    QCOMPARE(lines[13].mid(1, 6).toStdString(), slots[Declarations::ChatBackground]);
}

void TestSoak::aboutAndCheck()
{
    m_tool->services.messages.clear();
    const auto slots = m_tool->scheme.SchemeColour;
    const auto selected = m_tool->scheme.CurrentObject;
    m_tool->window.findChild<QAction*>(QStringLiteral("fmnuA"))->trigger();
    QCOMPARE(m_tool->services.messages.size(), 1);
    QCOMPARE(m_tool->services.messages[0].title, QStringLiteral("Veskoro Designer - About"));
    QCOMPARE(m_tool->scheme.SchemeColour, slots);
    QCOMPARE(m_tool->scheme.CurrentObject, selected);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
