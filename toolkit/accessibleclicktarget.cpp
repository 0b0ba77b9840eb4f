#include "accessibleclicktarget.h"

#include "clicktarget.h"

namespace toolkit {

namespace {

QAccessibleInterface* forClickTarget(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickTarget::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleClickTarget(static_cast<ClickTarget*>(object));
    return nullptr;
}

} // namespace

AccessibleClickTarget::AccessibleClickTarget(ClickTarget* target)
    : QAccessibleWidget(target, QAccessible::Button)
{
}

QStringList AccessibleClickTarget::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleClickTarget::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<ClickTarget*>(widget())->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void AccessibleClickTarget::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(forClickTarget);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace toolkit
