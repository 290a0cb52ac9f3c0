// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchfilter.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>

namespace wildcrest
{

// The game's end of the switch event stream: each switch through its own
// filter, and a call for every press that counts. The views only report what
// the switches do; acceptance is timed here, so whoever waits asks
// acceptanceDue() and calls wake() once it has come.
//
//     SwitchInput input(300ms, 150ms);
//     input.onCounted([&](int which, Moment) { hitkey = kTrue; });
//     view.setSwitchHandler([&](const SwitchEvent &e) { input.take(e); });
class SwitchInput
{
public:
    using Counted = std::function<void(int which, Moment when)>;
    // Everything the filter made of the switch: each press and release with
    // its verdict, and each held press as it comes due (down, at its moment).
    using Watcher = std::function<void(int which, bool down, Verdict verdict, Moment when)>;

    explicit SwitchInput(std::chrono::milliseconds debounce = {}, std::chrono::milliseconds acceptance = {});

    void onCounted(Counted counted);
    void onVerdict(Watcher watcher);
    // New debounce and acceptance times; forgets what was held and counted.
    void retune(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance);
    // Filters one event; returns the filter's verdict on it.
    Verdict take(const SwitchEvent &e);
    // The earliest moment a held press will count, if one is held.
    std::optional<Moment> acceptanceDue() const;
    // Counts the held presses whose acceptance time has come by `t`.
    void wake(Moment t);
    // The switch (1 or 2) of the last press that counted; 0 before any.
    int lastCounted() const
    {
        return lastCounted_;
    }
    // Whether switch `which` is down now, counted or not.
    bool down(int which) const
    {
        return down_[which == 2 ? 1 : 0];
    }
    // Whether switch `which` last came up because its device was pulled out.
    bool unplugged(int which) const
    {
        return unplugged_[which == 2 ? 1 : 0];
    }

private:
    SwitchFilter &filterOf(int which);
    void tell(Verdict v, int which, Moment when);

    std::array<SwitchFilter, 2> filters_;
    Counted counted_;
    Watcher watcher_;
    int lastCounted_ = 0;
    std::array<bool, 2> down_ {};
    std::array<bool, 2> unplugged_ {};
};

} // namespace wildcrest
