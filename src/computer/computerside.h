// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/strategy.h"
#include "player/scanning.h"
#include "rules/side.h"
#include "switch/switchwaits.h"
#include "table/tableview.h"

#include <memory>

namespace wildcrest
{

// The computer's side: after the player's pacing delay it plays the card its
// strategy chooses (by default the rules' own: computerchoice, computersuit),
// and the player's speech says what it did.
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
    // A kinder or sharper computer.
    void playBy(std::unique_ptr<Strategy> strategy)
    {
        strategy_ = std::move(strategy);
    }
    Strategy &strategy()
    {
        return *strategy_;
    }

private:
    Scanning &pacing_;
    SwitchWaits &waits_;
    const TableWords &words_;
    std::unique_ptr<Strategy> strategy_ = makeStrategy("standard");
};

} // namespace wildcrest
