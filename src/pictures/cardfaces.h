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

// "AS", "TD", "8H": the code the game names a card by, and so its face's file name.
QString cardCode(char rank, Suit suit);

// The font every card and picture text uses.
QFont boldSans(double pixelSize);

// A fresh 71 x 96 picture painted all over in the table colour.
QImage tableCanvas();
// The rounded white card shape with its thin dark outline.
void drawCardBlank(QPainter &painter);

QImage cardFace(char rank, Suit suit);
QImage cardBack();
QImage movingCard();
QImage emptyPlace();

} // namespace wildcrest::pictures
