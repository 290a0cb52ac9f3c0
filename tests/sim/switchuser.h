// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "table/headless/headlessview.h"

#include <functional>
#include <optional>
#include <string>

namespace wildcrest::simulation
{

// What the game is waiting for when a simulated player looks at the table.
enum class Wait {
    Title, // the title screen: any key starts
    Offer, // a card of the hand to move is out of its row (a second player's is lowered)
    Suit, // the pile shows an eight while a suit is named
    Draw, // nothing playable: a key draws
    RoundEnd, // the round is scored and shown: a key deals the next
    MatchEnd, // the match result is shown: a key starts a new match
    Menu, // the switch menu stands on the table
    Other, // the computer thinking, a card travelling
};

const char *waitName(Wait w);

struct Situation {
    Wait wait;
    int offer = 0; // 1-based number of the offer within the turn or the suit choice
    int slot = 0; // the lifted place, for Offer
    Card card; // the lifted card, for Offer
    int seat = 0; // the side to move as its red plate shows: 0 the bottom hand, 1 the top
    int item = 0; // the lifted menu item, for Menu; 0 before any is on show
    std::string caption; // that item's text
    Moment now { 0 };
    Moment deadline { 0 }; // when the offer ends; Moment::max() for a key wait or an offer that waits for a press
};

// Decides, once for every new offer or key wait, whether and when to press:
// a delay from now, or nothing to let the offer pass. A wait without limit is
// asked about again whenever nothing the player scheduled is left to come.
using Policy = std::function<std::optional<Moment>(const Situation &)>;

// A simulated switch user: it watches the headless table at every wait, tells
// the offers apart and presses as its policy says.
class SwitchUser
{
public:
    SwitchUser(HeadlessView &view, const GameForm &game, Policy policy);
    // The game's turn loop reports the end of every half here.
    void turnEnded();
    Situation classify(const HeadlessView &view, Moment deadline) const;
    long presses() const
    {
        return presses_;
    }

private:
    void look(HeadlessView &view, Moment deadline);

    const GameForm &game_;
    Policy policy_;
    Wait lastWait_ = Wait::Other;
    int lastSlot_ = 0;
    Moment lastLift_ { -1 };
    int lastSuitPicture_ = -1;
    int lastItem_ = 0;
    Moment lastItemLift_ { -1 };
    int offerCount_ = 0;
    int suitCount_ = 0;
    bool keyWaitSeen_ = false;
    long presses_ = 0;
};

} // namespace wildcrest::simulation
