// SPDX-License-Identifier: GPL-3.0-or-later
// wildcrest-soak: plays match after match headless, each with a way to play
// drawn from its seed (a scanning method, scan loops, debounce and acceptance,
// the long-press menu) and a simulated switch user of changing moods (long
// silences, presses timed to the offers, storms, bounces, long holds that open
// the menu), and checks the game's invariants after every turn. About one
// table in four seats a second player with a switch at the top hand, with a
// simulated user of their own; each user also presses out of turn. A failing
// match prints the seed that replays it; the figures are given per method.
// Some matches are stopped at a turn drawn from their seed and resumed from
// the save that turn left, in a game started afresh, under the same checks.
#include "invariants.h"
#include "statejson.h"
#include "switchuser.h"
#include "waystoplay.h"

#include "computer/strategy.h"

#include "player/scanroom.h"
#include "save/matchkeeper.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
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

struct Tally {
    long matches = 0;
    long turns = 0;
    long checks = 0;
    long presses = 0;
    long menus = 0;
    long speedChanges = 0;
    long outOfTurn = 0;
    long handovers = 0;
    long failed = 0;
    long resumed = 0;

    Tally &operator+=(const Tally &t)
    {
        matches += t.matches;
        turns += t.turns;
        checks += t.checks;
        presses += t.presses;
        menus += t.menus;
        speedChanges += t.speedChanges;
        outOfTurn += t.outOfTurn;
        handovers += t.handovers;
        failed += t.failed;
        resumed += t.resumed;
        return *this;
    }
};

int penalties(const HeadlessView &view, Control (*slot)(int))
{
    int points = 0;
    for (int k = 1; k <= kHandPlaces; ++k) {
        points += cardpoints(view.state(slot(k)).shown.card);
    }
    return points;
}

// The last turn's save, read back from its text as a start would read it.
class LastSave : public MatchKeeper
{
public:
    void keep(const SavedMatch &turn) override
    {
        SavedMatch at = turn;
        at.computer = level;
        const SaveReading reading = readSave(saveText(at));
        saved = reading.saved;
        problem = reading.problem;
    }
    void forget() override
    {
        saved.reset();
    }
    std::string level; // the computer's
    std::optional<SavedMatch> saved;
    std::string problem;
};

// Where one run of a match starts and stops: from the deal or from a save,
// and at the end of the match or of turn `stopAfter`, its save then in `kept`.
struct Stretch {
    const SavedMatch *from = nullptr;
    long stopAfter = 0; // 0: play to the match's end
    LastSave kept;
};

