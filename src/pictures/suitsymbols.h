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
// Hearts and diamonds in red, spades and clubs in black.
QColor suitColour(Suit suit);

// The suit symbol drawn as a shape filling the box, so it never depends on a font having the glyph.
QPainterPath suitPath(Suit suit, const QRectF &box);

} // namespace wildcrest::pictures
