// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"
#include "switchuser.h"

#include <map>
#include <random>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace wildcrest::simulation;

namespace
{

// Where the game was when it ended, read off the table.
std::string phaseOf(const HeadlessView &view, const GameForm &game)
{
    if (view.state(Frame1).visible)
        return "title";
    if (view.state(Shape2).visible)
        return "suit choice";
    if (view.state(Image48).visible || view.state(Image49).visible || view.left(Image46) != 7560 || view.top(Image46) != 4200)
        return "animation";
    for (int k = 1; k <= kHandPlaces; ++k)
        if (view.top(playerslot(k)) == playerslotRect(k).top - kLift)
            return "hold";
    if (game.match.deckplace == 0)
        return "shuffle";
    if (game.match.hand[1][kPlayer].empty() || game.match.hand[1][kComputer].empty() || view.state(Label6).visible || view.state(Label7).visible
        || view.state(Label15).visible)
        return "round end";
    if (view.state(Label3).backColour == kRed)
        return "computer's turn";
    return "between turns";
}

// One game of a fixed seed and a fixed player, ended at its n-th yield or wait
// (never, with n = 0). Returns the number of calls it made.
struct Ending {
    bool ended = false;
    long calls = 0;
    std::string phase;
    std::int16_t hitkey = 0;
};

Ending play(long n, int key, std::vector<std::string> *phases = nullptr)
{
    HeadlessView view;
    view.setYieldCost(1us);
    ClockFoldedRandom random(2024);
    GameForm game(view, random);
    std::mt19937 rng(99);
    SwitchUser user(view, game, [&](const Situation &s) -> std::optional<Moment> {
        if (s.wait == Wait::Other)
            return std::nullopt;
        if (s.wait == Wait::Offer || s.wait == Wait::Suit)
            return rng() % 3 == 0 ? std::optional<Moment>(Moment(rng() % 1900000)) : std::nullopt;
        return 400ms;
    });
    int turns = 0;
    game.onTurnEnd([&](const GameForm &) {
        user.turnEnded();
        if (++turns == 40)
            view.closeAt(view.now() + 1h); // enough: later than any ending tried
    });
    if (n > 0)
        view.endAtCall(n, key);
    if (phases)
        view.onCall([&](const HeadlessView &v) { phases->push_back(phaseOf(v, game)); });
    Ending e;
    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
        e.ended = true;
    }
    e.calls = view.calls();
    e.phase = phaseOf(view, game);
    return e;
}

} // namespace

TEST(EscapeAnywhere, EscOrTheCloseBoxEndsTheGameAtOnceWhereverItIs)
{
    // First the whole game, noting what it was doing at every yield and wait.
    std::vector<std::string> phaseAt;
    const Ending whole = play(0, 27, &phaseAt);
    ASSERT_TRUE(whole.ended);
    ASSERT_GT(whole.calls, 10000);
    std::map<std::string, std::vector<long>> callsIn;
    for (std::size_t i = 0; i < phaseAt.size(); ++i)
        callsIn[phaseAt[i]].push_back(long(i) + 1);

    // Then the same game again and again, ended at random moments of every kind.
    std::mt19937_64 rng(7);
    std::map<std::string, int> tried;
    for (const char *phase : { "title", "shuffle", "animation", "hold", "suit choice", "computer's turn", "round end", "between turns" }) {
        const std::vector<long> &calls = callsIn[phase];
        ASSERT_FALSE(calls.empty()) << "the game never went through " << phase;
        for (int i = 0; i < 40; ++i) {
            const long n = calls[rng() % calls.size()];
            const int key = i % 2 ? 27 : 0;
            const Ending e = play(n, key);
            ASSERT_TRUE(e.ended) << "call " << n;
            EXPECT_EQ(e.calls, n) << "the game went on after " << (key ? "Esc" : "the close box") << " during " << phase << " at call " << n;
            EXPECT_EQ(e.phase, phase);
            ++tried[phase];
        }
    }
    EXPECT_EQ(tried.size(), 8u);
}

TEST(EscapeAnywhere, EscDuringTheCalibrationEndsAtTheFirstYieldAfterIt)
{
    // The calibration reads the clock without yielding: the key waits in the queue.
    for (Moment at : { Moment(0s), Moment(1s), Moment(2500ms) }) {
        HeadlessView view;
        ClockFoldedRandom random(1);
        GameForm game(view, random);
        view.pressAt(at, 27);
        EXPECT_THROW(
            {
                game.load();
                game.activate();
            },
            GameEnded);
        EXPECT_EQ(view.calls(), 1);
        EXPECT_TRUE(view.state(Frame1).visible);
        EXPECT_GT(game.delayvalue, 0);
    }
}