// Plays one whole match and the deal of the next (or the stretch of it that
// `stretch` names); returns the broken invariants.
std::vector<std::string> playMatch(std::uint64_t seed, const WayToPlay &way, bool verbose, Tally &tally, Stretch &stretch)
{
    std::mt19937_64 wayRandom(seed * 15485863 + 5); // who goes on where either may
    HeadlessView view;
    view.setReadingCost(1ms);
    view.setYieldCost(1us);
    view.setTimeLimit(std::chrono::hours(24 * 7));
    ClockFoldedRandom random(seed);
    // The default way sets nothing: the game makes its own scanning room.
    std::optional<ScanRoom> scan;
    if (way.method != Method::Default)
        scan.emplace(view, way.settings);
    GameForm game = scan ? GameForm(view, random, *scan) : GameForm(view, random);
    game.computer().playBy(makeStrategy(way.computer));
    // A second player at the top hand, with a scanning room and a user of their own.
    std::optional<ScanRoom> secondScan;
    const Seating seating { way.second.has_value(), way.second && way.second->handover };
    if (way.second) {
        secondScan.emplace(view, way.second->settings);
        game.seatSecondPlayer(*secondScan, way.second->handover);
        if (way.names != WayToPlay::Names::None)
            game.nameSides(way.names == WayToPlay::Names::Both ? "Sam" : "", "Alex");
        game.narrate(way.narration);
    }
    std::array<std::optional<WayUser>, 2> minds;
    minds[0].emplace(seed * 7919 + 17, way.method, way.settings, game.scan());
    if (way.second)
        minds[1].emplace(seed * 7919 + 29, way.second->method, way.second->settings, *secondScan, 1);
    WayUser &mind = *minds[0];
    InvariantReport report;

    int expectedPlayer = 0, expectedComputer = 0, rounds = 0;
    bool matchOver = false, done = false;
    stretch.kept.level = way.computer;
    game.keepWith(stretch.kept);
    // A resumed match: the totals so far, shown once the table is laid.
    bool laid = true;
    if (stretch.from) {
        game.resume(*stretch.from);
        expectedPlayer = stretch.from->match.playerscore;
        expectedComputer = stretch.from->match.cpuscore;
        rounds = stretch.from->match.gamecount - 1;
        laid = false;
    }
    Card pileBefore; // the pile's card when the turn began
    HandCards handsBefore; // and the hands
    // A round is scored when the totals change; at the next yield both hands
    // still lie face up on the table, whatever the player presses meanwhile.
    std::pair<std::string, std::string> totalsShown { "0", "0" };
    // The menu stands on the table only when the way to play has it; the speed
    // items taken there are counted as the scan time changes under it.
    bool menuShown = false;
    Moment speedInMenu {};
    // With handover: the seat whose line "NAME's turn: press when ready" is up, and since when.
    int handoverSeat = -1;
    Moment handoverFrom {}, turnFrom {};
    const std::string ready = "'s turn: press when ready";
    // The name the table gives each seat in the handover line and the narration.
    const auto plate = [&](int seat) -> std::string {
        if (seat == 0)
            return way.names == WayToPlay::Names::Both ? "Sam" : "You";
        return way.names != WayToPlay::Names::None ? "Alex" : "Computer";
    };
    const auto watchHandover = [&](const HeadlessView &v) {
        const ControlState &sign = v.state(Label18);
        if (!sign.visible && handoverSeat < 0)
            return;
        const std::string &line = sign.caption;
        const bool up = sign.visible && line.size() >= ready.size() && line.compare(line.size() - ready.size(), ready.size(), ready) == 0;
        if (up && handoverSeat < 0) {
            handoverSeat = v.state(Label3).backColour == kRed ? 1 : 0;
            handoverFrom = v.now();
            ++tally.handovers;
            report.expect(seating.handover, "a handover line with handover off");
            // An unnamed bottom player is still named by some word ("You" in the narration).
            const bool unnamedBottom = handoverSeat == 0 && way.names != WayToPlay::Names::Both;
            report.expect(unnamedBottom ? line.size() > ready.size() : line == plate(handoverSeat) + ready,
                "the handover line of seat " + std::to_string(handoverSeat) + " reads \"" + line + "\"");
        }
        if (up) { // no hand shows its faces before its player presses
            std::string faces;
            for (int k = 1; k <= kHandPlaces; ++k)
                for (Control c : { playerslot(k), cpuslot(k) })
                    if (v.state(c).shown.kind == Picture::Kind::Face)
                        faces += " " + c.name();
            report.expect(faces.empty(), "faces show during the handover:" + faces);
        } else if (handoverSeat >= 0) { // it ended by a press of that seat's own switch
            const Moment acceptance = (handoverSeat == 0 ? way.settings : way.second->settings).acceptance;
            report.expect(minds[std::size_t(handoverSeat)]->pressedWithin(handoverFrom - acceptance - 1ms, v.now()),
                "the handover of seat " + std::to_string(handoverSeat) + " ended with no press of its own");
            turnFrom = v.now();
            handoverSeat = -1;
        }
    };
    view.onCall([&](const HeadlessView &v) {
        // The menu is the scanning's of the seat whose presses count, the bottom player's where either's do.
        const bool top = game.waits().seat() == 1;
        const auto scantime = [&] { return top ? secondScan->scantime() : game.scantime(); };
        if (v.state(menuitem(1)).visible != menuShown) {
            menuShown = !menuShown;
            report.expect(!menuShown || (top ? way.second->settings : way.settings).longPressMenu, "the menu opened with the long-press menu off");
            speedInMenu = scantime();
        } else if (menuShown && scantime() != speedInMenu) {
            speedInMenu = scantime();
            ++tally.speedChanges;
        }
        watchHandover(v);
        if (!laid) {
            laid = !v.state(Frame1).visible;
            totalsShown = { v.state(Label4).caption, v.state(Label5).caption };
            return;
        }
        if (v.state(Label4).caption == totalsShown.first && v.state(Label5).caption == totalsShown.second)
            return; // compared in place: this runs at every yield
        const std::pair<std::string, std::string> shown { v.state(Label4).caption, v.state(Label5).caption };
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
    // Which seat's scanning runs the wait: the side to move's in a turn, the
    // bottom player's where either may go on; a menu keeps the wait's.
    int owner = 0;
    bool either = true;
    SwitchUser user(view, game, [&](const Situation &s) -> std::optional<Moment> {
        if (s.wait == Wait::Offer)
            checkOffer(game, view, seating, s.seat, report);
        if (!way.second) {
            mind.look(s, view);
            return std::nullopt;
        }
        if (s.wait != Wait::Menu) {
            either = s.wait == Wait::Title || s.wait == Wait::RoundEnd || s.wait == Wait::MatchEnd;
            owner = either ? 0 : s.seat;
        }
        WayUser &own = *minds[std::size_t(owner)], &other = *minds[std::size_t(1 - owner)];
        if (!either)
            other.outOfTurn(view);
        else if (s.wait != Wait::Menu && s.deadline == Moment::max() && view.pendingEvents() == 0 && std::uniform_int_distribution<int>(0, 2)(wayRandom) == 0) {
            other.goOn(view); // the top player goes on this time
            return std::nullopt;
        }
        own.look(s, view);
        return std::nullopt;
    });

    game.onTurnEnd([&](const GameForm &g) {
        const std::size_t failedBefore = report.failures.size();
        user.turnEnded();
        ++tally.turns;
        if (verbose)
            std::cout << stateJson(g, view, tally.turns) << "\n";
        checkCards(g, view, report);
        // Whoever played, at whatever level: the card follows the one it covers.
        if (g.drew != kTrue && g.reset != kTrue && !pileBefore.empty())
            report.expect(playableOn(g.match.curcard, pileBefore), g.match.curcard.code() + " was played on " + pileBefore.code());
        pileBefore = g.match.curcard;
        const int mover = view.state(Label3).backColour == kRed ? kComputer : kPlayer;
        if (g.reset != kTrue && !handsBefore[0].empty()) {
            checkMove(handsBefore, g, mover, report);
            // A draw waits for the press of the side to move; the other's count for nothing.
            if (g.drew == kTrue && (mover == kPlayer || way.second)) {
                const std::size_t seat = mover == kPlayer ? 0 : 1;
                const Moment acceptance = (seat == 0 ? way.settings : way.second->settings).acceptance;
                report.expect(
                    minds[seat]->pressedWithin(turnFrom - acceptance - 1ms, view.now()), "seat " + std::to_string(seat) + " drew with no press of its own");
            }
            if (way.narration) {
                const std::string &line = view.state(NarrationLine).caption;
                const std::string who = plate(mover == kPlayer ? 0 : 1) + " ";
                report.expect(view.state(NarrationLine).visible && line.rfind(who + (g.drew == kTrue ? "drew" : "played"), 0) == 0,
                    "the narration reads \"" + line + "\" after " + who + "moved");
            }
        }
        report.expect(way.narration || view.state(NarrationLine).caption.empty(), "the narration line tells something with the narration off");
        handsBefore = handsOf(g);
        turnFrom = view.now();
        checkHands(g, view, seating, report);
        checkTable(view, report);
        report.expect(g.match.gamecount >= 1 && g.match.gamecount <= 5, "gamecount is " + std::to_string(g.match.gamecount));
        if (matchOver) {
            report.expect(
                g.reset == kTrue && g.match.gamecount == 1 && g.match.playerscore == 0 && g.match.cpuscore == 0, "the new match did not start afresh");
            report.expect(view.state(Label1).caption == "Round: 1 of 5", "the new match reads " + view.state(Label1).caption);
            done = true;
            view.closeAt(view.now());
        } else {
            report.expect(g.match.playerscore == expectedPlayer && g.match.cpuscore == expectedComputer,
                "totals " + std::to_string(g.match.playerscore) + "/" + std::to_string(g.match.cpuscore) + " against rounds' penalties "
                    + std::to_string(expectedPlayer) + "/" + std::to_string(expectedComputer));
        }
        if (stretch.stopAfter == tally.turns)
            view.closeAt(view.now()); // the turn is kept as the loop goes on
        if (failedBefore == 0 && !report.failures.empty()) // the whole table, once, where things first went wrong
            report.failures.push_back("after turn " + std::to_string(tally.turns) + ":\n" + g.match.snapshot());
    });

    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
    } catch (const std::exception &e) {
        report.expect(false, std::string("the game threw: ") + e.what());
    }
    if (stretch.stopAfter > 0 && !done) {
        report.expect(stretch.kept.saved.has_value(), "turn " + std::to_string(stretch.stopAfter) + " left no save: " + stretch.kept.problem);
        return report.failures;
    }
    report.expect(done, "the match did not end within a week of play");
    tally.checks += report.checks;
    for (const std::optional<WayUser> &m : minds)
        if (m) {
            tally.presses += m->presses();
            tally.menus += m->menusOpened();
            tally.outOfTurn += m->outOfTurnPresses();
        }
    return report.failures;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    std::array<Tally, kMethods> tallies {};
    Tally twoPlayers; // the tables with a second player, counted in their bottom player's method too
    for (long m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + std::uint64_t(m);
        std::mt19937_64 wayRandom(seed * 104729 + 3);
        const WayToPlay way = drawWay(wayRandom);
        if (options.verbose)
            std::cout << "way to play: " << way.describe() << "\n";
        Tally &tally = tallies[std::size_t(way.method)];
        Tally match;
        match.matches = 1;
        // One match in five is stopped after a turn drawn from its seed and resumed.
        std::mt19937_64 stopRandom(seed * 7 + 1);
        Stretch first;
        if (std::uniform_int_distribution<int>(0, 4)(stopRandom) == 0)
            first.stopAfter = std::uniform_int_distribution<long>(1, 150)(stopRandom);
        std::vector<std::string> failures = playMatch(seed, way, options.verbose, match, first);
        if (first.stopAfter > 0 && failures.empty() && first.kept.saved) {
            Stretch rest;
            rest.from = &*first.kept.saved;
            ++match.resumed;
            failures = playMatch(seed + 1000003, way, options.verbose, match, rest);
        }
        match.failed = failures.empty() ? 0 : 1;
        tally += match;
        if (way.second)
            twoPlayers += match;
        if (failures.empty())
            continue;
        std::cout << "match with seed " << seed << " (" << way.describe() << ") failed (replay: wildcrest-soak --seed=" << seed << " --matches=1 --verbose):\n";
        for (std::size_t i = 0; i < failures.size() && i < 10; ++i)
            std::cout << "  " << failures[i] << "\n";
    }
    Tally total;
    for (int i = 0; i < kMethods; ++i) {
        const Tally &t = tallies[std::size_t(i)];
        total += t;
        std::cout << "  " << methodName(Method(i)) << ": " << t.matches << " matches, " << t.turns << " turns, " << t.presses << " presses, " << t.menus
                  << " menus opened, " << t.speedChanges << " speed changes in them, " << t.checks << " invariant checks, " << t.failed << " failed\n";
    }
    std::cout << "  two players: " << twoPlayers.matches << " matches, " << twoPlayers.turns << " turns, " << twoPlayers.handovers << " handovers, "
              << twoPlayers.presses << " presses, " << twoPlayers.outOfTurn << " out of turn, " << twoPlayers.checks << " invariant checks, "
              << twoPlayers.failed << " failed\n";
    std::cout << "soaked " << options.matches << " matches from seed " << options.seed << ": " << total.turns << " turns, " << total.presses << " presses, "
              << total.checks << " invariant checks, " << total.resumed << " matches resumed from a save\n";
    std::cout << (options.matches - total.failed) << " passed, " << total.failed << " failed\n";
    return total.failed == 0 ? 0 : 1;
}
