// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/scanning.h"
#include "rules/side.h"
#include "switch/switchwaits.h"
#include "table/tableview.h"

namespace wildcrest
{

// The computer's side: after the player's pacing delay it plays the card the
// rules choose for it (computerchoice, computersuit), and the player's speech
// says what it did.
class ComputerSide : public Side
{
public:
    ComputerSide(Scanning &pacing, SwitchWaits &waits, const TableWords &words)
        : pacing_(pacing)
        , waits_(waits)
        , words_(words)
    {
    }

    Move move(const MatchState &match, int column) override;

private:
    Scanning &pacing_;
    SwitchWaits &waits_;
    const TableWords &words_;
};

} // namespace wildcrest
