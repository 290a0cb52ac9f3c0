// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchwaits.h"

#include <algorithm>

namespace wildcrest
{

namespace
{
    constexpr std::int16_t kPressed = -1;
}

SwitchWaits::SwitchWaits(EventLoop &loop)
    : loop_(loop)
{
    for (int seat : { 0, 1 })
        switches_[seat].onCounted([this, seat](int, Moment) {
            if (seat_ != kEitherSeat && seat != seat_)
                return; // the other player's switch, out of turn
            lastSeat_ = seat;
            hitkey = kPressed;
        });
    loop_.setSwitchHandler([this](const SwitchEvent &e) { switchevent(e); });
}

void SwitchWaits::switchevent(const SwitchEvent &e)
{
    switches(e.seat).take(e);
}

void SwitchWaits::sleepuntil(Moment deadline)
{
    for (const SwitchInput &input : switches_)
        if (const auto due = input.acceptanceDue())
            deadline = std::min(deadline, *due);
    if (deadline == Moment::max())
        loop_.waitForEvent();
    else
        loop_.waitForEvent(deadline);
    for (SwitchInput &input : switches_)
        input.wake(loop_.now());
}

// The delay is timed rather than counted, so it lasts the same on every
// machine: it sleeps on the event queue, and every event that wakes it is
// followed by a test of the switch.
bool SwitchWaits::pacingdelay(bool offersChoice, Moment length)
{
    const Moment deadline = loop_.now() + length;
    loop_.yield();
    for (;;) {
        if (offersChoice && hitkey == kPressed)
            return true;
        if (loop_.now() >= deadline)
            return false;
        sleepuntil(deadline);
    }
}

void SwitchWaits::waitforkey()
{
    hitkey = 0;
    loop_.yield();
    while (hitkey == 0)
        sleepuntil(Moment::max());
}

} // namespace wildcrest
