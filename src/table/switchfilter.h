#pragma once

#include "table/tableview.h"

#include <chrono>
#include <optional>

namespace wildcrest
{

// Turns what the switch does into the presses that count: a press counts once
// the switch has been held for the acceptance time (at once when that is 0),
// and a press that would count within the debounce time of the last counted
// one is ignored, as the bounces of a worn switch or a tremor make them.
//
//     SwitchFilter filter(debounce, acceptance);
//     if (filter.press(now)) hitTheSwitch();
//     ... when filter.acceptanceDue() comes: if (filter.held(due)) hitTheSwitch();
class SwitchFilter
{
public:
    explicit SwitchFilter(std::chrono::milliseconds debounce = {}, std::chrono::milliseconds acceptance = {});

    // The switch goes down at `t`; true when this press counts at once.
    bool press(Moment t);
    // The switch comes up: a press not yet accepted no longer counts.
    void release(Moment t);
    // When the press being held will count, if it is still held then.
    std::optional<Moment> acceptanceDue() const;
    // Called at or after acceptanceDue(): true when the held press counts now.
    bool held(Moment t);

private:
    bool counts(Moment t);

    Moment debounce_;
    Moment acceptance_;
    bool down_ = false;
    std::optional<Moment> pendingSince_;
    std::optional<Moment> lastCounted_;
};

} // namespace wildcrest
