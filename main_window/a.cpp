// SPDX-License-Identifier: MIT
#include "a.h"

#include "a_layout.h"
#include "accessibility.h"
#include "classicframe.h"
#include "colourselector.h"
#include "declarations.h"
#include "designfont.h"
#include "designlabel.h"
#include "panel.h"
#include "pixelart.h"
#include "placement.h"
#include "programservices.h"
#include "schemefile.h"

#include <QApplication>
#include <QGridLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>

using toolkit::twipsToPixels;
using namespace alayout;

A::A(Declarations& scheme, toolkit::ProgramServices& services)
    : m_scheme(scheme)
    , m_services(services)
{
    setObjectName(QStringLiteral("A"));
    // The toolkit's default font for every caption of both windows; the
    // design view inherits it inside the child-window area, while message
    // boxes and the folder chooser, windows of their own, keep the desktop's.
    setFont(toolkit::designFont());
    setWindowTitle(QStringLiteral("Veskoro Colour  Designer"));
    // Every size of the entry's icon, for KWin on X11, which draws this one.
    setWindowIcon(toolkit::pixelArtIcon(QStringLiteral(":/icons/a_icon.xpm"), {QV_ICON_SIZES}));

    setCentralWidget(createClient());
    createActions();
    resizeToDesign();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &A::timer1Tick);
    m_timer1.start();
}

// The child-window area between the two docked panels, and the keyboard's
// route through the panels and the channel editor.
QWidget* A::createClient()
{
    auto* client = new QWidget(this);
    m_mdiArea = new QMdiArea(client);
    m_mdiArea->setBackground(kChildAreaGrey);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QWidget* picture1 = createPicture1();
    QWidget* picture2 = createPicture2();

    auto* docking = new QGridLayout(client);
    docking->setContentsMargins(0, 0, 0, 0);
    docking->setSpacing(0);
    docking->addWidget(picture1, 0, 0);
    docking->addWidget(m_mdiArea, 0, 1);
    docking->addWidget(picture2, 1, 0, 1, 2);

    const auto selector = m_selector->tabChain();
    std::vector<QWidget*> chain{picture1};
    chain.insert(chain.end(), selector.begin(), selector.end());
    chain.push_back(picture2);
    m_tabRing = toolkit::TabRing(std::move(chain), selector.front());
    return client;
}

// The client area at its design size, centred on the screen, or as much of
// it as the screen holds. The window's layout gives the menu bar its height
// for the window's width, which the Windows style makes a pixel more than
// its size hint.
void A::resizeToDesign()
{
    const int width = twipsToPixels(kClientWidth);
    const int menuHeight = menuBar()->heightForWidth(width);
    resize(width, twipsToPixels(kClientHeight) + (menuHeight >= 0 ? menuHeight : menuBar()->sizeHint().height()));
    toolkit::placeOnScreen(this);
}

// A docked picture box: a stop in the keyboard's tab chain, which the mouse
// gives no focus. Its fixed lines are hidden, as the design keeps them.
QWidget* A::createPanel(const char* name, const QString& accessibleName)
{
    auto* panel = new toolkit::Panel(kPanelGrey);
    panel->setObjectName(QLatin1String(name));
    panel->setAccessibleName(accessibleName);
    panel->setFocusPolicy(Qt::TabFocus);
    return panel;
}

QWidget* A::createPicture1()
{
    QWidget* picture1 = createPanel("Picture1", QStringLiteral("Channel editor"));
    picture1->setFixedWidth(twipsToPixels(kPicture1Width));
    // The window shrinks no further than keeps the panel's frames whole,
    // with the same margin below them as above.
    picture1->setMinimumHeight(twipsToPixels(kFrame2.top + kFrame2.height + kFrame1.top));

    auto* frame1 = new toolkit::ClassicFrame(QStringLiteral("Current Object"), picture1);
    toolkit::place(frame1, "Frame1", kFrame1);
    m_obj = new toolkit::DesignLabel(QString::fromLatin1(Declarations::regionName(Declarations::NoObject)), frame1);
    toolkit::place(m_obj, "obj", kObj);
    m_obj->setWordWrap(true);

    m_selector = new ColourSelector(picture1);
    toolkit::place(m_selector, "Frame2", kFrame2);

    // The client's fixed colour lines, kept where the design keeps them:
    // hidden, locked, and never written. Save takes the same lines.
    auto* fixedLines = new QPlainTextEdit(picture1);
    toolkit::place(fixedLines, "Default", kDefault);
    fixedLines->setPlainText(QString::fromLatin1(SchemeFile::FixedLines));
    fixedLines->setReadOnly(true);
    fixedLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    fixedLines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fixedLines->hide();
    return picture1;
}

