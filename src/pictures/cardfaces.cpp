// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardfaces.h"
#include "courtcards.h"

#include <QPainterPath>
#include <QPolygonF>
#include <vector>

namespace wildcrest::pictures
{

namespace
{

    const QColor kOutline(50, 50, 50);
    const QRectF kCardRect(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
    constexpr double kCornerRadius = 5.0;
    const QPointF kCardCentre(kCardWidth / 2.0, kCardHeight / 2.0);

    // Pip centres: three columns and rows from top to bottom of the area between the indices.
    constexpr double kPipLeft = 25.0;
    constexpr double kPipRight = 46.0;
    constexpr double kPipTop = 14.0;
    constexpr double kPipBottom = 82.0;
    constexpr double kPipWidth = 12.5;
    constexpr double kPipHeight = 13.5;

    QString rankText(char rank)
    {
        return rank == 'T' ? QStringLiteral("10") : QString(QChar(rank));
    }

    void fillSuit(QPainter &painter, Suit suit, const QRectF &box, const QColor &ink)
    {
        painter.fillPath(suitPath(suit, box), ink);
    }

    // The size of a corner index: the standard one, or one to read from across a room.
    struct IndexSize {
        double column; // centre of the index column
        double font; // pixel size of the rank
        double rankTop;
        double rankHeight;
        double suitTop;
        double suit; // width and height of the suit below the rank
    };
    constexpr IndexSize kStandardIndex { 9.5, 17, 2, 18, 21, 11 };
    constexpr IndexSize kLargeIndex { 13.5, 27, 1.5, 28, 31, 18 };

    // Rank over suit in the top-left; drawn again turned half round for the bottom-right.
    void drawIndex(QPainter &painter, char rank, Suit suit, const QColor &ink, const IndexSize &size)
    {
        const double column = size.column;
        const double half = size.font * 10 / 17; // the rank's box, as wide as the standard's 20 at 17 pixels
        painter.save();
        painter.setPen(ink);
        painter.setFont(boldSans(size.font));
        const QString text = rankText(rank);
        if (text.size() > 1) {
            // "10" is squeezed so it stays inside the same narrow column as the other ranks.
            painter.translate(column, 0);
            painter.scale(0.68, 1.0);
            painter.translate(-column, 0);
            painter.drawText(QRectF(column - half * 1.4, size.rankTop, half * 2.8, size.rankHeight), Qt::AlignCenter, text);
        } else {
            painter.drawText(QRectF(column - half, size.rankTop, half * 2, size.rankHeight), Qt::AlignCenter, text);
        }
        painter.restore();
        fillSuit(painter, suit, QRectF(column - size.suit / 2, size.suitTop, size.suit, size.suit), ink);
    }

    void drawBothIndices(QPainter &painter, char rank, Suit suit, const QColor &ink, const IndexSize &size)
    {
        drawIndex(painter, rank, suit, ink, size);
        painter.save();
        painter.translate(kCardCentre);
        painter.rotate(180);
        painter.translate(-kCardCentre);
        drawIndex(painter, rank, suit, ink, size);
        painter.restore();
    }

    // Positions as fractions: x 0 left, 0.5 middle, 1 right; y 0 top to 1 bottom.
    std::vector<QPointF> pipLayout(int count)
    {
        const double third = 1.0 / 3.0;
        std::vector<QPointF> sides4 = { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 1, 1 } };
        std::vector<QPointF> sides6 = { { 0, 0 }, { 1, 0 }, { 0, 0.5 }, { 1, 0.5 }, { 0, 1 }, { 1, 1 } };
        std::vector<QPointF> sides8 = { { 0, 0 }, { 1, 0 }, { 0, third }, { 1, third }, { 0, 2 * third }, { 1, 2 * third }, { 0, 1 }, { 1, 1 } };
        auto with = [](std::vector<QPointF> base, std::initializer_list<QPointF> extra) {
            base.insert(base.end(), extra);
            return base;
        };
        switch (count) {
        case 2:
            return { { 0.5, 0 }, { 0.5, 1 } };
        case 3:
            return { { 0.5, 0 }, { 0.5, 0.5 }, { 0.5, 1 } };
        case 4:
            return sides4;
        case 5:
            return with(sides4, { { 0.5, 0.5 } });
        case 6:
            return sides6;
        case 7:
            return with(sides6, { { 0.5, 0.25 } });
        case 8:
            return with(sides6, { { 0.5, 0.25 }, { 0.5, 0.75 } });
        case 9:
            return with(sides8, { { 0.5, 0.5 } });
        case 10:
            return with(sides8, { { 0.5, 1.0 / 6 }, { 0.5, 5.0 / 6 } });
        }
        return {};
    }

    void drawPips(QPainter &painter, int count, Suit suit, const QColor &ink)
    {
        // Nine and ten have four rows on the sides: slightly smaller pips keep them apart.
        const double size = count >= 9 ? 0.88 : 1.0;
        for (const QPointF &f : pipLayout(count)) {
            const QPointF c(kPipLeft + f.x() * (kPipRight - kPipLeft), kPipTop + f.y() * (kPipBottom - kPipTop));
            const QRectF box(-kPipWidth * size / 2, -kPipHeight * size / 2, kPipWidth * size, kPipHeight * size);
            painter.save();
            painter.translate(c);
            // Pips below the middle face the other player, as on a real card.
            if (f.y() > 0.5)
                painter.rotate(180);
            fillSuit(painter, suit, box, ink);
            painter.restore();
        }
    }

