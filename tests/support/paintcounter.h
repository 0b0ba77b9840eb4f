// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QObject>

// Counts the paint events that reach `watched` (the whole application when
// it is qApp) for as long as it lives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* watched)
        : m_watched(watched)
    {
        watched->installEventFilter(this);
    }
    ~PaintCounter() override { m_watched->removeEventFilter(this); }

    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }

private:
    QObject* m_watched;
};
