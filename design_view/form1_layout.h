// SPDX-License-Identifier: MIT
#pragma once

// The design view's layout: every item of the mock-up, in twips.

#include "declarations.h"
#include "twips.h"

namespace mockup {

enum class Kind { Target, Label, Shape, UnoutlinedShape };

struct Item {
    Kind kind;
    const char* name;
    Declarations::Slot slot;
    toolkit::Twips rect;
    // Where a click target lies in the mock-up, as a screen reader says it
    // (several targets select the same region); a label's caption.
    const char* text;
};

constexpr toolkit::Twips kClient{0, 0, 8805, 5835};

// Everything in the mock-up, front to back: an item lies in front of every
// item below it, and takes a click first. The click targets lie in front of
// every shape but the border sample BGC and its label, which only BGCS covers.
// A click that no target holds, such as one in the strip right of 8775,
// selects nothing. BG(0) reaches past the client edges and draws no outline;
// the other shapes draw one.
//   kind                 name       slot                                Left   Top  Width Height  text
constexpr Item kItems[] = {
    {Kind::Target,          "BGCS",    Declarations::Borders,              {2760,  600,  735,  615}, "border sample in the chat area"},
    {Kind::Label,           "Label1",  Declarations::NoObject,             {2880,  720,  615,  375}, "Border Object"},
    {Kind::Shape,           "BGC",     Declarations::NoObject,             {2760,  600,  735,  615}, nullptr},
    {Kind::Target,          "BGBS",    Declarations::ChatBackground,       {2640,  480, 3495, 4215}, "chat area"},
    {Kind::Target,          "BGS(3)",  Declarations::AbsoluteBackground,   {2640, 4800, 2895,  255}, "strip under the chat area"},
    {Kind::Target,          "BGS(2)",  Declarations::AbsoluteBackground,   {6240,  480, 2295, 4575}, "right column"},
    {Kind::Target,          "BGS(1)",  Declarations::AbsoluteBackground,   { 240,  480, 2295, 4215}, "left column"},
    {Kind::Target,          "BGAS(1)", Declarations::Background,           {   0, 5280, 8775,  615}, "bottom bar"},
    {Kind::Target,          "BGAS(0)", Declarations::Background,           { 120,  120, 8535, 5055}, "main panel"},
    {Kind::Target,          "BGS(0)",  Declarations::AbsoluteBackground,   {   0,    0, 8775, 5295}, "margin and gap"},
    {Kind::Shape,           "BGB",     Declarations::ChatBackground,       {2640,  480, 3495, 4215}, nullptr},
    {Kind::Shape,           "BGA(1)",  Declarations::Background,           {   0, 5280, 8775,  615}, nullptr},
    {Kind::Shape,           "BG(3)",   Declarations::AbsoluteBackground,   {2640, 4800, 2895,  255}, nullptr},
    {Kind::Shape,           "BG(2)",   Declarations::AbsoluteBackground,   {6240,  480, 2295, 4575}, nullptr},
    {Kind::Shape,           "BG(1)",   Declarations::AbsoluteBackground,   { 240,  480, 2295, 4215}, nullptr},
    {Kind::Shape,           "BGA(0)",  Declarations::Background,           { 120,  120, 8535, 5055}, nullptr},
    {Kind::UnoutlinedShape, "BG(0)",   Declarations::AbsoluteBackground,   {-120, -120, 9015, 6015}, nullptr},
};

} // namespace mockup
