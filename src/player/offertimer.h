// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/playeraids.h"

#include <chrono>
#include <optional>

namespace wildcrest
{

// When the offer on show runs out. Its time runs from the moment it is put on
// show; paced by speech, from the moment its spoken name has been heard to the
// end, as the view reports, and at the latest kSpeechBound after the name was
// handed over, so that a speech server that never reports an end cannot hold
// the game up. Tells the view the time left whenever the end becomes known.
class OfferTimer
{
public:
    static constexpr Moment kSpeechBound = std::chrono::seconds(3);

    explicit OfferTimer(PlayerAids &aids)
        : aids_(&aids)
    {
    }

    // The offer `shown` (nothing: no time left is shown) is held for `length`
    // from `now`; `pacedFrom`: when its name was handed to speech, to wait for.
    void start(Moment now, Moment length, std::optional<Moment> pacedFrom, std::optional<Control> shown);
    // When the offer's time starts to run, and when it ends, as known now.
    Moment runsFrom();
    Moment ends();
    // Time that does not count (a press held into the menu) moves the end on,
    // and the time left is told again.
    void extend(Moment by);
    // Fixes when the time runs from as known at `now`, a name not yet heard
    // counting as heard then: what is spoken next (the menu) is not this offer's.
    void settle(Moment now);
    // Nothing is on offer: the time left is taken off.
    void stop();

private:
    void tell();

    PlayerAids *aids_;
    Moment start_ {};
    Moment length_ {};
    Moment extra_ {};
    std::optional<Moment> pacedFrom_;
    std::optional<Control> shown_;
    Moment toldFrom_ {}, toldEnds_ {};
    bool told_ = false;
};

} // namespace wildcrest
