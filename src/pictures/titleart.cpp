// SPDX-License-Identifier: GPL-3.0-or-later
#include "titleart.h"

#include "cardfaces.h"
#include "suitsymbols.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace wildcrest::pictures
{

namespace
{

    const QColor kDeepGreen(18, 92, 48);
    const QColor kDarkGreen(8, 52, 26);
    const QColor kGold(222, 176, 52);

    void prepare(QPainter &painter, double scale = 1)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        if (scale != 1)
            painter.scale(scale, scale);
    }

    QImage whiteCanvas(int width, int height, double scale)
    {
        QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    // A small upright card centred on the origin, to be turned and placed by the caller's transform.
    void drawSmallCard(QPainter &painter, const QSizeF &size, const QString &rank, Suit suit)
    {
        const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
        const double radius = size.width() * 0.08;
        painter.setPen(QPen(QColor(50, 50, 50), size.width() / 60));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card, radius, radius);
        const QColor ink = suitColour(suit);
        const double corner = size.width() * 0.24;
        painter.setPen(ink);
        painter.setFont(boldSans(corner));
        painter.drawText(QRectF(card.left() + size.width() * 0.04, card.top() + size.width() * 0.04, corner, corner * 1.1), Qt::AlignCenter, rank);
        const double pip = size.width() * 0.16;
        painter.fillPath(suitPath(suit, QRectF(card.left() + size.width() * 0.04 + (corner - pip) / 2, card.top() + corner * 1.2, pip, pip)), ink);
        const double big = size.width() * 0.5;
        painter.fillPath(suitPath(suit, QRectF(-big / 2, -big / 2 + size.height() * 0.06, big, big)), ink);
    }

    struct FanCard {
        const char *rank;
        Suit suit;
    };

    // Cards fanned about a pivot below their centres, as held in a hand.
    void drawFan(QPainter &painter, const QPointF &pivot, const QSizeF &cardSize, double spread, std::initializer_list<FanCard> cards)
    {
        const int count = static_cast<int>(cards.size());
        int i = 0;
        for (const FanCard &c : cards) {
            const double angle = count > 1 ? -spread / 2 + spread * i / (count - 1) : 0.0;
            painter.save();
            painter.translate(pivot);
            painter.rotate(angle);
            painter.translate(0, -cardSize.height() * 0.55);
            drawSmallCard(painter, cardSize, QString::fromLatin1(c.rank), c.suit);
            painter.restore();
            ++i;
        }
    }

    QPainterPath crestShape(const QRectF &r)
    {
        // A shield: flat top with notched corners, sides curving in to a point.
        QPainterPath p;
        const double w = r.width();
        const double h = r.height();
        p.moveTo(r.left() + w * 0.08, r.top());
        p.lineTo(r.right() - w * 0.08, r.top());
        p.quadTo(r.right() - w * 0.06, r.top() + h * 0.06, r.right(), r.top() + h * 0.07);
        p.lineTo(r.right(), r.top() + h * 0.45);
        p.cubicTo(r.right(), r.top() + h * 0.75, r.left() + w * 0.7, r.top() + h * 0.9, r.center().x(), r.bottom());
        p.cubicTo(r.left() + w * 0.3, r.top() + h * 0.9, r.left(), r.top() + h * 0.75, r.left(), r.top() + h * 0.45);
        p.lineTo(r.left(), r.top() + h * 0.07);
        p.quadTo(r.left() + w * 0.06, r.top() + h * 0.06, r.left() + w * 0.08, r.top());
        p.closeSubpath();
        return p;
    }

    void drawCrest(QPainter &painter, const QRectF &r)
    {
        const QPainterPath crest = crestShape(r);
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        shade.setColorAt(0, kDeepGreen.lighter(125));
        shade.setColorAt(1, kDarkGreen);
        painter.setPen(QPen(kGold, r.width() / 28));
        painter.setBrush(shade);
        painter.drawPath(crest);
    }

} // namespace

