// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "suitsymbols.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

namespace wildcrest::pictures
{

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
// Bitmaps have no transparency, so whatever lies outside a card's rounded corners is the table.
inline const QColor kTableColour(0xC0, 0xFF, 0xC0);

// The ranks in order, with 'T' standing for ten as in the card codes.
inline constexpr char kRanks[] = { 'A', '2', '3', '4', '5', '6', '7', '8', '9', 'T', 'J', 'Q', 'K' };
inline constexpr Suit kSuits[] = { Suit::Spades, Suit::Clubs, Suit::Hearts, Suit::Diamonds };

// How one set of pictures is drawn. The defaults draw the game's own 71 x 96
// bitmaps.
struct PictureLook {
    double scale = 1; // pixels a table pixel
    bool largeIndex = false; // a big rank and suit in the corners, the middle drawn smaller
    bool fourColour = false; // see suitColour
    bool transparent = false; // nothing but the card: the table shows through its corners
};

// "AS", "TD", "8H": the code the game names a card by, and so its face's file name.
QString cardCode(char rank, Suit suit);

// The font every card and picture text uses.
QFont boldSans(double pixelSize);

// A fresh 71 x 96 picture, times the look's scale, painted all over in the
// table colour (or left clear); `painter` is opened on it, scaled so that it
// draws in 71 x 96 units.
QImage tableCanvas(const PictureLook &look);
void beginDrawing(QPainter &painter, QImage &image, const PictureLook &look);
// The rounded white card shape with its thin dark outline.
void drawCardBlank(QPainter &painter);

QImage cardFace(char rank, Suit suit, const PictureLook &look = {});
QImage cardBack(const PictureLook &look = {});
QImage movingCard(const PictureLook &look = {});
QImage emptyPlace(const PictureLook &look = {});

} // namespace wildcrest::pictures
