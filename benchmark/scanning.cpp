// SPDX-License-Identifier: GPL-3.0-or-later
// How well the scan fits a player: simulated switch users on the virtual clock,
// one quick and one slow, each aiming at a card chosen at random among the
// playable ones (and at a random suit for an eight), with the fixed 2 s scan
// and with the scan time learnt from their presses.
#include "methodusers.h"
#include "switchuser.h"

#include "settings/speeds.h"

#include <cstdio>
#include <random>
#include <string>

using namespace wildcrest;
using namespace wildcrest::simulation;
using namespace std::chrono_literals;

namespace
{

struct User {
    const char *name;
    double meanSeconds;
    double spreadSeconds;
};

struct Result {
    long presses = 0;
    long intended = 0;
    long turns = 0;
    double turnSeconds = 0;
    Moment learnt { 0 };
};

Result play(const User &who, bool adaptive, long turnsWanted, std::uint64_t seed)
{
    SimulatedGame simulated(seed);
    HeadlessView &view = simulated.view;
    GameForm &game = simulated.game;
    simulated.scan.settings.adaptiveScan = adaptive;
    std::mt19937_64 rng(seed * 31 + 7);
    std::normal_distribution<double> reaction(who.meanSeconds, who.spreadSeconds);
    const auto reactionTime = [&] { return Moment(std::int64_t(std::max(0.05, reaction(rng)) * 1e6)); };

    Result result;
    Card targetCard;
    char targetSuit = 0;
    bool aimed = false;
    std::optional<Moment> turnStart;
    long turnPresses = 0;
    SwitchUser user(view, game, [&](const Situation &s) -> std::optional<Moment> {
        switch (s.wait) {
        case Wait::Offer:
            if (s.offer == 1) {
                std::vector<Card> playable;
                for (int i = 1; i <= kHandPlaces; ++i)
                    if (playableOn(game.match.hand[i][kPlayer], game.match.curcard))
                        playable.push_back(game.match.hand[i][kPlayer]);
                targetCard = playable[rng() % playable.size()];
                aimed = false;
                turnStart = s.now;
            }
            if (!aimed && s.card == targetCard) {
                aimed = true;
                ++turnPresses;
                return reactionTime();
            }
            return std::nullopt;
        case Wait::Suit:
            if (s.offer == 1) {
                targetSuit = "HSDC"[rng() % 4];
                aimed = false;
            }
            if (!aimed && std::string(1, "HSDC"[(s.offer - 1) % 4]) == std::string(1, targetSuit)) {
                aimed = true;
                ++turnPresses;
                return reactionTime();
            }
            return std::nullopt;
        case Wait::Other:
            return std::nullopt;
        default:
            return 300ms;
        }
    });
    game.onTurnEnd([&](const GameForm &g) {
        user.turnEnded();
        if (!turnStart)
            return;
        // The player's half that played: did the card (and the suit) come out as aimed?
        bool stillHeld = false;
        for (int i = 1; i <= kHandPlaces; ++i)
            stillHeld = stillHeld || g.match.hand[i][kPlayer] == targetCard;
        // A turn that ended the round is left out: its hand is dealt anew before it can be read.
        if (g.reset != kTrue) {
            result.presses += turnPresses;
            result.intended += !stillHeld;
            if (targetCard.isEight() && !stillHeld && targetSuit)
                result.intended += g.match.curcard.suit() == targetSuit;
            ++result.turns;
            result.turnSeconds += std::chrono::duration<double>(view.now() - *turnStart).count();
        }
        turnPresses = 0;
        targetSuit = 0;
        turnStart.reset();
        if (result.turns >= turnsWanted)
            view.closeAt(view.now());
    });
    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
    }
    result.learnt = game.scantime();
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    long turns = argc > 1 ? std::stol(argv[1]) : 3000;
    long shortRows = 0; // rows whose user stopped before its turns: the game waited for a press that never came
    const User users[] = { { "quick (0.6 s +/- 0.15)", 0.6, 0.15 }, { "slow (1.8 s +/- 0.4)", 1.8, 0.4 } };
    std::printf("Each row: %ld of the player's turns with cards on offer, seed 2026.\n\n", turns);
    std::printf("| Switch user            | Scan        | Turns | Presses | Intended | Mean time per turn (s) | Scan time reached (s) |\n");
    std::printf("|------------------------|-------------|-------|---------|----------|------------------------|-----------------------|\n");
    for (const User &u : users) {
        for (bool adaptive : { false, true }) {
            const Result r = play(u, adaptive, turns, 2026);
            shortRows += r.turns < turns;
            std::printf("| %-22s | %-11s | %5ld | %7ld | %7.1f %% | %22.2f | %21.2f |\n",
                u.name,
                adaptive ? "auto" : "fixed 2.0 s",
                r.turns,
                r.presses,
                r.presses ? 100.0 * double(r.intended) / double(r.presses) : 0.0,
                r.turns ? r.turnSeconds / double(r.turns) : 0.0,
                std::chrono::duration<double>(r.learnt).count());
        }
    }
    std::printf("\nThe scanning methods, each row %ld of the player's turns, seed 2026; the player with involuntary\n"
                "presses reacts as the quick one and also presses switch 1 at random, once in 5 s on average.\n\n",
        turns);
    std::printf("| Switch user            | Scan             | Turns | Choices | Intended | Mean time per turn (s) |\n");
    std::printf("|------------------------|------------------|-------|---------|----------|------------------------|\n");
    shortRows += printMethodRows(turns);
    if (shortRows == 0)
        return 0;
    std::fprintf(stderr, "%ld rows stopped before their %ld turns: the simulated user waited on a table it misread\n", shortRows, turns);
    return 1;
}
