// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibility.h"
#include "clicktarget.h"
#include "contrast.h"
#include "designlabel.h"
#include "panel.h"
#include "shape.h"
#include "twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

using toolkit::Twips;
using Slot = Declarations::Slot;

enum class Kind { Target, Label, Shape, UnoutlinedShape };

struct Item {
    Kind kind;
    const char* name;
    int index;
    Slot slot;
    Twips rect;
    // Where a click target lies in the mock-up, as a screen reader says it:
    // several targets select the same region.
    const char* place;
};

constexpr Twips kClient{0, 0, 8805, 5835};

// Everything in the mock-up, front to back: an item lies in front of every
// item below it, and takes a click first. The click targets lie in front of
// every shape but the border sample BGC and its label, which only BGCS covers.
// A click that no target holds, such as one in the strip right of 8775,
// selects nothing. BG(0) reaches past the client edges and draws no outline;
// the other shapes draw one. The index is an item's within its control array.
//   kind                   name       index slot                       Left   Top  Width Height  place
constexpr Item kMockUp[] = {
    {Kind::Target,          "BGCS",    0, Declarations::Borders,            {2760,  600,  735,  615}, "border sample"},
    {Kind::Label,           "Label1",  0, Declarations::NoObject,           {2880,  720,  615,  375}, nullptr},
    {Kind::Shape,           "BGC",     0, Declarations::NoObject,           {2760,  600,  735,  615}, nullptr},
    {Kind::Target,          "BGBS",    0, Declarations::ChatBackground,     {2640,  480, 3495, 4215}, "chat area"},
    {Kind::Target,          "BGS(3)",  3, Declarations::AbsoluteBackground, {2640, 4800, 2895,  255}, "strip under the chat area"},
    {Kind::Target,          "BGS(2)",  2, Declarations::AbsoluteBackground, {6240,  480, 2295, 4575}, "right column"},
    {Kind::Target,          "BGS(1)",  1, Declarations::AbsoluteBackground, { 240,  480, 2295, 4215}, "left column"},
    {Kind::Target,          "BGAS(1)", 1, Declarations::Background,         {   0, 5280, 8775,  615}, "bottom bar"},
    {Kind::Target,          "BGAS(0)", 0, Declarations::Background,         { 120,  120, 8535, 5055}, "main panel"},
    {Kind::Target,          "BGS(0)",  0, Declarations::AbsoluteBackground, {   0,    0, 8775, 5295}, "margin and gap"},
    {Kind::Shape,           "BGB",     0, Declarations::ChatBackground,     {2640,  480, 3495, 4215}, nullptr},
    {Kind::Shape,           "BGA(1)",  1, Declarations::Background,         {   0, 5280, 8775,  615}, nullptr},
    {Kind::Shape,           "BG(3)",   3, Declarations::AbsoluteBackground, {2640, 4800, 2895,  255}, nullptr},
    {Kind::Shape,           "BG(2)",   2, Declarations::AbsoluteBackground, {6240,  480, 2295, 4575}, nullptr},
    {Kind::Shape,           "BG(1)",   1, Declarations::AbsoluteBackground, { 240,  480, 2295, 4215}, nullptr},
    {Kind::Shape,           "BGA(0)",  0, Declarations::Background,         { 120,  120, 8535, 5055}, nullptr},
    {Kind::UnoutlinedShape, "BG(0)",   0, Declarations::AbsoluteBackground, {-120, -120, 9015, 6015}, nullptr},
};

// The control array an item belongs to: its name up to the index.
std::string_view arrayOf(std::string_view name)
{
    return name.substr(0, name.find('('));
}

// The slot that the click target at `index` of the array `array` selects.
Slot slotOfTarget(std::string_view array, int index)
{
    for (const Item& item : kMockUp) {
        if (item.kind == Kind::Target && item.index == index && arrayOf(item.name) == array)
            return item.slot;
    }
    return Declarations::NoObject;
}

QString regionText(Slot slot)
{
    return QString::fromLatin1(Declarations::regionName(slot));
}

} // namespace

// A fixed single border: a close box, but no minimise or maximise.
Form1::Form1(Declarations& scheme)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                 | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_scheme(scheme)
    , m_bgs(new QButtonGroup(this))
    , m_bgas(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QPixmap(QStringLiteral(":/icons/form1_icon.xpm")));

    auto* client = new toolkit::Panel(Qt::white);
    client->setFixedSize(toolkit::toPixels(kClient).size());
    // Each region is a button already; its shapes would be unnamed fillers.
    toolkit::hideDecoration(client);

    // Back to front, so that each item lies in front of those below it.
    for (auto item = std::rbegin(kMockUp); item != std::rend(kMockUp); ++item) {
        QWidget* control = nullptr;
        switch (item->kind) {
        case Kind::Target: {
            auto* target = new toolkit::ClickTarget(client);
            const Slot slot = item->slot;
            const QString region = regionText(slot);
            target->setAccessibleName(region);
            target->setAccessibleDescription(QLatin1String(item->place));
            target->setToolTip(region);
            if (arrayOf(item->name) == "BGS")
                m_bgs->addButton(target, item->index);
            else if (arrayOf(item->name) == "BGAS")
                m_bgas->addButton(target, item->index);
            else
                connect(target, &toolkit::ClickTarget::clicked, this, [this, slot] { select(slot); });
            m_targets.insert(m_targets.begin(), target);
            control = target;
            break;
        }
        case Kind::Label: {
            auto* label = new toolkit::DesignLabel(QStringLiteral("Border Object"), client);
            label->setWordWrap(true);
            // BGCS, which covers it, says it already.
            toolkit::hideFromScreenReader(label);
            control = label;
            break;
        }
        case Kind::Shape:
        case Kind::UnoutlinedShape: {
            auto* shape = new toolkit::Shape(Qt::white,
                                             item->kind == Kind::UnoutlinedShape ? toolkit::Shape::Outline::None
                                                                                 : toolkit::Shape::Outline::Drawn,
                                             client);
            m_shapes.emplace_back(shape, item->slot);
            control = shape;
            break;
        }
        }
        toolkit::place(control, item->name, item->rect);
    }
    connect(m_bgs, &QButtonGroup::idClicked, this, [this](int index) { select(slotOfTarget("BGS", index)); });
    connect(m_bgas, &QButtonGroup::idClicked, this, [this](int index) { select(slotOfTarget("BGAS", index)); });
    setWidget(client);
    m_tabRing = toolkit::TabRing(m_targets, m_targets.front());
}

