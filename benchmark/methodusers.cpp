// SPDX-License-Identifier: GPL-3.0-or-later
// The scanning methods against simulated switch users on the virtual clock. A
// user aims at a card chosen at random among the playable ones (and a random
// suit for an eight) and reacts to what is on show after a reaction time drawn
// from a normal distribution: step moves with switch 1 and takes with switch 2,
// step-dwell presses to move and waits on the card it wants, inverse holds and
// lets go on it. The user with involuntary presses also presses switch 1 at
// random moments, on average once in 5 s, whatever is on show. Every user is
// committed to a press 0.2 s before it lands: a change on the table before
// then makes the user look again, one after it is too late.
#include "methodusers.h"

#include "cards/card.h"
#include "cards/random.h"
#include "game/gameform.h"
#include "player/scanroom.h"
#include "settings/speeds.h"
#include "table/headless/headlessview.h"
#include "table/layout.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

namespace wildcrest::simulation
{

using namespace std::chrono_literals;

namespace
{

    // The methods whose users are simulated here, by their value of scan-method.
    enum class ScanMethodName { Auto, Step, StepDwell, Inverse };
    const char *optionValue(ScanMethodName m)
    {
        constexpr const char *values[] = { "auto", "step", "step-dwell", "inverse" };
        return values[int(m)];
    }

    struct Person {
        const char *name;
        double meanSeconds;
        double spreadSeconds;
        double involuntaryPerSecond;
    };

    struct Tally {
        long choices = 0; // cards and suits taken
        long intended = 0; // of those, the ones aimed at
        long turns = 0;
        double turnSeconds = 0;
    };

    // How long before a press the user is committed to it: a change on the
    // table before then is seen in time, one after it is not.
    constexpr Moment kCommit = std::chrono::milliseconds(200);

    Moment seconds(double s)
    {
        return Moment(std::int64_t(s * 1e6));
    }

