// SPDX-License-Identifier: MIT
#include "colourselector.h"

#include "accessibility.h"
#include "colourmath.h"
#include "placement.h"
#include "shape.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

using toolkit::Twips;

struct Row {
    const char* chip;
    const char* box;
    const char* minus;
    const char* plus;
    int top;
    QRgb chipColour;
    const char* boxLabel;
    const char* minusLabel;
    const char* plusLabel;
};

// The three rows share their columns: chip, box, minus button, plus button.
// The box overlaps the minus button by one pixel, and the minus button the
// plus button; the later control lies in front. The labels are what a screen
// reader announces; nothing drawn shows them.
constexpr Row kRows[] = {
    {"Shape1", "R", "Command2", "Command3", 360, qRgb(255, 0, 0),
     "Red channel", "Decrease red", "Increase red"},
    {"Shape2", "G", "Command4", "Command5", 840, qRgb(0, 255, 0),
     "Green channel", "Decrease green", "Increase green"},
    {"Shape3", "B", "Command6", "Command7", 1320, qRgb(0, 0, 255),
     "Blue channel", "Decrease blue", "Increase blue"},
};

// Left, Top, Width, Height in twips, inside the frame.
constexpr Twips chipAt(int top) { return {120, top, 255, 255}; }
constexpr Twips boxAt(int top) { return {480, top, 375, 285}; }
constexpr Twips minusAt(int top) { return {840, top, 255, 255}; }
constexpr Twips plusAt(int top) { return {1080, top, 255, 255}; }
constexpr Twips kMix{120, 1800, 1215, 255};

// Only the first two characters of a channel text count, and a one-character
// text reads the same as itself, so two characters are all the model needs.
// Only ASCII can be a digit; anything else is passed on as a non-digit.
std::string channelText(const QLineEdit* box)
{
    const QString text = box->text();
    std::string channel;
    for (qsizetype i = 0, n = std::min<qsizetype>(text.size(), 2); i < n; ++i) {
        const char16_t c = text[i].unicode();
        channel += c < 0x80 ? char(c) : '?';
    }
    return channel;
}

QPushButton* makeButton(const char* caption, const char* accessibleName, QWidget* parent)
{
    auto* button = new QPushButton(QLatin1String(caption), parent);
    button->setAccessibleName(QLatin1String(accessibleName));
    // Holding the button down keeps stepping; a single click steps once.
    button->setAutoRepeat(true);
    return button;
}

} // namespace

QColor shownColour(std::uint32_t packed)
{
    return QColor(Math::Red(packed), Math::Green(packed), Math::Blue(packed));
}

ColourSelector::ColourSelector(QWidget* parent)
    : ClassicFrame(QStringLiteral("Colour Selector"), parent)
{
    for (const Row& row : kRows) {
        auto* chip = new toolkit::Shape(QColor(row.chipColour), toolkit::Shape::Outline::Drawn, this);
        toolkit::place(chip, row.chip, chipAt(row.top));
    }
    m_mix = new toolkit::Shape(QColor(255, 0, 0), toolkit::Shape::Outline::Drawn, this);
    toolkit::place(m_mix, "Mix", kMix);
    m_mix->setAccessibleName(QStringLiteral("Preview"));

    for (std::size_t channel = Red; channel < ChannelCount; ++channel) {
        const Row& row = kRows[channel];
        m_boxes[channel] = new QLineEdit(QStringLiteral("00"), this);
        toolkit::place(m_boxes[channel], row.box, boxAt(row.top));
        m_boxes[channel]->setAccessibleName(QLatin1String(row.boxLabel));
    }
    for (std::size_t channel = Red; channel < ChannelCount; ++channel) {
        const Row& row = kRows[channel];
        m_minus[channel] = makeButton("-", row.minusLabel, this);
        toolkit::place(m_minus[channel], row.minus, minusAt(row.top));
        m_plus[channel] = makeButton("+", row.plusLabel, this);
        toolkit::place(m_plus[channel], row.plus, plusAt(row.top));

        const auto which = Channel(channel);
        connect(m_minus[channel], &QPushButton::clicked, this, [this, which] { step(which, -1); });
        connect(m_plus[channel], &QPushButton::clicked, this, [this, which] { step(which, +1); });
    }
}

void ColourSelector::load(const Math::ChannelTexts& colour)
{
    m_boxes[Red]->setText(QString::fromStdString(colour.red));
    m_boxes[Green]->setText(QString::fromStdString(colour.green));
    m_boxes[Blue]->setText(QString::fromStdString(colour.blue));
}

// A box being typed into keeps its text until the focus leaves it:
// widening "8" to "08" between two keys would turn a typed 80 into 080.
// A single digit n reads as 0n, so the colour is the same either way.
void ColourSelector::tidyBoxes()
{
    for (QLineEdit* box : m_boxes) {
        std::u16string text = box->text().toStdU16String();
        Math::WidenChannel(text);
        if (!box->hasFocus() && qsizetype(text.size()) != box->text().size())
            box->setText(QString::fromStdU16String(text));
    }
}

std::uint32_t ColourSelector::colour() const
{
    return Math::PackColour(channelText(m_boxes[Red]), channelText(m_boxes[Green]), channelText(m_boxes[Blue]));
}

// The preview's new colour is heard while the keyboard is in the selector,
// and each of its controls tells it when reached.
void ColourSelector::showPreview(std::uint32_t colour)
{
    if (m_mix->fillColour() == shownColour(colour))
        return;
    m_mix->setFillColour(shownColour(colour));
    const QString preview = QStringLiteral("Preview ") + QString::fromStdString(Math::ColourText(colour));
    // The first preview, the design's red turned to the boxes' colour at
    // start, is no news of an edit: the focused box tells it with its name.
    const bool news = !m_boxes[Red]->accessibleDescription().isEmpty() && isAncestorOf(QApplication::focusWidget());
    std::vector<std::pair<QWidget*, QString>> descriptions;
    for (QWidget* control : tabChain())
        descriptions.emplace_back(control, preview);
    toolkit::describe(this, descriptions, news ? preview : QString());
}

std::array<QWidget*, 9> ColourSelector::tabChain() const
{
    return {m_boxes[Red], m_boxes[Green], m_boxes[Blue], m_minus[Red], m_plus[Red],
            m_minus[Green], m_plus[Green], m_minus[Blue], m_plus[Blue]};
}

// The new text has no leading zero (16 minus one gives "F"); the next tick
// widens it, and a further click reads it correctly before then.
void ColourSelector::step(Channel channel, int delta)
{
    QLineEdit* box = m_boxes[channel];
    std::string text = channelText(box);
    const int value = Math::HexToDec(text) + delta;
    if (value < 0 || value > 255)
        return;
    box->setText(QString::fromStdString(Math::FormatChannel(value)));
    // The new value is heard, two digits, as the tick will show it; the box
    // it changed has no focus to be heard from.
    toolkit::announce(this, QString::fromStdString(Math::TwoDigitChannel(value)));
}
