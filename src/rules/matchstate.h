// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/card.h"

#include <array>
#include <cstdint>
#include <string>

namespace wildcrest
{

// Flags are 0 (false) or -1 (true), as everywhere in the game's state.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

constexpr int kDeckSize = 52;
constexpr int kHandPlaces = 22;
constexpr int kPlayer = 1; // column of hand
constexpr int kComputer = 2;

// Everything the rules name about a match, as a value: it can be copied,
// compared and written out whole. Arrays count from 1, as the rules do.
struct MatchState {
    std::array<Card, kDeckSize + 1> deck; // places 1..52
    std::int16_t deckplace = 0; // next card to draw
    std::array<Card, kDeckSize + 1> backdeck; // the pile record, oldest first, places 1..52
    std::int16_t backdeckplace = 0; // next free place of the pile record
    std::array<std::array<Card, 3>, kHandPlaces + 1> hand; // hand[row][column], rows 1..22
    Card curcard; // top of the pile as it is to be matched (the eight of hearts after an eight naming hearts)
    Card real8; // the eight really played, until the turn's card is recorded
    std::int16_t playerscore = 0;
    std::int16_t cpuscore = 0;
    std::int16_t gamecount = 0; // round in play, 1 to 5

    friend bool operator==(const MatchState &, const MatchState &) = default;

    // The cards left to draw: those from deckplace on.
    int cardsleft() const;
    // The whole table as text, a line for each part, for tests and the soak
    // to compare: "player: 6S TH JC", "pile: 8H real8: -", ...
    std::string snapshot() const;
};

} // namespace wildcrest
