// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/random.h"
#include "rules/matchstate.h"

#include <optional>
#include <string>
#include <string_view>

namespace wildcrest
{

// The version of the save's text this game writes; a save of another is not played.
constexpr int kSaveVersion = 1;
// A save is a few hundred bytes; a longer text is not one.
constexpr std::size_t kLongestSave = 4096;
// Five rounds of every card left in hand: the most points a side can hold.
constexpr int kMostPoints = 5 * 508;

// A match between two sessions: the table as the turn left it, the state of
// the shuffles' generator, the side to move, and the settings that shaped the
// play. Kept after every turn, so that a stop loses at most the turn under way.
struct SavedMatch {
    MatchState match;
    int tomove = kPlayer; // kPlayer or kComputer: the hand whose turn comes next
    RandomSource::State random {};
    std::string computer = "standard"; // the computer's level
    std::string memory; // what the computer's strategy remembers of the match
    std::string scanMethod = "auto"; // the bottom player's scanning
    std::string opponent = "computer"; // who plays the top hand
};

// The save as text, a line for each part:
//
//     wildcrest match 1
//     round 3
//     scores 12 40
//     tomove computer
//     pile 8H
//     real8 -
//     player 6S TH JC
//     computer 2D 9C
//     deck 16 - - ... QS 4H          (all 52 places, "-" for an empty one)
//     record 5 7C 7H 8D KH - ...     (all 52 places)
//     random 0123456789abcdef fedcba9876543210
//     level standard
//     memory 0100 8H 5 2             (the computer's, as its level keeps it)
//     scan auto
//     opponent computer
//     end
std::string saveText(const SavedMatch &saved);

// A save read back, or what stops it being played: a text cut short or
// damaged, one from another version, or a table that cannot be (a card twice,
// 53 cards, a score out of range).
struct SaveReading {
    std::optional<SavedMatch> saved;
    std::string problem; // English, for the message that says the save was put aside
};
SaveReading readSave(std::string_view text);

} // namespace wildcrest
