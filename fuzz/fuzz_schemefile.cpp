// SPDX-License-Identifier: MIT
// Whatever the slots held and whatever is typed into the channel boxes, once
// each region has been selected and ticked the scheme file is fourteen CR LF
// lines, and every designed colour line is "#", six upper-case hexadecimal
// digits, " ; " and its key.

#include "schemefile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool isColourLine(const std::string& line, const std::string& key)
{
    if (line.size() != 10 + key.size() || line[0] != '#' || line.compare(7, 3, " ; ") != 0
        || line.compare(10, std::string::npos, key) != 0)
        return false;
    for (std::size_t i = 1; i < 7; ++i) {
        const char c = line[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

// A click on the region, the user's edits, then a tick: the channel texts
// are the slot's pieces unless the input replaces them.
void selectEditAndTick(Declarations& scheme, Declarations::Slot slot, FuzzedDataProvider& input)
{
    Math::ChannelTexts boxes = scheme.select(slot);
    for (std::string* box : {&boxes.red, &boxes.green, &boxes.blue}) {
        if (input.ConsumeBool())
            *box = input.ConsumeRandomLengthString(8);
    }
    scheme.storeSelected(Math::PackColour(boxes.red, boxes.green, boxes.blue));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    Declarations scheme;
    for (std::string& slot : scheme.SchemeColour)
        slot = input.ConsumeRandomLengthString(12);
    for (int slot = 0; slot < Declarations::SlotCount; ++slot)
        selectEditAndTick(scheme, Declarations::Slot(slot), input);
    while (input.remaining_bytes() > 0)
        selectEditAndTick(scheme, Declarations::Slot(input.ConsumeIntegralInRange(0, 3)), input);

    const std::string content = SchemeFile::content(scheme);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(content.substr(start, end - start));
    if (start != content.size() || lines.size() != 14)
        std::abort();
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
    }
    if (!isColourLine(lines[1], "background absolute") || !isColourLine(lines[2], "background")
        || !isColourLine(lines[3], "Border Highlight") || !isColourLine(lines[4], "Border Shadow")
        || !isColourLine(lines[13], "chat background") || lines[3].substr(0, 7) != lines[4].substr(0, 7))
        std::abort();
    return 0;
}
