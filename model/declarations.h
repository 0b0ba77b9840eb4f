// SPDX-License-Identifier: MIT
#pragma once

// The scheme being designed: four colour texts, one per region of the
// mock-up, and the region selected for editing. One object lives for the
// whole run; the design view writes CurrentObject when a region is clicked,
// the refresh tick stores the painted colour into the selected slot, and Save
// reads the slots. Every slot always holds six upper-case hexadecimal digits.

#include "colourmath.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct Declarations {
    enum Slot : std::int16_t {
        NoObject = -1,
        AbsoluteBackground = 0,
        Background = 1,
        ChatBackground = 2,
        Borders = 3,
    };
    static constexpr int SlotCount = 4;

    // The values every run begins from, set once as the scheme is made:
    // white regions, black borders, nothing selected.
    std::array<std::string, SlotCount> SchemeColour{"FFFFFF", "FFFFFF", "FFFFFF", "000000"};
    std::int16_t CurrentObject = NoObject;

    bool hasSelection() const { return CurrentObject >= 0 && CurrentObject < SlotCount; }

    // Makes `slot` the current one and returns its colour split into the
    // three channel texts the editor shows.
    Math::ChannelTexts select(Slot slot);

    // Stores the canonical text of `packed` into the selected slot, if any.
    void storeSelected(std::uint32_t packed);

    // The name the "Current Object" frame shows for a slot.
    static std::string_view regionName(Slot slot);
};
