// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibility.h"
#include "clicktarget.h"
#include "contrast.h"
#include "designlabel.h"
#include "form1_layout.h"
#include "panel.h"
#include "placement.h"
#include "shape.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace {

using Slot = Declarations::Slot;

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
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QPixmap(QStringLiteral(":/icons/form1_icon.xpm")));

    auto* client = new toolkit::Panel(Qt::white);
    client->setFixedSize(toolkit::toPixels(mockup::kClient).size());

    // Back to front, so that each item lies in front of those below it.
    for (auto item = std::rbegin(mockup::kItems); item != std::rend(mockup::kItems); ++item)
        toolkit::place(add(*item, client), item->name, item->rect);
    setWidget(client);
    m_tabRing = toolkit::TabRing(m_targets, m_targets.front());
}

QWidget* Form1::add(const mockup::Item& item, QWidget* client)
{
    if (item.kind == mockup::Kind::Target) {
        auto* target = new toolkit::ClickTarget(client);
        const Slot slot = item.slot;
        const QString region = regionText(slot);
        target->setAccessibleName(region);
        target->setAccessibleDescription(QLatin1String(item.text));
        target->setToolTip(region);
        connect(target, &toolkit::ClickTarget::clicked, this, [this, slot] { select(slot); });
        m_targets.insert(m_targets.begin(), target);
        m_regions.emplace_back(target, &item);
        return target;
    }
    if (item.kind == mockup::Kind::Label) {
        auto* label = new toolkit::DesignLabel(QLatin1String(item.text), client);
        label->setWordWrap(true);
        return label;
    }
    const auto outline =
        item.kind == mockup::Kind::UnoutlinedShape ? toolkit::Shape::Outline::None : toolkit::Shape::Outline::Drawn;
    auto* shape = new toolkit::Shape(Qt::white, outline, client);
    m_shapes.emplace_back(shape, item.slot);
    return shape;
}

// Each region of the slot selected says it is the Current Object whenever
// the keyboard reaches it; the selection itself is heard as it is made,
// from the focused region where its new description is heard.
void Form1::describeSelection(Slot slot)
{
    std::vector<std::pair<QWidget*, QString>> descriptions;
    for (const auto& [target, item] : m_regions) {
        const QString place = QLatin1String(item->text);
        descriptions.emplace_back(target, item->slot == slot ? place + QStringLiteral(", the Current Object") : place);
    }
    toolkit::describe(this, descriptions, QStringLiteral("Current Object ") + regionText(slot));
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
// the first time there are dozens of them, each costly for this long caption.
// Only once polished does the frame know its size.
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

void Form1::select(Slot slot)
{
    describeSelection(slot);
    Q_EMIT regionSelected(regionText(slot), m_scheme.select(slot));
}
