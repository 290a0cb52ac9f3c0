// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"

namespace wildcrest::bench
{

// The game's waits as first designed, kept here only to be measured beside
// ours: every wait is a loop of bare yields (QCoreApplication::processEvents).

// One pacing delay: `game.delayvalue` bare yields, the switch tested after each
// when the delay offers a choice. Says whether it ended at a press.
bool literalPacingDelay(GameForm &game, bool offersChoice);

// The wait for the switch: bare yields until a press.
void literalWaitForKey(GameForm &game);

// The card from the deck to the player's first place, as drawanimation('D')
// moves it into an empty hand: 300 steps of one bare yield each.
void literalDrawAnimation(GameForm &game);

// The player's first place lifted for one literal pacing delay after another
// until a press; then the play starts with the same first picture change as
// GameForm::selection's.
void literalHeldCard(GameForm &game);

} // namespace wildcrest::bench
