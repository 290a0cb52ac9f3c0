// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/headless/headlessview.h"

#include "table/layout.h"

#include <sstream>
#include <stdexcept>

namespace wildcrest
{

namespace
{
    constexpr std::size_t kNumbersPerKind = 64;
    constexpr std::size_t kKinds = 4;
} // namespace

std::size_t HeadlessView::indexOf(Control c)
{
    return std::size_t(c.kind) * kNumbersPerKind + std::size_t(c.number);
}

HeadlessView::HeadlessView(std::string pictureDir)
    : pictureDir_(std::move(pictureDir))
    , states_(kKinds * kNumbersPerKind)
    , exists_(kKinds * kNumbersPerKind, false)
{
    for (const ControlSpec &entry : tableLayout()) {
        ControlState s;
        s.left = entry.rect.left;
        s.top = entry.rect.top;
        s.caption = entry.caption;
        s.backColour = entry.backColour.value_or(0);
        s.picture = entry.builtInPicture;
        s.shown = entry.shows;
        states_[indexOf(entry.control)] = s;
        exists_[indexOf(entry.control)] = true;
    }
}

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

const ControlState &HeadlessView::state(Control c) const
{
    const std::size_t i = indexOf(c);
    if (c.number < 0 || std::size_t(c.number) >= kNumbersPerKind || !exists_[i])
        throw std::out_of_range("no control " + c.name());
    return states_[i];
}

ControlState &HeadlessView::stateOf(Control c)
{
    return const_cast<ControlState &>(state(c));
}

bool HeadlessView::closed() const
{
    return closed_;
}

int HeadlessView::beeps() const
{
    return beeps_;
}

bool HeadlessView::autoRedraw() const
{
    return autoRedraw_;
}

bool HeadlessView::keyPreview() const
{
    return keyPreview_;
}

std::size_t HeadlessView::pendingEvents() const
{
    return events_.size();
}

void HeadlessView::setPicture(Control c, const Picture &picture)
{
    ControlState &s = stateOf(c);
    s.shown = picture;
    s.picture = picture.kind == Picture::Kind::None ? std::string() : pictureDir_ + picture.fileName();
    ++s.pictureSets;
}

void HeadlessView::setVisible(Control c, bool visible)
{
    stateOf(c).visible = visible;
}

Twips HeadlessView::left(Control c) const
{
    return state(c).left;
}

Twips HeadlessView::top(Control c) const
{
    return state(c).top;
}

void HeadlessView::setLeft(Control c, Twips x)
{
    stateOf(c).left = x;
    stateOf(c).movedAt = now_;
}

void HeadlessView::setTop(Control c, Twips y)
{
    stateOf(c).top = y;
    stateOf(c).movedAt = now_;
}

void HeadlessView::setCaption(Control c, const std::string &text)
{
    stateOf(c).caption = text;
}

void HeadlessView::setBackColour(Control c, Colour colour)
{
    stateOf(c).backColour = colour;
}

void HeadlessView::setAutoRedraw(bool on)
{
    autoRedraw_ = on;
}

void HeadlessView::setKeyPreview(bool on)
{
    keyPreview_ = on;
}

void HeadlessView::centreWindow()
{
}

void HeadlessView::beep()
{
    ++beeps_;
}

void HeadlessView::closeWindow()
{
    closed_ = true;
}

void HeadlessView::setSwitchHandler(SwitchHandler handler)
{
    switchHandler_ = std::move(handler);
}

void HeadlessView::markOffer(std::optional<Control> c)
{
    offerMark_ = c;
}

void HeadlessView::cue()
{
    ++cues_;
}

void HeadlessView::say(const std::string &text)
{
    spoken_.push_back(text);
}

std::optional<Control> HeadlessView::offerMark() const
{
    return offerMark_;
}

int HeadlessView::cues() const
{
    return cues_;
}

const std::vector<std::string> &HeadlessView::spoken() const
{
    return spoken_;
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
