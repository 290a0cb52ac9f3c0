// SPDX-License-Identifier: GPL-3.0-or-later
#include "suitsymbols.h"

#include <QTransform>

namespace wildcrest::pictures
{

namespace
{

    // All shapes are built in a unit square and then mapped onto the box.
    QPainterPath unitHeart()
    {
        QPainterPath p;
        p.moveTo(0.5, 0.26);
        p.cubicTo(0.46, 0.04, 0.02, -0.02, 0.01, 0.30);
        p.cubicTo(0.0, 0.55, 0.32, 0.72, 0.5, 1.0);
        p.cubicTo(0.68, 0.72, 1.0, 0.55, 0.99, 0.30);
        p.cubicTo(0.98, -0.02, 0.54, 0.04, 0.5, 0.26);
        p.closeSubpath();
        return p;
    }

    QPainterPath unitDiamond()
    {
        // Gently hollow sides read as a playing-card diamond rather than a rhombus.
        QPainterPath p;
        p.moveTo(0.5, 0.0);
        p.quadTo(0.64, 0.30, 0.92, 0.5);
        p.quadTo(0.64, 0.70, 0.5, 1.0);
        p.quadTo(0.36, 0.70, 0.08, 0.5);
        p.quadTo(0.36, 0.30, 0.5, 0.0);
        p.closeSubpath();
        return p;
    }

    QPainterPath unitStem()
    {
        QPainterPath p;
        p.moveTo(0.44, 0.55);
        p.quadTo(0.43, 0.86, 0.22, 1.0);
        p.lineTo(0.78, 1.0);
        p.quadTo(0.57, 0.86, 0.56, 0.55);
        p.closeSubpath();
        return p;
    }

    QPainterPath unitSpade()
    {
        // An upside-down heart, a little shorter, standing on a flared stem.
        QTransform flip;
        flip.translate(0.0, 0.80);
        flip.scale(1.0, -0.80);
        QPainterPath blade = flip.map(unitHeart());
        return blade.united(unitStem()).simplified();
    }

    QPainterPath unitClub()
    {
        const double r = 0.225;
        QPainterPath leaves;
        leaves.addEllipse(QPointF(0.5, 0.25), r, r);
        leaves.addEllipse(QPointF(0.26, 0.56), r, r);
        leaves.addEllipse(QPointF(0.74, 0.56), r, r);
        QPainterPath centre;
        centre.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
        return leaves.united(centre).united(unitStem()).simplified();
    }

} // namespace

char suitLetter(Suit suit)
{
    switch (suit) {
    case Suit::Spades:
        return 'S';
    case Suit::Clubs:
        return 'C';
    case Suit::Hearts:
        return 'H';
    case Suit::Diamonds:
        return 'D';
    }
    return '?';
}

bool isRed(Suit suit)
{
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

QColor suitColour(Suit suit, bool fourColour)
{
    if (fourColour && suit == Suit::Diamonds)
        return QColor(0, 70, 210);
    if (fourColour && suit == Suit::Clubs)
        return QColor(0, 130, 30);
    return isRed(suit) ? QColor(200, 0, 0) : QColor(0, 0, 0);
}

QPainterPath suitPath(Suit suit, const QRectF &box)
{
    QPainterPath unit;
    switch (suit) {
    case Suit::Spades:
        unit = unitSpade();
        break;
    case Suit::Clubs:
        unit = unitClub();
        break;
    case Suit::Hearts:
        unit = unitHeart();
        break;
    case Suit::Diamonds:
        unit = unitDiamond();
        break;
    }
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(unit);
}

} // namespace wildcrest::pictures