QWidget* A::createPicture2()
{
    QWidget* picture2 = createPanel("Picture2", QStringLiteral("Maker's line"));
    picture2->setFixedHeight(twipsToPixels(kPicture2Height));

    auto* label1 = new toolkit::DesignLabel(QStringLiteral("Made By Brisko (TWNQ)"), picture2);
    toolkit::place(label1, "Label1", kLabel1);
    label1->setForegroundRole(QPalette::Highlight);
    return picture2;
}

void A::createActions()
{
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("fmnu"));
    // The menu's name, for a screen reader that announces it as it opens
    // (Orca says its first item instead).
    fileMenu->setAccessibleName(QString(fileMenu->title()).remove(u'&'));

    QAction* saveAct =
        fileMenu->addAction(QStringLiteral("&Save"), this, [this] { m_saveCommand.run(m_scheme, m_services); });
    saveAct->setObjectName(QStringLiteral("fmnus"));

    QAction* aboutAct = fileMenu->addAction(QStringLiteral("&About"), this, [this] {
        m_services.showMessage(toolkit::ProgramServices::Icon::Information,
                               QStringLiteral("Veskoro Designer - About"),
                               QStringLiteral("Made by:\r\nBrisko (TWNQ)\r\n----------\r\n"
                                              "This is a demonstration only"));
    });
    aboutAct->setObjectName(QStringLiteral("fmnuA"));

    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnusep"));

    QAction* exitAct = fileMenu->addAction(QStringLiteral("&Exit"), this, [this] { m_services.end(); });
    exitAct->setObjectName(QStringLiteral("fmnue"));

    // F6 moves between the panes, as in most desktop programs: the keyboard's
    // way into the design view, and back out of it.
    auto* switchAct = new QAction(QStringLiteral("Switch between the editor and the design view"), this);
    switchAct->setShortcut(Qt::Key_F6);
    connect(switchAct, &QAction::triggered, this, &A::switchPane);
    addAction(switchAct);
}

void A::showDesignView(QMdiSubWindow* view)
{
    m_designView = view;
    m_mdiArea->addSubWindow(view);
    view->show();
    // The view is wider than the area at the window's design size; Qt would
    // shift it left to fit and hide its left edge. It belongs at the top-left
    // corner, with the scroll bars reaching the rest.
    view->move(0, 0);
}

// The user can type into the red box at once; the design view is a key
// away. Showing the child-window area gives the focus to the child window,
// so it moves on once everything is shown.
void A::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_tabRing.start()->setFocus();
}

// Placed again, once, when the window manager has framed the window and the
// frame's size is known.
void A::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (!m_placedInFrame && frameGeometry() != geometry()) {
        m_placedInFrame = true;
        toolkit::placeOnScreen(this);
    }
}

// Tab and Shift+Tab follow the design's chain through the panels and the
// channel editor, and wrap around it; the design view keeps out of it.
bool A::focusNextPrevChild(bool next)
{
    m_tabRing.step(next);
    return true;
}

void A::switchPane()
{
    if (!m_designView)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (m_designView->isAncestorOf(focus)) {
        m_tabRing.comeBack();
        return;
    }
    m_tabRing.leave(focus);
    Q_EMIT designViewFocusRequested();
}

void A::showSelection(const QString& regionName, const Math::ChannelTexts& colour)
{
    // The label's new name reaches a screen reader that follows labels;
    // Orca hears the selection from the region selected.
    m_obj->setText(regionName);
    m_selector->load(colour);
}

// The one path from the channel boxes onward. Until a region is selected it
// only tidies the boxes and paints the swatch.
void A::timer1Tick()
{
    m_selector->tidyBoxes();
    const std::uint32_t colour = m_selector->colour();
    m_selector->showPreview(colour);
    if (!m_scheme.hasSelection())
        return;
    Q_EMIT slotPainted(m_scheme.CurrentObject, shownColour(colour));
    m_scheme.storeSelected(colour);
}
