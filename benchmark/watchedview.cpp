// SPDX-License-Identifier: GPL-3.0-or-later
#include "watchedview.h"

namespace wildcrest::bench
{

void WatchedView::setPicture(Control c, const Picture &picture)
{
    if (watching_) {
        const Clock::time_point now = Clock::now();
        watching_ = false;
        lastReaction_ = now - Clock::time_point(Clock::duration(pressedAt_.load()));
        throw Reacted {};
    }
    inner_.setPicture(c, picture);
}

int WatchedView::clockSeconds()
{
    const Clock::time_point now = Clock::now();
    if (firstReading_ == Clock::time_point {})
        firstReading_ = now;
    lastReading_ = now;
    return inner_.clockSeconds();
}

} // namespace wildcrest::bench
