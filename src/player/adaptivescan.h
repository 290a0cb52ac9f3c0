// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/tableview.h"

#include <deque>

namespace wildcrest
{

// A scan time learnt from the player's own presses. Each press tells how long
// after the start of its offer it came. A press in the first quarter second of
// an offer that followed one passed over was most likely meant for that one,
// and late: its reaction is the whole passed offer plus the little more. The
// scan time then becomes 1.6 times the median of the last reactions, so nearly
// every press lands in the offer it was meant for: it grows at once when the
// player needs longer, and shrinks by at most a tenth a turn, between 1 and 6 s.
class AdaptiveScan
{
public:
    static constexpr Moment kStart = std::chrono::milliseconds(2000);
    static constexpr Moment kShortest = std::chrono::milliseconds(1000);
    static constexpr Moment kLongest = std::chrono::milliseconds(6000);
    static constexpr Moment kLateWindow = std::chrono::milliseconds(250);
    static constexpr std::size_t kRemembered = 10;

    Moment current() const
    {
        return current_;
    }
    // A press `intoOffer` after its offer began; `afterPassedOffer` when an
    // offer of the same turn had been passed over just before.
    void pressed(Moment intoOffer, bool afterPassedOffer);
    // The end of the player's turn: the scan time for the next one is set.
    void endTurn();

private:
    Moment current_ = kStart;
    std::deque<Moment> reactions_;
    bool fresh_ = false;
};

} // namespace wildcrest
