// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/random.h"
#include "rules/matchstate.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace wildcrest
{

// Where a shuffle takes its chances: the random source, reseeded from the
// clock before every pick, and a call between picks (the window stays alive
// while a long shuffle runs).
class Shuffler
{
public:
    Shuffler(
        RandomSource &random, std::function<std::uint64_t()> clock, std::function<void()> between = [] {})
        : random_(random)
        , clock_(std::move(clock))
        , between_(std::move(between))
    {
    }
    // Reseeds from the clock, then a place from 1 to n.
    std::int32_t pick(std::int32_t n);
    void between()
    {
        between_();
    }

private:
    RandomSource &random_;
    std::function<std::uint64_t()> clock_;
    std::function<void()> between_;
};

// The deck and the pile.
void newdeck(MatchState &match, Shuffler &shuffler);
// Turns the pile under the top card into a new deck; the top card stays.
void reshuffle(MatchState &match, Shuffler &shuffler);
// One card from the deck into the first empty place of hand `column`, the deck
// refilled from the pile the moment its last card is taken. Returns the place
// it went to, or 0 when none was taken (a full hand, or nothing to draw).
int drawcard(MatchState &match, int column, Shuffler &shuffler);

// The deal: card k (1 to 7) of hand `column` from its fixed place of the
// deck, then the pile's first card turned up from place 15.
void dealcard(MatchState &match, int k, int column);
void turnuppile(MatchState &match);
// A new round's empty table (the scores and the round stay).
void clearround(MatchState &match);

// The places of hand `column` that may be played on the pile, in place order.
std::vector<int> playableplaces(const MatchState &match, int column);
// The card in `place` goes on the pile; an eight names `suit`.
void playcard(MatchState &match, int column, int place, char suit);
// The pile's top card goes on the record by its real code (the eight itself).
void recordtopcard(MatchState &match);
// Moves the cards of hand `column` to places 1..n, in their order.
void packhand(MatchState &match, int column);

// The place the computer plays from, 0 to draw; the same rule serves hand
// `column` when another side plays by it.
int computerchoice(const MatchState &match, int column = kComputer);
// The suit the computer names with an eight (or hand `column`, by the same rule).
char computersuit(const MatchState &match, int column = kComputer);

// Penalty points of a card left in a hand at the end of a round.
int cardpoints(const Card &card);
// The round is over: every card left counts against its holder, and the round count goes on.
void scoreround(MatchState &match);
// Whether the fifth round has been scored.
bool matchover(const MatchState &match);
// A new match: round 1, no points.
void clearmatch(MatchState &match);

} // namespace wildcrest
