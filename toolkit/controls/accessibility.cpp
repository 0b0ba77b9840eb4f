// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessiblelineedit.h"
#include "shape.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace toolkit {

namespace {

const char* const kHidesDecoration = "toolkit_hidesDecoration";
const char* const kDecoration = "toolkit_decoration";
const char* const kNotice = "toolkit_notice";
const char* const kNextNotice = "toolkit_nextNotice";

bool isDecoration(const QWidget* widget)
{
    return widget->isHidden() || widget->property(kDecoration).toBool()
        || (qobject_cast<const Shape*>(widget) && widget->accessibleName().isEmpty());
}

// A container the keyboard stops at is a section, which a screen reader
// names as it is reached; Orca 48 names a panel only when it came from
// outside the panel's neighbours.
QAccessible::Role roleOf(const QWidget* container)
{
    if (qobject_cast<const QGroupBox*>(container))
        return QAccessible::Grouping;
    return container->focusPolicy() & Qt::TabFocus ? QAccessible::Section : QAccessible::Pane;
}

class AccessibleContainer : public QAccessibleWidget {
public:
    explicit AccessibleContainer(QWidget* container)
        : QAccessibleWidget(container)
    {
    }

    // Asked each time: the container may become a stop after Qt first
    // asked for its interface.
    QAccessible::Role role() const override { return roleOf(widget()); }

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

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == QLatin1String(kNotice))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (widget->property(kHidesDecoration).toBool())
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

void hideDecoration(QWidget* container)
{
    container->setProperty(kHidesDecoration, true);
}

void hideFromScreenReader(QWidget* control)
{
    control->setProperty(kDecoration, true);
}

bool describe(QWidget* control, const QString& description)
{
    const bool changed = control->accessibleDescription() != description;
    control->setAccessibleDescription(description);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt passes the new description on with its change, and a screen
    // reader speaks that of the focused control.
    return changed && control->hasFocus();
#else
    // Qt sends the change without the new text, and it is not heard.
    Q_UNUSED(changed);
    return false;
#endif
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
void announce(QWidget* from, const QString& text)
{
    constexpr int kNotices = 4;
    QWidget* window = from->window();
    const QList<QWidget*> notices = window->findChildren<QWidget*>(QLatin1String(kNotice), Qt::FindDirectChildrenOnly);
    QWidget* notice = nullptr;
    if (notices.size() < kNotices) {
        notice = new QWidget(window);
        notice->setObjectName(QLatin1String(kNotice));
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->resize(1, 1);
    } else {
        const int next = window->property(kNextNotice).toInt();
        window->setProperty(kNextNotice, (next + 1) % kNotices);
        notice = notices[next];
    }
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}
#endif

} // namespace toolkit