    Tally play(const Person &who, ScanMethodName method, long turnsWanted, std::uint64_t seed)
    {
        SimulatedGame simulated(seed);
        HeadlessView &view = simulated.view;
        GameForm &game = simulated.game;
        simulated.scan.settings.scanMethod = optionValue(method);
        simulated.scan.settings.secondSwitch = SecondSwitch { SecondSwitch::Kind::Enter, 0, {} };
        std::mt19937_64 rng(seed * 31 + 7);
        std::normal_distribution<double> reaction(who.meanSeconds, who.spreadSeconds);
        const auto react = [&] { return seconds(std::max(0.05, reaction(rng))); };
        const auto press = [&](Moment at, int which, Moment held = 0ms) {
            view.switchAt({ which, true, at });
            view.switchAt({ which, false, at + held });
        };
        if (who.involuntaryPerSecond > 0) {
            std::exponential_distribution<double> gap(who.involuntaryPerSecond);
            for (Moment t = seconds(gap(rng)); t < std::chrono::hours(24 * 30); t += seconds(gap(rng)))
                press(t, 1, 100ms);
        }

        Tally tally;
        Card target;
        char suit = 0;
        std::string lastKey; // what was on show when the user last looked, and since when
        Moment turnStart {};
        bool holding = false;
        Moment ownPress {}; // the user's own press to a wait, until it has come
        const auto playable = [&] {
            std::vector<Card> cards;
            for (int i = 1; i <= kHandPlaces; ++i)
                if (playableOn(game.match.hand[i][kPlayer], game.match.curcard))
                    cards.push_back(game.match.hand[i][kPlayer]);
            return cards;
        };
        // What is on show, and a key that changes whenever it is shown anew.
        const auto look = [&](std::string &shown, std::string &key) {
            shown.clear();
            key.clear();
            const std::string &picture = view.state(Image45).picture;
            // A suit on offer shows its eight's own picture ("8H.BMP"), not a card's face.
            if (view.state(Shape2).visible && picture.size() >= 6 && picture.compare(picture.size() - 4, 4, ".BMP") == 0) {
                shown = std::string("suit ") + picture[picture.size() - 5];
                key = shown + "@" + std::to_string(view.state(Image45).pictureSets);
            }
            if (view.state(Shape2).visible)
                return; // the eight stays lifted while its suit is named
            for (int k = 1; k <= kHandPlaces; ++k)
                if (view.top(playerslot(k)) == playerslotRect(k).top - kLift && !game.match.hand[k][kPlayer].empty()) {
                    shown = game.match.hand[k][kPlayer].code();
                    key = shown + "@" + std::to_string(view.state(playerslot(k)).movedAt.count());
                }
        };
        // The user acts `after` from now on what is on show; up to kCommit before
        // the act, a change of what is on show stops it and the user looks again.
        const auto aimed = [&](Moment after, const std::string &key, std::function<void(Moment)> act) {
            const Moment at = view.now() + after;
            view.at(std::max(view.now(), at - kCommit), [&, at, key, act] {
                std::string shownNow, keyNow;
                look(shownNow, keyNow);
                if (keyNow == key)
                    act(at);
                else
                    lastKey.clear();
            });
        };
        view.onWait([&](HeadlessView &v, Moment deadline) {
            if (v.state(Image49).visible || v.state(Image48).visible)
                return; // a card travelling
            const bool players = v.state(Label2).backColour == kRed && !v.state(Frame1).visible;
            std::string shown;
            std::string key;
            look(shown, key);
            // Step-dwell and inverse scanning offer nothing until the press that
            // starts a choice, though the pile shows the eight taken as hearts.
            if (deadline == Moment::max() && (method == ScanMethodName::StepDwell || method == ScanMethodName::Inverse)) {
                shown.clear();
                key.clear();
            }
            if (v.state(Shape2).visible && !suit)
                suit = "HSDC"[rng() % 4];
            // The player aims once the scan starts: at the first offer, or at the wait for the first press.
            if (players && target.empty() && (!shown.empty() || deadline == Moment::max()) && !playable().empty()) {
                const auto cards = playable();
                target = cards[rng() % cards.size()];
                turnStart = v.now();
            }
            const std::string wanted = v.state(Shape2).visible ? std::string("suit ") + suit : target.code();
            if (shown.empty()) {
                // Nothing on show: a wait for a key, or the start of a scan that waits for the first press.
                if (deadline != Moment::max() || v.now() < ownPress)
                    return;
                const bool scanStart = players && (!target.empty() || v.state(Shape2).visible);
                if (method == ScanMethodName::Inverse && scanStart) {
                    if (!holding) {
                        holding = true;
                        ownPress = v.now() + react();
                        v.switchAt({ 1, true, ownPress });
                    }
                    return;
                }
                ownPress = v.now() + (players ? react() : 300ms);
                press(ownPress, 1);
                return;
            }
            if (key == lastKey)
                return;
            lastKey = key;
            const bool onTarget = shown == wanted;
            const auto tap = [&](int which) { return [&press, which](Moment at) { press(at, which); }; };
            switch (method) {
            case ScanMethodName::Step:
                aimed(react(), key, tap(onTarget ? 2 : 1));
                break;
            case ScanMethodName::StepDwell:
                if (!onTarget)
                    aimed(react(), key, tap(1));
                break;
            case ScanMethodName::Inverse:
                if (onTarget && holding)
                    aimed(react(), key, [&](Moment at) {
                        view.switchAt({ 1, false, at });
                        holding = false;
                    });
                break;
            case ScanMethodName::Auto:
                if (onTarget)
                    aimed(react(), key, tap(1));
                break;
            }
        });
        game.onTurnEnd([&](const GameForm &g) {
            const bool players = view.state(Label2).backColour == kRed;
            if (players && !target.empty() && g.reset != kTrue) {
                bool stillHeld = false;
                for (int i = 1; i <= kHandPlaces; ++i)
                    stillHeld = stillHeld || g.match.hand[i][kPlayer] == target;
                ++tally.choices;
                tally.intended += !stillHeld;
                if (target.isEight() && !stillHeld) {
                    ++tally.choices;
                    tally.intended += g.match.curcard.suit() == suit;
                }
                ++tally.turns;
                tally.turnSeconds += std::chrono::duration<double>(view.now() - turnStart).count();
            }
            if (players) {
                target.clear();
                suit = 0;
                lastKey.clear();
                if (holding)
                    view.switchAt({ 1, false, view.now() });
                holding = false;
            }
            if (tally.turns >= turnsWanted)
                view.closeAt(view.now());
        });
        try {
            game.load();
            game.activate();
        } catch (const GameEnded &) {
        }
        return tally;
    }

    const char *methodName(ScanMethodName m)
    {
        switch (m) {
        case ScanMethodName::Step:
            return "step, 2 switches";
        case ScanMethodName::StepDwell:
            return "step-dwell 2.0 s";
        case ScanMethodName::Inverse:
            return "inverse 2.0 s";
        case ScanMethodName::Auto:
            break;
        }
        return "fixed 2.0 s";
    }

} // namespace

long printMethodRows(long turns)
{
    long shortRows = 0;
    const Person people[] = {
        { "quick (0.6 s +/- 0.15)", 0.6, 0.15, 0 },
        { "slow (1.8 s +/- 0.4)", 1.8, 0.4, 0 },
        { "involuntary, 1 per 5 s", 0.6, 0.15, 0.2 },
    };
    for (const Person &p : people) {
        for (ScanMethodName m : { ScanMethodName::Step, ScanMethodName::StepDwell, ScanMethodName::Inverse, ScanMethodName::Auto }) {
            if (m == ScanMethodName::Auto && p.involuntaryPerSecond == 0)
                continue; // the rows above have it
            const Tally t = play(p, m, turns, 2026);
            shortRows += t.turns < turns;
            std::printf("| %-22s | %-16s | %5ld | %7ld | %7.1f %% | %22.2f |\n",
                p.name,
                methodName(m),
                t.turns,
                t.choices,
                t.choices ? 100.0 * double(t.intended) / double(t.choices) : 0.0,
                t.turns ? t.turnSeconds / double(t.turns) : 0.0);
        }
    }
    return shortRows;
}

} // namespace wildcrest::simulation
