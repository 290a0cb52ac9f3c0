// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/eventloop.h"
#include "switch/switchinput.h"

#include <array>
#include <cstdint>

namespace wildcrest
{

// The switch as the game waits for it: it owns the switch input of each seat
// at the table, the "pressed" flag a counted press of the seat whose turn it
// is sets, and every wait of the game (for a press, until a deadline, the
// pacing delay). The scanning and the turn get this, and nothing more of the
// game.
//
//     SwitchWaits waits(view);
//     waits.waitforkey();                  // returns after a counted press
//     waits.pacingdelay(true, 2s);         // true when a press ended it
class SwitchWaits
{
public:
    explicit SwitchWaits(EventLoop &loop);
    SwitchWaits(const SwitchWaits &) = delete;
    SwitchWaits &operator=(const SwitchWaits &) = delete;

    // The switch: -1 after a press that counted, 0 once the game has taken it.
    std::int16_t hitkey = 0;

    EventLoop &loop()
    {
        return loop_;
    }
    // The switch input of the seat whose presses count (with either seat, of
    // the seat that pressed last).
    SwitchInput &switches()
    {
        return switches_[counting()];
    }
    const SwitchInput &switches() const
    {
        return switches_[counting()];
    }
    SwitchInput &switches(int seat)
    {
        return switches_[seat == 1 ? 1 : 0];
    }
    // From now on only the presses of `seat` (0 or 1, or kEitherSeat) set
    // hitkey; the other seat's count for nothing.
    void turnTo(int seat)
    {
        seat_ = seat;
    }
    int seat() const
    {
        return seat_;
    }
    static constexpr int kEitherSeat = -1;
    // Everything the switches do comes here; a counted press sets hitkey.
    void switchevent(const SwitchEvent &e);
    // Sleeps on the loop until an event or `deadline` (Moment::max(): none),
    // waking for a held press that reaches the acceptance time.
    void sleepuntil(Moment deadline);
    // One pacing delay of `length`; with `offersChoice` it ends at a press and says so.
    bool pacingdelay(bool offersChoice, Moment length);
    // Until a press counts.
    void waitforkey();

private:
    int counting() const
    {
        return seat_ == kEitherSeat ? lastSeat_ : seat_;
    }

    EventLoop &loop_;
    std::array<SwitchInput, 2> switches_;
    int seat_ = 0;
    int lastSeat_ = 0; // the seat of the last press that counted
};

} // namespace wildcrest
