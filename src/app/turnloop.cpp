// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "table/layout.h"

#include <stdexcept>

namespace wildcrest
{

void GameForm::turnloop()
{
    for (;;) {
        try {
            if (!half(kPlayer))
                continue;
            half(kComputer);
        } catch (const NewMatchWanted &) {
            newmatch();
        }
    }
}

// One side's turn with its name plate red. Says whether the round goes on;
// after a round end the next round starts with the player, recording nothing.
bool GameForm::half(int side)
{
    showcounter();
    reset = kFalse;
    drew = kFalse;
    const bool player = side == kPlayer;
    if (player)
        hitkey = kFalse; // a press during the computer's turn or an animation picks nothing
    view_.setBackColour(player ? Label2 : Label3, kRed);
    view_.setBackColour(player ? Label3 : Label2, kBlack);
    const TurnOutcome outcome = player ? selection() : computerturn();
    if (outcome == TurnOutcome::RoundEnded) {
        turnended();
        return false;
    }
    recordtopcard();
    turnended();
    view_.yield();
    return true;
}

// A played card goes on the record by its real code (the eight itself, not the
// named suit). A draw leaves the pile, and so the record, exactly as it was.
void GameForm::recordtopcard()
{
    if (drew == kTrue)
        return;
    if (backdeckplace < 1 || backdeckplace > kDeckSize)
        throw std::logic_error("the pile record has no place " + std::to_string(backdeckplace));
    if (!real8.empty()) {
        backdeck[backdeckplace] = real8;
        real8.clear();
    } else {
        backdeck[backdeckplace] = curcard;
    }
    ++backdeckplace;
}

void GameForm::turnended()
{
    if (turnEnd_)
        turnEnd_(*this);
}

void GameForm::showcounter()
{
    view_.setCaption(Label16, std::to_string(cardsleft()));
}

} // namespace wildcrest
