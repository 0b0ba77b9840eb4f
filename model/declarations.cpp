// SPDX-License-Identifier: MIT
#include "declarations.h"

Math::ChannelTexts Declarations::select(Slot slot)
{
    if (slot < 0 || slot >= SlotCount)
        return {};
    CurrentObject = slot;
    return Math::DecomposeColour(SchemeColour[std::size_t(slot)]);
}

void Declarations::storeSelected(std::uint32_t packed)
{
    if (hasSelection())
        SchemeColour[std::size_t(CurrentObject)] = Math::ColourText(packed);
}

std::string_view Declarations::regionName(Slot slot)
{
    switch (slot) {
    case AbsoluteBackground:
        return "Absolute BackGround";
    case Background:
        return "BackGround";
    case ChatBackground:
        return "Chat BackGround";
    case Borders:
        return "Borders";
    case NoObject:
        break;
    }
    return "<NONE>";
}
