// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

namespace wildcrest
{

enum class CardStyle { Standard, LargeIndex };
enum class Contrast { Standard, High };

// How big and how clear the table is drawn. The defaults are the table as
// designed: 921 x 633 pixels with 71 x 96 cards.
struct TableLook {
    double scale = 1; // every position, font and picture grows by this
    bool fitScale = false; // the largest table scale that fits the screen: scaleOnScreen, before the window is made
    CardStyle cardStyle = CardStyle::Standard;
    bool fourColour = false; // spades black, hearts red, diamonds blue, clubs green
    Contrast contrast = Contrast::Standard;

    bool standardCards() const
    {
        return cardStyle == CardStyle::Standard && !fourColour;
    }
    friend bool operator==(const TableLook &, const TableLook &) = default;
};

// The table scales a player may choose.
inline constexpr double kTableScales[] = { 1, 1.5, 2, 2.5, 3 };
// Every scale the pictures are drawn at: the table scales, and twice them
// for a screen of twice the pixel density.
inline constexpr double kPictureScales[] = { 1, 1.5, 2, 2.5, 3, 4, 5, 6 };

// "1", "1.5", "2": a scale as written in option values and folder names.
std::string scaleText(double scale);
// The largest table scale whose window fits in the given area (in pixels of
// the screen), and 1 when none does.
double fitScale(int availableWidth, int availableHeight);
// The scale the table plays at in that area: the chosen one while its window
// fits there; otherwise, and for fit, the largest that does.
double scaleOnScreen(const TableLook &look, int availableWidth, int availableHeight);

// The drawn picture scale to show at `pixelScale` pixels a table pixel: the
// smallest drawn one at least that large, so pictures are only ever made
// smaller; the largest when none is.
double pictureScaleFor(double pixelScale);

// Whether the table shows the game's own picture files, as they are: at
// picture scale 1 with standard cards and contrast. Every other look is drawn
// when the window opens, with clear corners so that any table shows round
// the cards.
bool ownPictures(const TableLook &look, double pictureScale);

} // namespace wildcrest
