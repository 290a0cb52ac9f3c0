// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "table/headless/headlessview.h"

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

// The table: every hand place, the pile and the deck stand at their layout
// positions between turns; the travelling pictures, the menu and the offer's
// frame are gone.
void checkTable(const HeadlessView &view, InvariantReport &report);

} // namespace wildcrest::simulation
