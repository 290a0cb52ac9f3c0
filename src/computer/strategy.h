// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/matchstate.h"

#include <memory>
#include <string>
#include <vector>

namespace wildcrest
{

// How a side that plays by rule chooses, whatever hand it holds: the place it
// plays from (0: nothing to play, so it draws) and the suit its eight names.
// Every choice is legal; the levels differ only in how well they choose. A
// strategy may remember what it saw at its earlier turns, so each side has
// its own.
class Strategy
{
public:
    virtual ~Strategy() = default;
    virtual int choose(const MatchState &match, int column) = 0;
    virtual char suit(const MatchState &match, int column) = 0;
    // What it remembers of the match, as words on one line ("" for nothing),
    // so that a saved match goes on as it would have; and that taken back,
    // false for words it cannot take.
    virtual std::string memory() const
    {
        return {};
    }
    virtual bool recall(const std::string &memory)
    {
        return memory.empty();
    }
};

// The levels by name, easiest first: "gentle", "standard" (the computer's own
// rule), "clever".
const std::vector<std::string> &strategyLevels();
// A strategy of the level named, or nullptr for a name that is none.
std::unique_ptr<Strategy> makeStrategy(const std::string &level);

} // namespace wildcrest
