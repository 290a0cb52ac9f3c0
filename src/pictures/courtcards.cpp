// SPDX-License-Identifier: GPL-3.0-or-later
// The court cards: a framed panel in each rank's own colour, its emblem (a
// crown, a diadem, a cap), the rank's letter large and the suit under it.
#include "courtcards.h"

#include "cardfaces.h"

#include <QPainterPath>
#include <QPolygonF>

namespace wildcrest::pictures
{

namespace
{

    // Emblems are drawn in a 24 x 20 box with its top-left at the origin.
    void drawKingCrown(QPainter &painter, const QColor &ink)
    {
        QPainterPath crown;
        crown.moveTo(2, 19);
        crown.lineTo(1, 6);
        crown.lineTo(7, 11);
        crown.lineTo(12, 2);
        crown.lineTo(17, 11);
        crown.lineTo(23, 6);
        crown.lineTo(22, 19);
        crown.closeSubpath();
        painter.fillPath(crown, ink);
        for (const QPointF tip : { QPointF(1, 5), QPointF(12, 1.5), QPointF(23, 5) }) {
            QPainterPath ball;
            ball.addEllipse(tip, 2.2, 2.2);
            painter.fillPath(ball, ink);
        }
        // Jewels along the band.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (double x : { 6.5, 12.0, 17.5 })
            painter.drawEllipse(QPointF(x, 15.5), 1.6, 1.6);
    }

    void drawQueenDiadem(QPainter &painter, const QColor &ink)
    {
        // Rounded lobes with pearls, the middle one tallest: soft where the king's crown is spiked.
        QPainterPath diadem;
        diadem.moveTo(2, 19);
        diadem.lineTo(2, 13);
        diadem.arcTo(QRectF(1, 8, 8, 9), 180, -180);
        diadem.arcTo(QRectF(7, 3, 10, 12), 180, -180);
        diadem.arcTo(QRectF(15, 8, 8, 9), 180, -180);
        diadem.lineTo(22, 19);
        diadem.closeSubpath();
        painter.fillPath(diadem, ink);
        QPainterPath pearl;
        pearl.addEllipse(QPointF(12, 1.8), 1.9, 1.9);
        painter.fillPath(pearl, ink);
        painter.setPen(QPen(Qt::white, 1.3));
        painter.drawLine(QPointF(2.5, 16.3), QPointF(21.5, 16.3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (const QPointF p : { QPointF(5.5, 12.5), QPointF(12, 9), QPointF(18.5, 12.5) })
            painter.drawEllipse(p, 1.5, 1.5);
    }

    void drawJackCap(QPainter &painter, const QColor &ink)
    {
        // A soft cap with a long feather sweeping back.
        QPainterPath cap;
        cap.moveTo(2, 19);
        cap.cubicTo(2, 10, 8, 8, 13, 8);
        cap.cubicTo(18, 8, 21, 12, 21, 19);
        cap.closeSubpath();
        painter.fillPath(cap, ink);
        QPainterPath feather;
        feather.moveTo(14, 10);
        feather.cubicTo(16, 3, 20, 0.5, 24, 0);
        feather.cubicTo(22, 4, 19, 8, 16, 11);
        feather.closeSubpath();
        painter.fillPath(feather, ink);
        painter.setPen(QPen(Qt::white, 1.2));
        painter.drawLine(QPointF(2.5, 16.5), QPointF(20.5, 16.5));
        painter.drawLine(QPointF(15.5, 8.5), QPointF(21.5, 2.5));
    }

    QColor courtFrameColour(char rank)
    {
        // Each court rank has its own frame colour, so J, Q and K differ even before the letter is read.
        switch (rank) {
        case 'K':
            return QColor(250, 214, 90);
        case 'Q':
            return QColor(246, 200, 232);
        default:
            return QColor(176, 214, 252);
        }
    }

} // namespace

void drawCourt(QPainter &painter, char rank, Suit suit, const QColor &ink)
{
    const QRectF frame(17.5, 6.5, 36, 83);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(courtFrameColour(rank));
    painter.drawRoundedRect(frame, 3, 3);

    painter.save();
    const double emblem = 1.2;
    painter.translate(frame.center().x() - 12 * emblem, 9);
    painter.scale(emblem, emblem);
    if (rank == 'K')
        drawKingCrown(painter, ink);
    else if (rank == 'Q')
        drawQueenDiadem(painter, ink);
    else
        drawJackCap(painter, ink);
    painter.restore();

    painter.setPen(ink);
    painter.setFont(boldSans(34));
    painter.drawText(QRectF(frame.left(), 34, frame.width(), 37), Qt::AlignCenter, QString(QChar(rank)));
    painter.fillPath(suitPath(suit, QRectF(frame.center().x() - 7.5, 72, 15, 14)), ink);
}

} // namespace wildcrest::pictures
