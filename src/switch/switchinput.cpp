// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchinput.h"

#include <algorithm>

namespace wildcrest
{

SwitchInput::SwitchInput(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
    : filters_ { SwitchFilter(debounce, acceptance), SwitchFilter(debounce, acceptance) }
{
}

void SwitchInput::onCounted(Counted counted)
{
    counted_ = std::move(counted);
}

void SwitchInput::onVerdict(Watcher watcher)
{
    watcher_ = std::move(watcher);
}

void SwitchInput::retune(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
{
    filters_ = { SwitchFilter(debounce, acceptance), SwitchFilter(debounce, acceptance) };
    down_ = {};
}

SwitchFilter &SwitchInput::filterOf(int which)
{
    return filters_[which == 2 ? 1 : 0];
}

void SwitchInput::tell(Verdict v, int which, Moment when)
{
    if (v != Verdict::Counted)
        return;
    lastCounted_ = which;
    if (counted_)
        counted_(which, when);
}

Verdict SwitchInput::take(const SwitchEvent &e)
{
    SwitchFilter &filter = filterOf(e.which);
    down_[e.which == 2 ? 1 : 0] = e.pressed;
    unplugged_[e.which == 2 ? 1 : 0] = !e.pressed && e.unplugged;
    const Verdict v = e.pressed ? filter.press(e.when) : filter.release(e.when);
    if (watcher_)
        watcher_(e.which, e.pressed, v, e.when);
    tell(v, e.which, e.when);
    return v;
}

std::optional<Moment> SwitchInput::acceptanceDue() const
{
    std::optional<Moment> due;
    for (const SwitchFilter &f : filters_)
        if (const auto d = f.acceptanceDue(); d && (!due || *d < *due))
            due = d;
    return due;
}

void SwitchInput::wake(Moment t)
{
    for (int which = 1; which <= 2; ++which) {
        const Verdict v = filterOf(which).held(t);
        if (watcher_ && v != Verdict::None)
            watcher_(which, true, v, t);
        tell(v, which, t);
    }
}

} // namespace wildcrest
