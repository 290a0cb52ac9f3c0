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

void OfferFrame::frame(const QWidget *target, QRect area)
{
    QWidget *host = parentWidget();
    const QPoint topLeft =
        target->parentWidget() == host ? target->pos() : target->mapTo(host->window(), QPoint(0, 0)) - host->mapTo(host->window(), QPoint(0, 0));
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
