// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/offerframe.h"

#include <QPainter>

namespace wildcrest
{

const QColor OfferFrame::kOuter(0, 0, 0);
const QColor OfferFrame::kInner(255, 221, 0);

OfferFrame::OfferFrame(QWidget *parent, int ring, QColor outer, QColor inner)
    : QWidget(parent)
    , ring_(ring)
    , outer_(outer)
    , inner_(inner)
{
    setObjectName("OfferFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

QPoint placeOver(const QWidget *host, const QWidget *target)
{
    const QWidget *parent = host->parentWidget();
    return target->parentWidget() == parent ? target->pos() : target->mapTo(parent->window(), QPoint(0, 0)) - parent->mapTo(parent->window(), QPoint(0, 0));
}

void OfferFrame::frame(const QWidget *target, QRect area)
{
    const QPoint topLeft = placeOver(this, target);
    const int width = frameWidth();
    setGeometry(area.translated(topLeft).adjusted(-width, -width, width, width));
    raise();
    show();
    update();
}

void OfferFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    const QRect inner = all.adjusted(ring_, ring_, -ring_, -ring_);
    const int width = frameWidth();
    const QRect hole = all.adjusted(width, width, -width, -width);
    QRegion outerRing = QRegion(all).subtracted(inner);
    QRegion innerRing = QRegion(inner).subtracted(hole);
    painter.setClipRegion(outerRing);
    painter.fillRect(all, outer_);
    painter.setClipRegion(innerRing);
    painter.fillRect(all, inner_);
}

} // namespace wildcrest