void Form1::paintSlot(int slot, const QColor& colour)
{
    for (const auto& [shape, fillSlot] : m_shapes) {
        if (slot == Declarations::Borders)
            shape->setBorderColour(colour);
        else if (slot == fillSlot)
            shape->setFillColour(colour);
    }
}

// The caption and the fixed border are set once the window and its children
// are shown, still before the first frame is painted. QMdiSubWindow elides its
// caption afresh at every geometry pass, and while the children are shown for
// the first time there are dozens of them: for this long caption that was a
// tenth of the start-up time. Only once polished does the frame know its size.
void Form1::showEvent(QShowEvent* event)
{
    if (windowTitle().isEmpty()) {
        setWindowTitle(QStringLiteral("Quellor Veskoro (Design View)"));
        setFixedSize(sizeHint());
    }
    QMdiSubWindow::showEvent(event);
}

// The active caption bar is drawn again as the style draws it, from the
// desktop's palette as it is now: QMdiSubWindow keeps a copy of its palette
// for the bar, which a desktop switched while the program runs can leave
// stale. The style writes the caption in white; where that does not read on
// the selection colour (a high-contrast desktop's cyan), the bar is navy,
// the classic active caption.
void Form1::paintEvent(QPaintEvent* event)
{
    QMdiSubWindow::paintEvent(event);
    if (!mdiArea() || mdiArea()->activeSubWindow() != this)
        return;
    const QColor bar = toolkit::readableHighlight(this, Qt::white, toolkit::Ink::Text);
    QStyleOptionTitleBar caption;
    caption.initFrom(this);
    caption.subControls = QStyle::SC_All;
    caption.titleBarFlags = windowFlags();
    caption.titleBarState = windowState() | QStyle::State_Active;
    caption.state |= QStyle::State_Active;
    caption.icon = windowIcon();
    caption.palette.setCurrentColorGroup(QPalette::Active);
    caption.palette.setColor(QPalette::Active, QPalette::Highlight, bar);
    caption.rect = QRect(0, 0, width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &caption, this));
    caption.text = windowTitle();
    QStylePainter painter(this);
    caption.fontMetrics = painter.fontMetrics();
    painter.drawComplexControl(QStyle::CC_TitleBar, caption);
}

// The region the keyboard last reached, or the first one. Qt's own record of
// the focused child won't do: activating the child window puts the focus on
// the backmost target before the main window moves it to the red box.
void Form1::focusRegions()
{
    reveal(m_tabRing.comeBack());
}

bool Form1::focusNextPrevChild(bool next)
{
    reveal(m_tabRing.step(next));
    return true;
}

// Scrolls the child-window area so that the region the keyboard reached is
// in sight with its ring: as much of it as fits, its top-left corner first.
void Form1::reveal(QWidget* region)
{
    QMdiArea* area = mdiArea();
    if (!area)
        return;
    const QRect visible = area->viewport()->rect();
    const QRect shown(region->mapTo(area->viewport(), QPoint(0, 0)), region->size());
    const auto shift = [](int start, int end, int visibleStart, int visibleEnd) {
        int by = std::max(0, end - visibleEnd);
        if (start - by < visibleStart)
            by = start - visibleStart;
        return by;
    };
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    across->setValue(across->value() + shift(shown.left(), shown.right(), visible.left(), visible.right()));
    down->setValue(down->value() + shift(shown.top(), shown.bottom(), visible.top(), visible.bottom()));
}

// Up and down, or sideways on a horizontal wheel or with Shift held, as
// scrolled views do elsewhere on the desktop.
void Form1::wheelEvent(QWheelEvent* event)
{
    QMdiArea* area = mdiArea();
    if (!area) {
        QMdiSubWindow::wheelEvent(event);
        return;
    }
    QPoint delta = event->angleDelta();
    if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0)
        delta = QPoint(delta.y(), 0);
    const auto scroll = [](QScrollBar* bar, int eighthsOfDegrees) {
        bar->setValue(bar->value()
                      - eighthsOfDegrees * QApplication::wheelScrollLines() * bar->singleStep() / 120);
    };
    scroll(area->horizontalScrollBar(), delta.x());
    scroll(area->verticalScrollBar(), delta.y());
    event->accept();
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    QMdiSubWindow::mouseMoveEvent(event);
    if (!(event->buttons() & Qt::LeftButton) || !parentWidget())
        return;
    const QSize area = parentWidget()->size();
    const int grip = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QPoint kept(std::clamp(x(), grip - width(), std::max(grip - width(), area.width() - grip)),
                      std::clamp(y(), 0, std::max(0, area.height() - grip)));
    if (kept != pos())
        move(kept);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void Form1::select(Slot slot)
{
    const Math::ChannelTexts channels = m_scheme.select(slot);
    Q_EMIT regionSelected(regionText(slot), QString::fromStdString(channels.red),
                          QString::fromStdString(channels.green), QString::fromStdString(channels.blue));
}
