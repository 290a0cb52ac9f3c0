// SPDX-License-Identifier: GPL-3.0-or-later
// wildcrest-soak: plays match after match headless, with a simulated switch
// user whose presses come at random moments (long silences, one press an
// offer, storms of presses during animations and waits), and checks the game's
// invariants after every turn. A failing match prints the seed that replays it.
#include "invariants.h"
#include "statejson.h"
#include "switchuser.h"

#include "app/speeds.h"
#include "table/layout.h"

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

using namespace wildcrest;
using namespace wildcrest::simulation;
using namespace std::chrono_literals;

namespace
{

struct Options {
    std::uint64_t seed = 1;
    long matches = 2000;
    bool verbose = false;
};

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        try {
            if (arg.rfind("--seed=", 0) == 0)
                o.seed = std::stoull(arg.substr(7));
            else if (arg.rfind("--matches=", 0) == 0)
                o.matches = std::stol(arg.substr(10));
            else if (arg == "--verbose")
                o.verbose = true;
            else
                throw std::invalid_argument(arg);
        } catch (const std::logic_error &) {
            std::cerr << "wildcrest-soak: bad option " << arg << "\nusage: wildcrest-soak [--seed=N] [--matches=N] [--verbose]\n";
            std::exit(2);
        }
    }
    return o;
}

enum class Mood { Calm, Idle, Storm };

// A switch user of changing moods.
class RandomUser
{
public:
    explicit RandomUser(std::uint64_t seed)
        : rng_(seed)
    {
    }

    std::optional<Moment> decide(const Situation &s, HeadlessView &view)
    {
        if (chance(8))
            mood_ = Mood(std::uniform_int_distribution<int>(0, 2)(rng_));
        if (mood_ == Mood::Storm && chance(60))
            storm(view);
        switch (s.wait) {
        case Wait::Other:
            return std::nullopt;
        case Wait::Offer:
        case Wait::Suit:
            if (mood_ == Mood::Idle || !chance(35))
                return std::nullopt;
            return std::min(between(0us, kPacingDelay), s.deadline - s.now - 1us);
        default:
            return mood_ == Mood::Idle ? between(1min, 30min) : between(50ms, 3s);
        }
    }

private:
    bool chance(int percent)
    {
        return std::uniform_int_distribution<int>(0, 99)(rng_) < percent;
    }
    Moment between(Moment low, Moment high)
    {
        return Moment(std::uniform_int_distribution<long long>(low.count(), high.count())(rng_));
    }
    // Many presses at once, as a bouncing switch or an impatient hand makes them.
    void storm(HeadlessView &view)
    {
        const int presses = std::uniform_int_distribution<int>(5, 200)(rng_);
        for (int i = 0; i < presses; ++i)
            view.pressAt(view.now() + between(0us, 600ms), 'a' + i % 26);
        stormPresses += presses;
    }

public:
    long stormPresses = 0;

private:
    std::mt19937_64 rng_;
    Mood mood_ = Mood::Calm;
};

struct Tally {
    long turns = 0;
    long checks = 0;
    long presses = 0;
};

int penalties(const HeadlessView &view, Control (*slot)(int))
{
    int points = 0;
    for (int k = 1; k <= kHandPlaces; ++k) {
        const std::string &path = view.state(slot(k)).picture;
        const std::string file = path.substr(path.find_last_of('/') + 1);
        if (file != "Empty.bmp" && file != "Back.bmp")
            points += cardpoints(file.substr(0, 2));
    }
    return points;
}

// Plays one whole match and the deal of the next; returns the broken invariants.
std::vector<std::string> playMatch(std::uint64_t seed, bool verbose, Tally &tally)
{
    HeadlessView view;
    view.setReadingCost(1ms);
    view.setYieldCost(1us);
    view.setTimeLimit(std::chrono::hours(24 * 7));
    ClockFoldedRandom random(seed);
    GameForm game(view, random, "/game");
    RandomUser mind(seed * 7919 + 17);
    InvariantReport report;

    int expectedPlayer = 0, expectedComputer = 0, rounds = 0;
    bool matchOver = false, done = false;
    // A round is scored when the totals change; at the next yield both hands
    // still lie face up on the table, whatever the player presses meanwhile.
    std::pair<std::string, std::string> totalsShown { "0", "0" };
    view.onCall([&](const HeadlessView &v) {
        const std::pair<std::string, std::string> shown { v.state(Label4).caption, v.state(Label5).caption };
        if (shown == totalsShown)
            return;
        totalsShown = shown;
        if (matchOver && shown == std::pair<std::string, std::string> { "0", "0" })
            return;
        ++rounds;
        expectedPlayer += penalties(v, playerslot);
        expectedComputer += penalties(v, cpuslot);
        const bool shownResult[] = { v.state(Label6).visible, v.state(Label7).visible, v.state(Label15).visible };
        const bool dueResult[] = { rounds == 5 && expectedPlayer < expectedComputer,
            rounds == 5 && expectedComputer < expectedPlayer,
            rounds == 5 && expectedPlayer == expectedComputer };
        for (int i = 0; i < 3; ++i)
            report.expect(shownResult[i] == dueResult[i], "after round " + std::to_string(rounds) + " result label " + std::to_string(i) + " is wrong");
        matchOver = rounds == 5;
    });
    SwitchUser user(view, game, [&](const Situation &s) { return mind.decide(s, view); });

    game.onTurnEnd([&](const GameForm &g) {
        user.turnEnded();
        ++tally.turns;
        if (verbose)
            std::cout << stateJson(g, view, tally.turns) << "\n";
        checkCards(g, view, report);
        checkTable(view, report);
        report.expect(g.gamecount >= 1 && g.gamecount <= 5, "gamecount is " + std::to_string(g.gamecount));
        if (matchOver) {
            report.expect(g.reset == kTrue && g.gamecount == 1 && g.playerscore == 0 && g.cpuscore == 0, "the new match did not start afresh");
            report.expect(view.state(Label1).caption == "Round: 1 of 5", "the new match reads " + view.state(Label1).caption);
            done = true;
            view.closeAt(view.now());
        } else {
            report.expect(g.playerscore == expectedPlayer && g.cpuscore == expectedComputer,
                "totals " + std::to_string(g.playerscore) + "/" + std::to_string(g.cpuscore) + " against rounds' penalties " + std::to_string(expectedPlayer)
                    + "/" + std::to_string(expectedComputer));
        }
    });

    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
    } catch (const std::exception &e) {
        report.expect(false, std::string("the game threw: ") + e.what());
    }
    report.expect(done, "the match did not end within a week of play");
    tally.checks += report.checks;
    tally.presses += user.presses() + mind.stormPresses;
    return report.failures;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    Tally tally;
    long failed = 0;
    for (long m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + std::uint64_t(m);
        const std::vector<std::string> failures = playMatch(seed, options.verbose, tally);
        if (failures.empty())
            continue;
        ++failed;
        std::cout << "match with seed " << seed << " failed (replay: wildcrest-soak --seed=" << seed << " --matches=1 --verbose):\n";
        for (std::size_t i = 0; i < failures.size() && i < 10; ++i)
            std::cout << "  " << failures[i] << "\n";
    }
    std::cout << "soaked " << options.matches << " matches from seed " << options.seed << ": " << tally.turns << " turns, " << tally.presses << " presses, "
              << tally.checks << " invariant checks\n";
    std::cout << (options.matches - failed) << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
