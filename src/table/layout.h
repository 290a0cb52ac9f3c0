// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/controls.h"
#include "table/picture.h"

#include <optional>
#include <string>
#include <vector>

namespace wildcrest
{

struct Rect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

struct FontSpec {
    // "Arial" or "MS Sans Serif" as the table was designed; the window maps them to installed fonts.
    std::string family;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Centre };

// Everything the window needs to create one control: where it stands, how it
// looks at start and what it shows before the game touches it.
struct ControlSpec {
    Control control;
    Rect rect;
    bool onTitleScreen = false; // drawn inside Frame1
    bool visible = true;
    std::string caption;
    std::optional<Colour> textColour;
    std::optional<Colour> backColour; // none: transparent
    std::optional<Colour> lineColour; // the rectangle of a shape
    bool border = false; // single-line border of a label
    bool veil = false; // a label that dims what lies beneath it instead of hiding it
    FontSpec font;
    Align align = Align::Centre;
    std::string builtInPicture; // a picture of the window's own, compiled into it
    Picture shows; // what that picture shows, where it is a card (the title's eights)
};

constexpr Twips kWindowWidth = 13815;
constexpr Twips kWindowHeight = 9495;
constexpr Colour kTableColour = 0x00C0FFC0;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlack = 0x00000000;
const std::string kWindowCaption = "Halvorn's Unikey Wildcrest";

// Every control of Form1, in drawing order: later entries are drawn above earlier ones.
const std::vector<ControlSpec> &tableLayout();
const ControlSpec &specOf(Control c);

// Layout position of place k (1 to 22) of each hand.
Rect playerslotRect(int k);
Rect cpuslotRect(int k);

} // namespace wildcrest
