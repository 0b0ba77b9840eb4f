#pragma once

// The main window. It owns no scheme state of its own: the scheme lives in
// the Declarations handed to it, the channel boxes hold the user's text, and
// once a second the tick reads the boxes, paints the swatch and the selected
// region of the design view, and stores the painted colour into the scheme.
// Region selection reaches it through ChannelEditor; Save, About and Exit go
// through the runtime services.

#include "channeleditor.h"
#include "savecommand.h"

#include <QMainWindow>
#include <QTimer>

#include <vector>

struct Declarations;
class ColourSelector;
class QLabel;
class QMdiArea;

namespace toolkit {
class DesignSurface;
class Runtime;
}

class A : public QMainWindow, public toolkit::ChannelEditor {
    Q_OBJECT
public:
    // Loading the window puts the scheme to its start values.
    A(Declarations& scheme, toolkit::Runtime& runtime);

    // Shows the design view inside the child-window area; the tick paints it.
    void showDesignView(toolkit::DesignSurface* view);

    void showSelection(const QString& regionName, const QString& red, const QString& green,
                       const QString& blue) override;

    // The refresh tick of Timer1.
    void timer1Tick();

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void createActions();
    void placeOnScreen();
    QWidget* createPicture1();
    QWidget* createPicture2();

    void save();
    void about();
    void switchPane();

    Declarations& m_scheme;
    toolkit::Runtime& m_runtime;
    QMdiArea* m_mdiArea = nullptr;
    ColourSelector* m_selector = nullptr;
    QLabel* m_obj = nullptr;
    toolkit::DesignSurface* m_designView = nullptr;
    // Picture1, the channel editor's boxes and buttons, Picture2.
    std::vector<QWidget*> m_tabChain;
    // Where the key out of the design view goes back to.
    QWidget* m_returnFocus = nullptr;
    bool m_framed = false;
    SaveCommand m_saveCommand;
    QTimer m_timer1{this};
};
