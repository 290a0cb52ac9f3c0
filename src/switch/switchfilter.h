// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <chrono>
#include <optional>

namespace wildcrest
{

// What the filter made of something the switch did.
enum class Verdict {
    None, // nothing yet: a press waiting for the acceptance time, or a release
    Counted,
    WithinDebounce, // would have counted, but too soon after the last counted press
    ReleasedEarly, // let go before the acceptance time
    AlreadyHeld, // pressed again while held: the same press
};

// Turns what the switch does into the presses that count: a press counts once
// the switch has been held for the acceptance time (at once when that is 0),
// and a press that would count within the debounce time of the last counted
// one is ignored, as the bounces of a worn switch or a tremor make them.
//
//     SwitchFilter filter(debounce, acceptance);
//     if (filter.press(now) == Verdict::Counted) hitTheSwitch();
//     ... when filter.acceptanceDue() comes: if (filter.held(due) == Verdict::Counted) hitTheSwitch();
class SwitchFilter
{
public:
    explicit SwitchFilter(std::chrono::milliseconds debounce = {}, std::chrono::milliseconds acceptance = {});

    // The switch goes down at `t`.
    Verdict press(Moment t);
    // The switch comes up: a press let go before the acceptance time never
    // counts (ReleasedEarly); one held long enough but not yet asked about
    // counts now, as of its due moment.
    Verdict release(Moment t);
    // When the press being held will count, if it is still held then.
    std::optional<Moment> acceptanceDue() const;
    // Called at or after acceptanceDue(): Counted or WithinDebounce once the
    // held press is due, None before.
    Verdict held(Moment t);

    std::chrono::milliseconds debounce() const;
    std::chrono::milliseconds acceptance() const;

private:
    Verdict counts(Moment t);
    bool filtering() const;

    Moment debounce_;
    Moment acceptance_;
    bool down_ = false;
    std::optional<Moment> pendingSince_;
    std::optional<Moment> lastCounted_;
};

} // namespace wildcrest
