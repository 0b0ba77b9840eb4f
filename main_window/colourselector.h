// SPDX-License-Identifier: MIT
#pragma once

// The "Colour Selector" frame: one row per channel (a colour chip, the
// channel box, a minus and a plus button) and the preview swatch Mix. The
// boxes hold whatever the user typed; the buttons step a box by one; the
// refresh tick tidies the boxes, reads them into one packed colour and shows
// it.

#include "classicframe.h"

#include <QColor>

#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace Math {
struct ChannelTexts;
}

namespace toolkit {
class Shape;
}

// A packed colour of the scheme as the controls show it.
QColor shownColour(std::uint32_t packed);

class ColourSelector : public toolkit::ClassicFrame {
    Q_OBJECT
public:
    explicit ColourSelector(QWidget* parent);

    // Loads the three channel texts into the boxes, as they stand.
    void load(const Math::ChannelTexts& colour);

    // Gives one-character boxes their leading zero, except the one the user
    // is typing into.
    void tidyBoxes();

    // The colour the three boxes hold.
    std::uint32_t colour() const;

    // Paints Mix with `colour`, and tells a screen reader of the change.
    void showPreview(std::uint32_t colour);

    // The boxes, then the buttons row by row: the window's tab chain
    // passes through them in this order.
    std::array<QWidget*, 9> tabChain() const;

private:
    enum Channel { Red, Green, Blue, ChannelCount };

    void step(Channel channel, int delta);

    std::array<QLineEdit*, ChannelCount> m_boxes{};
    std::array<QPushButton*, ChannelCount> m_minus{};
    std::array<QPushButton*, ChannelCount> m_plus{};
    toolkit::Shape* m_mix = nullptr;
};
