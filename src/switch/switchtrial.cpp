// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchtrial.h"

#include <algorithm>

namespace wildcrest
{

namespace
{
    long long ms(Moment t)
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(t).count();
    }

    // Bounces are the short gaps set well apart from the deliberate ones: the
    // short side of the widest jump (three times or more) in the sorted gaps.
    constexpr Moment kLongestPossibleBounce = std::chrono::milliseconds(1000);
    constexpr double kJump = 3.0;
} // namespace

std::string verdictText(const TriedPress &press, const Wording &words)
{
    switch (press.verdict) {
    case Verdict::Counted:
        return words.translate("SwitchTryOut", "counted");
    case Verdict::WithinDebounce:
        return words.translate("SwitchTryOut", "ignored: within debounce");
    case Verdict::ReleasedEarly:
        return fill(words.translate("SwitchTryOut", "ignored: released after %1 ms, acceptance %2 ms"),
            { std::to_string(ms(press.held)), std::to_string(press.acceptance.count()) });
    case Verdict::AlreadyHeld:
        return words.translate("SwitchTryOut", "ignored: the switch was already down");
    case Verdict::None:
        break;
    }
    return words.translate("SwitchTryOut", "not counted");
}

SwitchTrial::SwitchTrial(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
{
    retune(debounce, acceptance);
}

void SwitchTrial::retune(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
{
    filters_ = { SwitchFilter(debounce, acceptance), SwitchFilter(debounce, acceptance) };
    down_ = {};
    verdicts_ = {};
    sinceLast_ = {};
}

std::optional<TriedPress> SwitchTrial::take(const SwitchEvent &e)
{
    const std::size_t i = e.which == 2 ? 1 : 0;
    SwitchFilter &filter = filters_[i];
    TriedPress press;
    press.source = e.source;
    press.which = e.which;
    press.acceptance = filter.acceptance();
    if (e.pressed) {
        if (lastStart_) {
            press.sinceLast = e.when - *lastStart_;
            gaps_.push_back(*press.sinceLast);
        }
        lastStart_ = e.when;
        ++presses_;
        const Verdict v = filter.press(e.when);
        if (v == Verdict::AlreadyHeld) {
            press.verdict = v;
            return press; // its release belongs to the press that is held
        }
        down_[i] = Down { e.when, e.source };
        // The press itself is told at its release, with how long it was held;
        // the verdict is kept till then.
        if (v != Verdict::None)
            verdicts_[i] = v;
        else
            verdicts_[i].reset();
        sinceLast_[i] = press.sinceLast;
        return std::nullopt;
    }
    if (!down_[i])
        return std::nullopt;
    const Verdict v = filter.release(e.when);
    press.source = down_[i]->source;
    press.held = e.when - down_[i]->since;
    press.sinceLast = sinceLast_[i];
    press.verdict = verdicts_[i].value_or(v);
    down_[i].reset();
    return press;
}

std::size_t SwitchTrial::presses() const
{
    return presses_;
}

Moment SwitchTrial::longestBounce() const
{
    std::vector<Moment> sorted = gaps_;
    std::sort(sorted.begin(), sorted.end());
    Moment bounce {};
    double widest = kJump;
    for (std::size_t k = 0; k + 1 < sorted.size(); ++k) {
        if (sorted[k] > kLongestPossibleBounce || sorted[k] <= Moment::zero())
            continue;
        const double jump = double(sorted[k + 1].count()) / double(sorted[k].count());
        if (jump >= widest) {
            widest = jump;
            bounce = sorted[k];
        }
    }
    return bounce;
}

std::optional<std::chrono::milliseconds> SwitchTrial::suggestion() const
{
    if (presses_ < kPressesForSuggestion)
        return std::nullopt;
    const Moment bounce = longestBounce();
    if (bounce == Moment::zero())
        return std::chrono::milliseconds(0);
    // Half as long again as the longest bounce, in steps of 50 ms, short of the quickest deliberate press.
    const long long wanted = (ms(bounce) * 3 / 2 + 49) / 50 * 50;
    Moment quickest = Moment::max();
    for (const Moment gap : gaps_)
        if (gap > bounce)
            quickest = std::min(quickest, gap);
    const long long limit = std::min<long long>(2000, quickest == Moment::max() ? 2000 : ms(quickest) - 1);
    return std::chrono::milliseconds(std::max<long long>(ms(bounce) + 1, std::min(wanted, limit)));
}

} // namespace wildcrest