QImage titleArt(double scale)
{
    QImage image = whiteCanvas(763, 232, scale);
    QPainter painter(&image);
    prepare(painter, scale);

    // Hands of cards at both ends frame the name.
    drawFan(painter, QPointF(72, 178), QSizeF(54, 76), 44, { { "8", Suit::Hearts }, { "A", Suit::Spades }, { "K", Suit::Diamonds } });
    drawFan(painter, QPointF(691, 178), QSizeF(54, 76), 44, { { "Q", Suit::Clubs }, { "8", Suit::Diamonds }, { "J", Suit::Spades } });

    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(128);
    const QString name = QStringLiteral("Wildcrest");
    QPainterPath text;
    text.addText(0, 0, font, name);
    // Centre the outline of the letters themselves, not the font's line box.
    const QRectF bounds = text.boundingRect();
    const double maxWidth = 530;
    const double narrowing = bounds.width() > maxWidth ? maxWidth / bounds.width() : 1.0;
    QTransform place;
    place.translate(763 / 2.0, 100);
    place.scale(narrowing, narrowing);
    place.translate(-bounds.center().x(), -bounds.center().y());
    text = place.map(text);

    painter.fillPath(text.translated(4, 5), QColor(200, 210, 200));
    QLinearGradient fill(0, text.boundingRect().top(), 0, text.boundingRect().bottom());
    fill.setColorAt(0, QColor(34, 140, 74));
    fill.setColorAt(1, kDarkGreen);
    painter.setPen(QPen(kGold, 2.5));
    painter.setBrush(fill);
    painter.drawPath(text);

    // A gold rule under the name with the four suits set in its middle.
    const double ruleY = 190;
    painter.setPen(QPen(kGold, 2.0));
    painter.drawLine(QPointF(170, ruleY), QPointF(320, ruleY));
    painter.drawLine(QPointF(443, ruleY), QPointF(593, ruleY));
    double x = 331;
    for (Suit suit : kSuits) {
        painter.fillPath(suitPath(suit, QRectF(x, ruleY - 11, 22, 22)), suitColour(suit));
        x += 26;
    }
    return image;
}

QImage makerLogo(double scale)
{
    QImage image = whiteCanvas(238, 200, scale);
    QPainter painter(&image);
    prepare(painter, scale);
    // The maker's address is written over the foot of the logo's place: keep the crest above it.
    painter.translate(119 * 0.2, 0);
    painter.scale(0.8, 0.8);
    const QRectF crestRect(49, 6, 140, 186);
    drawCrest(painter, crestRect);
    painter.setClipPath(crestShape(crestRect.adjusted(3, 3, -3, -3)));
    drawFan(painter,
        QPointF(119, 128),
        QSizeF(54, 76),
        70,
        { { "A", Suit::Spades }, { "K", Suit::Hearts }, { "8", Suit::Clubs }, { "Q", Suit::Diamonds }, { "J", Suit::Hearts } });
    painter.setClipping(false);
    // A gold seal at the foot of the crest carries the initial.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.setPen(QPen(kDarkGreen, 1.5));
    painter.drawEllipse(QPointF(119, 152), 18, 18);
    painter.setPen(kDarkGreen);
    painter.setFont(boldSans(25));
    painter.drawText(QRectF(99, 133, 40, 38), Qt::AlignCenter, QStringLiteral("W"));
    return image;
}

QImage banner(double scale)
{
    QImage image = whiteCanvas(180, 50, scale);
    QPainter painter(&image);
    prepare(painter, scale);
    // A ribbon with swallow-tailed ends.
    QPainterPath ribbon;
    ribbon.moveTo(2, 8);
    ribbon.lineTo(178, 8);
    ribbon.lineTo(170, 25);
    ribbon.lineTo(178, 42);
    ribbon.lineTo(2, 42);
    ribbon.lineTo(10, 25);
    ribbon.closeSubpath();
    painter.setPen(QPen(kGold, 2.0));
    painter.setBrush(kDeepGreen);
    painter.drawPath(ribbon);
    painter.setPen(Qt::white);
    painter.setFont(boldSans(13));
    painter.drawText(QRectF(12, 8, 156, 34), Qt::AlignCenter, QStringLiteral("One switch. Every card."));
    return image;
}

QImage windowIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / 256.0, size / 256.0);
    drawFan(painter, QPointF(128, 236), QSizeF(120, 170), 44, { { "A", Suit::Spades }, { "K", Suit::Clubs } });
    // The front card is the wild eight, its figure big enough to read at 48 pixels.
    painter.save();
    painter.translate(128, 236);
    painter.translate(0, -170 * 0.55 - 8);
    const QRectF card(-64, -90, 128, 180);
    painter.setPen(QPen(QColor(50, 50, 50), 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 12, 12);
    const QColor red = suitColour(Suit::Hearts);
    painter.setPen(red);
    painter.setFont(boldSans(132));
    painter.drawText(card.adjusted(0, -22, 0, 0), Qt::AlignCenter, QStringLiteral("8"));
    painter.fillPath(suitPath(Suit::Hearts, QRectF(-19, 46, 38, 36)), red);
    painter.restore();
    return image;
}

} // namespace wildcrest::pictures
