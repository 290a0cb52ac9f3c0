// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/switchrecord.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <span>
#include <vector>

namespace wildcrest
{

// The middle value (the mean of the two middle ones for an even count); 0 for none.
Moment medianOf(std::vector<Moment> values);

// What a therapist reads off one session's rows. Reaction times are those of
// offers taken in time by a press (not late, not a wait with nothing offered);
// the shares are counts against those right selections.
struct SessionFigures {
    std::size_t taken = 0;
    double meanReactionMs = 0;
    double sdReactionMs = 0; // the sample standard deviation
    double variation = 0; // the coefficient of variation: sd / mean
    std::size_t late = 0;
    std::size_t noPressPasses = 0;
    std::size_t ignored = 0; // debounced, or let go before the acceptance time
    double lateShare = 0;
    double noPressShare = 0;
    double ignoredShare = 0;
    Moment scanTime {}; // in force at the session's last offer
    std::optional<Moment> suggestedScanTime; // the mean reaction over 0.65
};

// Scan time from reaction time: mean / kScanRule, a published rule of thumb.
constexpr double kScanRule = 0.65;
// Wrong selections above this share of the right ones: reduce errors first.
constexpr double kErrorLine = 0.25;

SessionFigures figuresOf(std::span<const RecordRow> rows);
// The reaction time across the session: at each offer taken in time, the
// median of the last `window` of them.
std::vector<std::pair<Moment, Moment>> fatigueCurve(std::span<const RecordRow> rows, std::size_t window = 10);

} // namespace wildcrest
