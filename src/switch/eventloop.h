// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <functional>

namespace wildcrest
{

// Thrown out of a yield or a wait once the window has been closed (Esc or the
// close box): it unwinds whatever loop the game was in, and the program ends.
struct GameEnded {
};

// The window's events and its clock, as the game waits on them. The game runs
// its loops synchronously and lets the window's events in through yield and
// the waits, which cost no CPU while they sleep.
class EventLoop
{
public:
    // Called with everything the player's switches do (no auto-repeat). Esc and
    // the close box are never a switch: they close the window.
    using SwitchHandler = std::function<void(const SwitchEvent &)>;

    virtual ~EventLoop() = default;

    virtual void setSwitchHandler(SwitchHandler handler) = 0;
    // Processes every pending event (switch events included) and returns at once.
    virtual void yield() = 0;
    // Processes pending events; when there are none, sleeps until one arrives or
    // the deadline passes, then returns.
    virtual void waitForEvent(Moment deadline) = 0;
    // Sleeps until an event arrives, however long that takes.
    virtual void waitForEvent() = 0;
    virtual Moment now() const = 0;
    // The seconds of the local time of day, 0 to 59.
    virtual int clockSeconds() = 0;
    // Unloads the window; the next yield or wait ends the game.
    virtual void closeWindow() = 0;
};

} // namespace wildcrest
