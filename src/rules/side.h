// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/matchstate.h"

namespace wildcrest
{

// What a side does on its turn: play the card of a place of its hand (an
// eight naming a suit), or draw.
struct Move {
    int place = 0; // 0: draw a card
    char suit = 0; // the suit an eight names

    bool draws() const
    {
        return place == 0;
    }
};

// One side of the table. The turn loop asks the side to move for its move and
// plays it; how the side reaches its choice (a switch and a scan, or the
// computer's reckoning) is its own.
class Side
{
public:
    virtual ~Side() = default;
    // The move for `column`, with the match as it stands; the card chosen may
    // still be shown lifted.
    virtual Move move(const MatchState &match, int column) = 0;
    // `move` has been played out on the table.
    virtual void moved(const Move &move)
    {
        (void)move;
    }
};

} // namespace wildcrest
