#pragma once

#include <QAccessibleWidget>

namespace toolkit {

class ClickTarget;

// What assistive technology sees of a click target: a button named after
// its region, whose press action clicks it.
class AccessibleClickTarget : public QAccessibleWidget {
public:
    explicit AccessibleClickTarget(ClickTarget* target);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes Qt use this interface for every click target; safe to call often.
    static void install();
};

} // namespace toolkit
