// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/timeleftbar.h"

#include "table/qt/offerframe.h"

#include <QPainter>

#include <algorithm>
#include <chrono>

namespace wildcrest
{

namespace
{
    Moment steadyNow()
    {
        return std::chrono::duration_cast<Moment>(std::chrono::steady_clock::now().time_since_epoch());
    }

    // Fast enough to move a pixel at a time on a long bar, and never busier than the screen.
    constexpr int kFastestTickMs = 16;
} // namespace

TimeLeftBar::TimeLeftBar(QWidget *parent, int thickness, int gap, QColor outline, QColor fill)
    : QWidget(parent)
    , thickness_(std::max(4, thickness))
    , gap_(gap)
    , outline_(outline)
    , fill_(fill)
{
    setObjectName("TimeLeftBar");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    ticks_.setTimerType(Qt::CoarseTimer);
    connect(&ticks_, &QTimer::timeout, this, [this] { tick(); });
    hide();
}

void TimeLeftBar::run(const QWidget *target, QRect area, Moment runsFrom, Moment ends)
{
    runsFrom_ = runsFrom;
    ends_ = std::max(ends, runsFrom);
    follow(target, area);
    painted_ = -1;
    tick();
}

void TimeLeftBar::follow(const QWidget *target, QRect area)
{
    const QPoint topLeft = placeOver(this, target);
    const QRect under(area.left(), area.bottom() + 1 + gap_, area.width(), thickness_);
    setGeometry(under.translated(topLeft));
    raise();
    show();
}

double TimeLeftBar::left() const
{
    const Moment now = steadyNow();
    if (now <= runsFrom_)
        return 1;
    if (now >= ends_)
        return 0;
    return double((ends_ - now).count()) / double((ends_ - runsFrom_).count());
}

int TimeLeftBar::fillWidth() const
{
    const int inside = std::max(0, width() - 2);
    return int(std::lround(left() * inside));
}

// Repaints when the fill has moved, and sleeps until it next will: a pixel's
// worth of the time, or until the time starts to run.
void TimeLeftBar::tick()
{
    if (fillWidth() != painted_)
        update();
    const Moment now = steadyNow();
    if (now >= ends_ || !isVisible()) {
        ticks_.stop();
        return;
    }
    const Moment perPixel = (ends_ - runsFrom_) / std::max(1, width() - 2);
    const Moment next = now < runsFrom_ ? runsFrom_ - now : perPixel;
    ticks_.start(std::max(kFastestTickMs, int(std::chrono::duration_cast<std::chrono::milliseconds>(next).count())));
}

void TimeLeftBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), outline_);
    painted_ = fillWidth();
    painter.fillRect(QRect(1, 1, painted_, height() - 2), fill_);
}

} // namespace wildcrest
