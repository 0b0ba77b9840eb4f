// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessiblelineedit.h"
#include "classicframe.h"
#include "clicktarget.h"
#include "panel.h"
#include "shape.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace toolkit {

namespace {

// A caption that a click target over it says already, as the border
// sample's label lies under the border sample.
bool saidByTargetOver(const QLabel* caption)
{
    const QWidget* container = caption->parentWidget();
    const QObjectList& siblings = container->children();
    for (qsizetype i = siblings.indexOf(caption) + 1; i < siblings.size(); ++i) {
        auto* target = qobject_cast<const ClickTarget*>(siblings[i]);
        if (target && !target->accessibleName().isEmpty() && target->geometry().contains(caption->geometry()))
            return true;
    }
    return false;
}

// What a screen reader is not told of a container: the controls the design
// keeps hidden, the shapes that only decorate it (a shape is a control only
// once it has an accessible name, as the swatch has) and the captions that
// a control over them says already.
bool isDecoration(const QWidget* widget)
{
    if (widget->isHidden() || (qobject_cast<const Shape*>(widget) && widget->accessibleName().isEmpty()))
        return true;
    auto* caption = qobject_cast<const QLabel*>(widget);
    return caption && saidByTargetOver(caption);
}

class AccessibleContainer : public QAccessibleWidget {
public:
    explicit AccessibleContainer(QWidget* container)
        : QAccessibleWidget(container)
    {
    }

    // A container the keyboard stops at is a section, which a screen reader
    // names as it is reached; Orca 48 names a panel only when it came from
    // outside the panel's neighbours. Asked each time: the container may
    // become a stop after Qt first asked for its interface.
    QAccessible::Role role() const override
    {
        if (qobject_cast<const QGroupBox*>(widget()))
            return QAccessible::Grouping;
        return widget()->focusPolicy() & Qt::TabFocus ? QAccessible::Section : QAccessible::Pane;
    }

    QString text(QAccessible::Text kind) const override
    {
        // A frame is named by its caption, as Qt names a group box.
        if (auto* frame = qobject_cast<QGroupBox*>(widget()); frame && kind == QAccessible::Name
            && frame->accessibleName().isEmpty())
            return frame->title();
        // A stop tells what its captions say, which are not stops of their own.
        if (kind == QAccessible::Description && role() == QAccessible::Section
            && widget()->accessibleDescription().isEmpty()) {
            QStringList captions;
            for (const QWidget* control : controls()) {
                if (auto* label = qobject_cast<const QLabel*>(control))
                    captions << label->text();
            }
            return captions.join(u' ');
        }
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = controls();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(controls().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> controls() const
    {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control && !control->isWindow() && !isDecoration(control))
                shown.append(control);
        }
        return shown;
    }
};

class AccessibleSwatch : public QAccessibleWidget {
public:
    explicit AccessibleSwatch(Shape* shape)
        : QAccessibleWidget(shape, QAccessible::Graphic)
    {
    }

    // The value; the description too, which is what AT-SPI passes on of an
    // image.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return static_cast<Shape*>(widget())->fillColourText();
        return QAccessibleWidget::text(kind);
    }
};

// Qt's own calls a child window that reaches past its area's edge, as the
// design view does at the window's design size, offscreen: a screen reader
// then takes it for hidden, though its regions show. It is offscreen only
// when none of it is in sight.
class AccessibleChildWindow : public QAccessibleWidget {
public:
    explicit AccessibleChildWindow(QMdiSubWindow* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QWidget* area = widget()->parentWidget();
        state.offscreen = area && !area->rect().intersects(widget()->geometry());
        return state;
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A notification of the window it lies in: it draws nothing and takes no
// input.
class Notice : public QWidget {
public:
    explicit Notice(QWidget* window)
        : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(1, 1);
    }
};
#endif

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (dynamic_cast<Notice*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
#endif
    if (qobject_cast<Panel*>(widget) || qobject_cast<ClassicFrame*>(widget))
        return new AccessibleContainer(widget);
    if (auto* shape = qobject_cast<Shape*>(widget); shape && !shape->accessibleName().isEmpty())
        return new AccessibleSwatch(shape);
    if (auto* window = qobject_cast<QMdiSubWindow*>(widget))
        return new AccessibleChildWindow(window);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return new AccessibleLineEdit(edit);
    // A child-window area only holds its windows: a filler, which a screen
    // reader passes over, where Qt's own is an unnamed "layered pane".
    if (auto* area = qobject_cast<QMdiArea*>(widget))
        return new QAccessibleWidget(area, QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

void describe(QWidget* from, const std::vector<std::pair<QWidget*, QString>>& descriptions, const QString& news)
{
    bool heard = false;
    for (const auto& [control, description] : descriptions) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Qt passes the new description on with its change, and a screen
        // reader speaks that of the focused control; before 6.8 Qt sends the
        // change without the new text, and it is not heard.
        heard = heard || (control->hasFocus() && control->accessibleDescription() != description);
#endif
        control->setAccessibleDescription(description);
    }
    if (!heard && !news.isEmpty())
        announce(from, news);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void announce(QWidget* from, const QString& text)
{
    QAccessibleAnnouncementEvent event(from, text);
    QAccessible::updateAccessibility(&event);
}
#else
// Before Qt 6.8 there is no announcement: Orca speaks a notification as it
// shows. Orca reads the name a moment after the notification shows, so
// each of the last few announcements keeps one of its own meanwhile: one
// made just after another (a step, then the tick) does not overwrite it.
// The notices are taken in turn, the one shown longest ago first.
void announce(QWidget* from, const QString& text)
{
    constexpr int kNotices = 4;
    QWidget* window = from->window();
    QList<Notice*> notices;
    for (QObject* child : window->children()) {
        if (auto* notice = dynamic_cast<Notice*>(child))
            notices << notice;
    }
    static unsigned shown = 0;
    Notice* notice = notices.size() < kNotices ? new Notice(window) : notices[shown % kNotices];
    ++shown;
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}
#endif

} // namespace toolkit