    void drawAce(QPainter &painter, Suit suit, const QColor &ink)
    {
        const double size = suit == Suit::Spades ? 40 : 34;
        fillSuit(painter, suit, QRectF(kCardCentre.x() - size / 2, kCardCentre.y() - size / 2, size, size), ink);
    }

    // The common part of both backs: a white card with a coloured panel inside a white border.
    QPainterPath backPanel(QPainter &painter, const QColor &panelColour)
    {
        drawCardBlank(painter);
        QPainterPath panel;
        panel.addRoundedRect(QRectF(4, 4, kCardWidth - 8, kCardHeight - 8), 3, 3);
        painter.fillPath(panel, panelColour);
        return panel;
    }

    void outlinePanel(QPainter &painter, const QPainterPath &panel, const QColor &colour)
    {
        painter.setClipping(false);
        painter.setPen(QPen(colour, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(panel);
    }

} // namespace

QString cardCode(char rank, Suit suit)
{
    return QString(QChar(rank)) + QChar(suitLetter(suit));
}

QFont boldSans(double pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage tableCanvas(const PictureLook &look)
{
    QImage image(
        qRound(kCardWidth * look.scale), qRound(kCardHeight * look.scale), look.transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(look.transparent ? QColor(Qt::transparent) : kTableColour);
    return image;
}

void beginDrawing(QPainter &painter, QImage &image, const PictureLook &look)
{
    painter.begin(&image);
    if (look.scale != 1)
        painter.scale(image.width() / double(kCardWidth), image.height() / double(kCardHeight));
}

void drawCardBlank(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kCardRect, kCornerRadius, kCornerRadius);
}

QImage cardFace(char rank, Suit suit, const PictureLook &look)
{
    QImage image = tableCanvas(look);
    QPainter painter;
    beginDrawing(painter, image, look);
    drawCardBlank(painter);
    const QColor ink = suitColour(suit, look.fourColour);
    drawBothIndices(painter, rank, suit, ink, look.largeIndex ? kLargeIndex : kStandardIndex);
    if (look.largeIndex) {
        // The middle steps back between the big corners.
        constexpr double kMiddle = 0.55;
        painter.translate(kCardCentre);
        painter.scale(kMiddle, kMiddle);
        painter.translate(-kCardCentre);
    }
    if (rank == 'A')
        drawAce(painter, suit, ink);
    else if (rank == 'J' || rank == 'Q' || rank == 'K')
        drawCourt(painter, rank, suit, ink);
    else
        drawPips(painter, rank == 'T' ? 10 : rank - '0', suit, ink);
    return image;
}

QImage cardBack(const PictureLook &look)
{
    QImage image = tableCanvas(look);
    QPainter painter;
    beginDrawing(painter, image, look);
    const QPainterPath panel = backPanel(painter, QColor(28, 62, 160));
    painter.setClipPath(panel);
    // A diagonal lattice with a white dot in every diamond.
    painter.setPen(QPen(QColor(110, 160, 240), 1.2));
    const int step = 10;
    // Lines run halfway between the dots, so a dot sits in the middle of every diamond.
    const double across = kCardCentre.x() - kCardCentre.y() + step / 2.0;
    const double down = kCardCentre.x() + kCardCentre.y() + step / 2.0;
    for (int k = -12; k <= 12; ++k) {
        const double a = across + k * step;
        const double b = down + k * step;
        painter.drawLine(QPointF(a - 20, -20), QPointF(a + 120, 120));
        painter.drawLine(QPointF(b + 20, -20), QPointF(b - 120, 120));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 242, 255));
    for (int row = -6; row <= 6; ++row)
        for (int col = -5; col <= 5; ++col)
            painter.drawEllipse(QPointF(kCardCentre.x() + col * step + (row % 2 ? step / 2.0 : 0.0), kCardCentre.y() + row * step / 2.0), 1.6, 1.6);
    outlinePanel(painter, panel, QColor(20, 40, 110));
    return image;
}

QImage movingCard(const PictureLook &look)
{
    QImage image = tableCanvas(look);
    QPainter painter;
    beginDrawing(painter, image, look);
    const QPainterPath panel = backPanel(painter, QColor(185, 20, 30));
    painter.setClipPath(panel);
    // Rows of rings around a large central medallion: nothing like the blue lattice.
    painter.setPen(QPen(QColor(250, 170, 150), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (int y = 9; y < kCardHeight; y += 10)
        for (int x = 8; x < kCardWidth; x += 10)
            painter.drawEllipse(QPointF(x + 0.5, y + 0.5), 3.2, 3.2);
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(QColor(185, 20, 30));
    painter.drawEllipse(kCardCentre, 17, 17);
    painter.setPen(QPen(QColor(250, 170, 150), 1.5));
    painter.drawEllipse(kCardCentre, 12, 12);
    painter.fillPath(suitPath(Suit::Diamonds, QRectF(kCardCentre.x() - 8, kCardCentre.y() - 9, 16, 18)), Qt::white);
    outlinePanel(painter, panel, QColor(110, 10, 20));
    return image;
}

QImage emptyPlace(const PictureLook &look)
{
    QImage image = tableCanvas(look);
    QPainter painter;
    beginDrawing(painter, image, look);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(140, 205, 140), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, kCardWidth - 3.0, kCardHeight - 3.0), kCornerRadius, kCornerRadius);
    return image;
}

} // namespace wildcrest::pictures
