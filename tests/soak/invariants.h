// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "table/headless/headlessview.h"

#include <array>
#include <string>
#include <vector>

namespace wildcrest::simulation
{

// What must hold after every turn of any game, whatever the player pressed.
// Each failed check is one line naming what broke.
struct InvariantReport {
    long checks = 0;
    std::vector<std::string> failures;
    void expect(bool ok, const std::string &what);
};

// The cards: the 52 codes once each across the deck still to draw, both hands
// and the pile record, an eight on the record by its own code; packed hands; a
// gapless record whose last card is the top of the pile; the counter true.
void checkCards(const GameForm &game, const HeadlessView &view, InvariantReport &report);

// Who plays the hands: the bottom hand's player alone against the computer, or
// a second player with a switch at the top hand, with handover or open hands.
struct Seating {
    bool twoPlayers = false;
    bool handover = false;
    // Whether the hand of `column` shows its faces between turns.
    bool openBetweenTurns(int column) const;
};

// The hands between turns: each card in its place shows its own face where
// its player may see it between turns, else its back; with handover no hand
// shows its faces.
void checkHands(const GameForm &game, const HeadlessView &view, Seating seating, InvariantReport &report);

// While a card of the side at `seat` (0 bottom, 1 top) is on offer: that hand
// shows its faces with one card alone out of its row; the other hand stands in
// its row showing what it shows between turns.
void checkOffer(const GameForm &game, const HeadlessView &view, Seating seating, int seat, InvariantReport &report);

// The hands of the columns kPlayer and kComputer, sorted, as a turn begins.
using HandCards = std::array<std::vector<Card>, 2>;
HandCards handsOf(const GameForm &game);

// One turn's move by the hand of `column`: it lost the card now on the pile
// (an eight for an eight) or drew one, and the other hand is as it was.
void checkMove(const HandCards &before, const GameForm &game, int column, InvariantReport &report);

// The table: every hand place, the pile and the deck stand at their layout
// positions between turns; the travelling pictures, the menu and the offer's
// frame are gone.
void checkTable(const HeadlessView &view, InvariantReport &report);

} // namespace wildcrest::simulation
