// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace wildcrest::pictures
{

enum class Suit { Spades, Clubs, Hearts, Diamonds };

// The letter a card code uses for the suit: S, C, H or D.
char suitLetter(Suit suit);
bool isRed(Suit suit);
// Hearts and diamonds in red, spades and clubs in black; with `fourColour`
// diamonds blue and clubs green, so that no two suits share a colour.
QColor suitColour(Suit suit, bool fourColour = false);

// The suit symbol drawn as a shape filling the box, so it never depends on a font having the glyph.
QPainterPath suitPath(Suit suit, const QRectF &box);

} // namespace wildcrest::pictures
