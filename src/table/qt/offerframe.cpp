#include "table/qt/offerframe.h"

#include <QPainter>

namespace wildcrest
{

const QColor OfferFrame::kOuter(0, 0, 0);
const QColor OfferFrame::kInner(255, 221, 0);

OfferFrame::OfferFrame(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("OfferFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void OfferFrame::frame(const QWidget *target)
{
    QWidget *host = parentWidget();
    const QPoint topLeft =
        target->parentWidget() == host ? target->pos() : target->mapTo(host->window(), QPoint(0, 0)) - host->mapTo(host->window(), QPoint(0, 0));
    setGeometry(QRect(topLeft, target->size()).adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    show();
    update();
}

void OfferFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    const QRect inner = all.adjusted(kRing, kRing, -kRing, -kRing);
    const QRect hole = all.adjusted(kWidth, kWidth, -kWidth, -kWidth);
    QRegion outerRing = QRegion(all).subtracted(inner);
    QRegion innerRing = QRegion(inner).subtracted(hole);
    painter.setClipRegion(outerRing);
    painter.fillRect(all, kOuter);
    painter.setClipRegion(innerRing);
    painter.fillRect(all, kInner);
}

} // namespace wildcrest
