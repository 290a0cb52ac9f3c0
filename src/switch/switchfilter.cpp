// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchfilter.h"

namespace wildcrest
{

SwitchFilter::SwitchFilter(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
    : debounce_(debounce)
    , acceptance_(acceptance)
{
}

std::chrono::milliseconds SwitchFilter::debounce() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(debounce_);
}

std::chrono::milliseconds SwitchFilter::acceptance() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(acceptance_);
}

bool SwitchFilter::filtering() const
{
    return debounce_ > Moment::zero() || acceptance_ > Moment::zero();
}

Verdict SwitchFilter::counts(Moment t)
{
    if (lastCounted_ && t - *lastCounted_ < debounce_)
        return Verdict::WithinDebounce;
    lastCounted_ = t;
    return Verdict::Counted;
}

Verdict SwitchFilter::press(Moment t)
{
    // Unfiltered, every press counts, as when two keys go down together.
    const bool again = down_ && filtering();
    down_ = true;
    if (again)
        return Verdict::AlreadyHeld;
    if (acceptance_ > Moment::zero()) {
        pendingSince_ = t;
        return Verdict::None;
    }
    return counts(t);
}

Verdict SwitchFilter::release(Moment t)
{
    down_ = false;
    if (!pendingSince_)
        return Verdict::None;
    const Moment due = *pendingSince_ + acceptance_;
    pendingSince_.reset();
    // Held long enough, though nobody asked before it came up: it counts as of then.
    return t >= due ? counts(due) : Verdict::ReleasedEarly;
}

std::optional<Moment> SwitchFilter::acceptanceDue() const
{
    if (!pendingSince_)
        return std::nullopt;
    return *pendingSince_ + acceptance_;
}

Verdict SwitchFilter::held(Moment t)
{
    if (!pendingSince_ || t < *pendingSince_ + acceptance_)
        return Verdict::None;
    pendingSince_.reset();
    return counts(t);
}

} // namespace wildcrest
