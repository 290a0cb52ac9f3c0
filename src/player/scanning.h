// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchwaits.h"
#include "table/controls.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace wildcrest
{

// One possibility offered to the switch: how it is put on show and taken off,
// which control it is, and its name as speech says it.
struct Offer {
    Control marked;
    std::string spoken;
    std::function<void()> show;
    std::function<void()> hide;
};

// What a press will do when the game waits with nothing on offer.
// Turn: with handover, the player to move shows their hand (the game says so).
enum class Await { Title, Draw, NextRound, NewMatch, Turn };

// Thrown out of a wait when the player asks for a new match from the menu; the
// turn loop catches it and deals a new match.
struct NewMatchWanted {
};

// The scanning room: how offers are presented, held and taken, and how the
// game waits for the switch. The rules hold the game; everything about how
// this player reaches a choice lives behind this interface, and it reaches
// the switch only through the waits it is handed.
//
//     const std::size_t taken = scan.choose(waits, offers); // offers[taken] is still shown
class Scanning
{
public:
    virtual ~Scanning() = default;

    // Gives the switches the debounce and acceptance of this player.
    virtual void tune(SwitchInput &switches) = 0;
    // The length of one pacing delay for this player.
    virtual Moment scantime() const = 0;
    // Offers `offers` until one is taken and returns its index; it stays on show.
    virtual std::size_t choose(SwitchWaits &waits, const std::vector<Offer> &offers) = 0;
    // Waits for a press of either switch, with nothing on offer.
    virtual void waitforpress(SwitchWaits &waits, Await what) = 0;
    // The computer's pause before it plays: nothing is offered, no press counts.
    virtual void pause(SwitchWaits &waits) = 0;
    // Says the text when the player has speech.
    virtual void announce(const std::string &text) = 0;
    // The player's turn is over.
    virtual void endTurn() = 0;
};

} // namespace wildcrest
