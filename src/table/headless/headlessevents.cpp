// SPDX-License-Identifier: GPL-3.0-or-later
// The headless view's virtual clock and its scripted events: switch presses,
// Esc and the close box, each delivered at its moment in a yield or a wait.
#include "table/headless/headlessview.h"

#include <stdexcept>

namespace wildcrest
{

void HeadlessView::pressAt(Moment when, int charCode)
{
    if (charCode == 27)
        closeAt(when);
    else
        holdAt(when, Moment::zero());
}

void HeadlessView::holdAt(Moment when, Moment length, int which, SwitchSource source)
{
    switchAt(SwitchEvent { which, true, when, source });
    switchAt(SwitchEvent { which, false, when + length, source });
}

void HeadlessView::switchAt(const SwitchEvent &e)
{
    events_.emplace(e.when, Event { false, e, {} });
}

void HeadlessView::closeAt(Moment when)
{
    events_.emplace(when, Event { true, {}, {} });
}

void HeadlessView::at(Moment when, std::function<void()> action)
{
    events_.emplace(when, Event { false, {}, std::move(action) });
}

void HeadlessView::report(const SwitchEvent &e)
{
    if (switchHandler_)
        switchHandler_(e);
}

void HeadlessView::onWait(WaitObserver observer)
{
    observer_ = std::move(observer);
}

void HeadlessView::endAtCall(long n, int charCode)
{
    endAtCall_ = n;
    endCode_ = charCode;
}

long HeadlessView::calls() const
{
    return calls_;
}

void HeadlessView::onCall(std::function<void(const HeadlessView &)> observer)
{
    callObserver_ = std::move(observer);
}

void HeadlessView::countCall()
{
    ++calls_;
    if (callObserver_)
        callObserver_(*this);
    if (calls_ != endAtCall_)
        return;
    if (endCode_ == 0 || endCode_ == 27) {
        closeWindow();
    } else {
        report(SwitchEvent { 1, true, now_ });
        report(SwitchEvent { 1, false, now_ });
    }
}

void HeadlessView::setYieldCost(Moment cost)
{
    yieldCost_ = cost;
}

void HeadlessView::setTimeLimit(Moment limit)
{
    limit_ = limit;
}

void HeadlessView::setClockStart(int secondsOfDay)
{
    clockStart_ = secondsOfDay;
}

void HeadlessView::setReadingCost(Moment cost)
{
    readingCost_ = cost;
}

void HeadlessView::setClockSeconds(std::function<int()> readings)
{
    clockSeconds_ = std::move(readings);
}

bool HeadlessView::closed() const
{
    return closed_;
}

std::size_t HeadlessView::pendingEvents() const
{
    return events_.size();
}

void HeadlessView::closeWindow()
{
    closed_ = true;
}

void HeadlessView::setSwitchHandler(SwitchHandler handler)
{
    switchHandler_ = std::move(handler);
}

void HeadlessView::deliverDue()
{
    while (!events_.empty() && events_.begin()->first <= now_ && !closed_) {
        const Event e = events_.begin()->second;
        events_.erase(events_.begin());
        if (e.closes)
            closeWindow();
        else if (e.action)
            e.action();
        else
            report(e.switchEvent);
    }
}

void HeadlessView::throwIfClosed()
{
    if (now_ > limit_)
        closed_ = true;
    if (closed_)
        throw GameEnded {};
}

void HeadlessView::yield()
{
    countCall();
    now_ += yieldCost_;
    deliverDue();
    throwIfClosed();
}

void HeadlessView::sleepUntil(Moment deadline)
{
    countCall();
    deliverDue();
    throwIfClosed();
    if (observer_)
        observer_(*this, deadline);
    if (!events_.empty() && events_.begin()->first <= now_) {
        deliverDue();
    } else if (!events_.empty() && events_.begin()->first <= deadline) {
        now_ = events_.begin()->first;
        deliverDue();
    } else if (deadline == Moment::max()) {
        // Nothing will ever come: the player has gone, and the window closes.
        closed_ = true;
    } else if (deadline > now_) {
        now_ = deadline;
    }
    throwIfClosed();
}

void HeadlessView::waitForEvent(Moment deadline)
{
    sleepUntil(deadline);
}

void HeadlessView::waitForEvent()
{
    sleepUntil(Moment::max());
}

Moment HeadlessView::now() const
{
    return now_;
}

int HeadlessView::clockSeconds()
{
    now_ += readingCost_;
    if (clockSeconds_)
        return clockSeconds_();
    const long long seconds = clockStart_ + now_.count() / 1000000;
    return static_cast<int>(seconds % 60);
}

} // namespace wildcrest
