// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/scanning.h"
#include "rules/side.h"
#include "switch/switchwaits.h"
#include "table/tableview.h"

namespace wildcrest
{

// The side of a player with a switch, at the bottom hand or (a second player)
// the top one: the cards that may be played are offered, lifted out of the
// hand, as the player's scanning method offers them, and the one
// taken is the move; an eight then has its suit named the same way. Cards that
// may not be played are never offered; with none, a press draws.
class HumanSide : public Side
{
public:
    HumanSide(TableView &view, Scanning &scan, SwitchWaits &waits)
        : view_(view)
        , scan_(scan)
        , waits_(waits)
    {
    }

    Move move(const MatchState &match, int column) override;
    void moved(const Move &move) override;

    // Nothing to play: says so and waits for the press that draws.
    void awaitdraw();
    // The pile, framed in red, shows the eight of each suit in turn; the one taken is the suit named.
    char selectsuit();

private:
    TableView &view_;
    Scanning &scan_;
    SwitchWaits &waits_;
};

} // namespace wildcrest
