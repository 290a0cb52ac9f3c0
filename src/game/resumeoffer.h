// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "settings/settings.h"

#include <ostream>
#include <string>

namespace wildcrest
{

// What the start makes of the match saved at the last stop.
struct SavedMatchStart {
    std::string path; // the save of these players (savePath)
    Resume resume = Resume::Ask;
    bool newMatch = false; // --new-match: neither offered nor gone on with
    std::string bottom, top; // the players' names; "" for "you" and the computer
};

// "Go on with the match: round 3 of 5, you 12, computer 40".
std::string goOnText(const SavedMatch &saved, const SavedMatchStart &start, const Wording &words);

// Before game.activate(), with the title on show: a save that cannot be played
// is moved aside and said, on `warnings` with its path and on the title until
// a press; a
// good one is gone on with at once (resume=always) or offered on the title with
// the player's scanning, "Go on with the match: ..." first, then "New match".
// Either answer is the title's press. Says whether the saved match goes on
// (at its computer's level, with the computer's memory of it).
bool startSavedMatch(GameForm &game, const SavedMatchStart &start, std::ostream &warnings);

} // namespace wildcrest
