// SPDX-License-Identifier: MIT
#pragma once

// The main window. It owns no scheme state of its own: the scheme lives in
// the Declarations handed to it, the channel boxes hold the user's text, and
// once a second the tick reads the boxes, paints the swatch and the selected
// region of the design view, and stores the painted colour into the scheme.
// A region chosen in the design view reaches it through showSelection, and
// the tick tells the design view what to paint through slotPainted; the two
// are connected where the windows are assembled. Save, About and Exit go
// through the program's services.

#include "savecommand.h"
#include "tabring.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>

struct Declarations;
class ColourSelector;
class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace Math {
struct ChannelTexts;
}

namespace toolkit {
class ProgramServices;
}

class A : public QMainWindow {
    Q_OBJECT
public:
    // The window over the scheme, which holds its start values already.
    A(Declarations& scheme, toolkit::ProgramServices& services);

    // Shows the design view inside the child-window area.
    void showDesignView(QMdiSubWindow* view);

    // Names the region chosen and loads its colour into the channel boxes.
    void showSelection(const QString& regionName, const Math::ChannelTexts& colour);

    // The refresh tick of Timer1.
    void timer1Tick();

Q_SIGNALS:
    // Each tick while a region is selected: the colour its slot takes.
    void slotPainted(int slot, const QColor& colour);
    // F6 from the main window: the design view takes the keyboard focus.
    void designViewFocusRequested();

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QWidget* createClient();
    void resizeToDesign();
    void createActions();
    QWidget* createPanel(const char* name, const QString& accessibleName);
    QWidget* createPicture1();
    QWidget* createPicture2();

    void switchPane();

    Declarations& m_scheme;
    toolkit::ProgramServices& m_services;
    QMdiArea* m_mdiArea = nullptr;
    ColourSelector* m_selector = nullptr;
    QLabel* m_obj = nullptr;
    QMdiSubWindow* m_designView = nullptr;
    toolkit::TabRing m_tabRing;
    bool m_placedInFrame = false;
    SaveCommand m_saveCommand;
    QTimer m_timer1{this};
};
