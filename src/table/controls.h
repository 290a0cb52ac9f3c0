// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace wildcrest
{

// Positions and sizes on the table are in twips: 15 twips make one pixel at 96 dpi.
using Twips = int;
constexpr int kTwipsPerPixel = 15;

// 0x00BBGGRR: red in the low byte, as the table's colours are written.
using Colour = std::uint32_t;
constexpr Colour kSystemWindowBackground = 0x80000005;
constexpr Colour kSystemWindowText = 0x80000008;

enum class ControlKind { Image, Label, Shape, Frame };

// A named control of the window, such as Image45 or Label16. Controls are
// created with the window and never created or destroyed afterwards.
struct Control {
    ControlKind kind;
    int number;

    friend constexpr auto operator<=>(const Control &, const Control &) = default;
    std::string name() const;
};

constexpr Control image(int n)
{
    return { ControlKind::Image, n };
}
constexpr Control label(int n)
{
    return { ControlKind::Label, n };
}
constexpr Control shape(int n)
{
    return { ControlKind::Shape, n };
}

constexpr Control Frame1 { ControlKind::Frame, 1 };

// Place k (1 to 22) of the player's hand and of the computer's hand.
constexpr Control playerslot(int k)
{
    return image(k);
}
constexpr Control cpuslot(int k)
{
    return image(22 + k);
}
// Place k of the bottom hand, or else of the top one.
constexpr Control handslot(bool bottom, int k)
{
    return bottom ? playerslot(k) : cpuslot(k);
}

constexpr Control Image45 = image(45); // the top card of the discard pile
constexpr Control Image46 = image(46); // the deck's front card; travels on a draw
constexpr Control Image47 = image(47); // the deck's second card back
constexpr Control Image48 = image(48); // travels when the computer plays
constexpr Control Image49 = image(49); // travels when the player plays
constexpr Control Label1 = label(1); // round caption
constexpr Control Label2 = label(2); // player's name plate
constexpr Control Label3 = label(3); // computer's name plate
constexpr Control Label4 = label(4); // player's total
constexpr Control Label5 = label(5); // computer's total
constexpr Control Label6 = label(6); // "Player Wins!"
constexpr Control Label7 = label(7); // "Computer Wins!"
constexpr Control Label15 = label(15); // "Tie Game!"
constexpr Control Label16 = label(16); // deck counter
constexpr Control Label18 = label(18); // a plain line on the table: what a press will do
// The items of the menu the switch opens, top to bottom, hidden until it opens.
constexpr Control menuitem(int k)
{
    return label(18 + k);
}
constexpr int kMenuItems = 5;
constexpr Control MenuBackdrop = label(24); // dims the table while the menu is open
constexpr Control MenuQuestion = label(25); // the question the menu asks, above its answers
constexpr Control NarrationLine = label(26); // what just happened, when the narration is on
constexpr Control Shape2 = shape(2); // red frame round the pile

} // namespace wildcrest
