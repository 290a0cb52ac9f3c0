// SPDX-License-Identifier: GPL-3.0-or-later
// wildcrest-sim: plays whole matches headless on the virtual clock and prints
// the state after every turn as one JSON line. See the README for its input.
#include "statejson.h"
#include "switchuser.h"

#include "computer/strategy.h"
#include "save/savefile.h"
#include "settings/speeds.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>

using namespace wildcrest;
using namespace wildcrest::simulation;
using namespace std::chrono_literals;

namespace
{

struct Options {
    std::uint64_t seed = 1;
    long matches = 1;
    std::string randFile;
    std::string scriptFile;
    std::string computer = "standard";
    std::string player; // a player who presses as a strategy of that level would play
    std::string keep; // a folder: the save after every turn N goes to turn-N.save there
    std::string resume; // a save to go on from, its turns numbered on from turnsBefore
    long turnsBefore = 0;
    bool clockless = false; // the shuffles take no clock readings
};

// The seeded generator alone: a match stopped and resumed on another virtual
// clock shuffles as it would have without the stop.
class Clockless : public RandomSource
{
public:
    explicit Clockless(std::uint64_t seed)
        : inner_(seed)
    {
    }
    std::int32_t rand(std::int32_t low, std::int32_t high) override
    {
        return inner_.rand(low, high);
    }
    void reseed(std::uint64_t) override
    {
    }
    State state() const override
    {
        return inner_.state();
    }
    void restore(const State &state) override
    {
        inner_.restore(state);
    }

private:
    ClockFoldedRandom inner_;
};

// Every turn's save in a file of its own.
class TurnSaves : public MatchKeeper
{
public:
    TurnSaves(std::string folder, const long &turn, std::string computer)
        : folder_(std::move(folder))
        , turn_(turn)
        , computer_(std::move(computer))
    {
    }
    void keep(const SavedMatch &turn) override
    {
        saved_ = turn;
        saved_.computer = computer_;
        if (const std::string problem = writeWhole(folder_ + "/turn-" + std::to_string(turn_) + ".save", saveText(saved_)); !problem.empty())
            throw std::runtime_error(problem);
    }
    void forget() override
    {
    }

private:
    std::string folder_;
    const long &turn_;
    std::string computer_;
    SavedMatch saved_;
};

[[noreturn]] void usage(const std::string &problem)
{
    std::cerr << "wildcrest-sim: " << problem << "\n"
              << "usage: wildcrest-sim [--seed=N] [--matches=N] [--rand=FILE] [--script=FILE]\n"
              << "                     [--computer=LEVEL] [--player-strategy=LEVEL]   LEVEL: gentle, standard or clever\n"
              << "                     [--keep=FOLDER] [--resume=SAVE --turns-before=N] [--clockless]\n";
    std::exit(2);
}

std::string level(const std::string &name)
{
    if (!makeStrategy(name))
        usage("no level " + name + ": gentle, standard or clever");
    return name;
}

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](const std::string &name) -> std::string { return arg.rfind(name + "=", 0) == 0 ? arg.substr(name.size() + 1) : std::string(); };
        try {
            if (!value("--seed").empty())
                o.seed = std::stoull(value("--seed"));
            else if (!value("--matches").empty())
                o.matches = std::stol(value("--matches"));
            else if (!value("--rand").empty())
                o.randFile = value("--rand");
            else if (!value("--script").empty())
                o.scriptFile = value("--script");
            else if (!value("--computer").empty())
                o.computer = level(value("--computer"));
            else if (!value("--player-strategy").empty())
                o.player = level(value("--player-strategy"));
            else if (!value("--keep").empty())
                o.keep = value("--keep");
            else if (!value("--resume").empty())
                o.resume = value("--resume");
            else if (!value("--turns-before").empty())
                o.turnsBefore = std::stol(value("--turns-before"));
            else if (arg == "--clockless")
                o.clockless = true;
            else
                usage("unknown option " + arg);
        } catch (const std::logic_error &) {
            usage("bad number in " + arg);
        }
    }
    return o;
}

std::deque<std::string> readLines(const std::string &file)
{
    std::ifstream in(file);
    if (!in)
        usage("cannot read " + file);
    std::deque<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// Presses as a script says: for an offer or a suit offer, the line is the number
// of the offer to take; for a key wait any line will do.
Policy scripted(std::deque<std::string> &script, HeadlessView &view)
{
    return [&script, &view](const Situation &s) -> std::optional<Moment> {
        if (s.wait == Wait::Title)
            return 100ms;
        if (s.wait == Wait::Other)
            return std::nullopt;
        if (script.empty()) {
            view.closeAt(view.now());
            return std::nullopt;
        }
        if (s.wait == Wait::Offer || s.wait == Wait::Suit) {
            if (std::stoi(script.front()) != s.offer)
                return std::nullopt;
        }
        script.pop_front();
        return s.wait == Wait::Offer || s.wait == Wait::Suit ? 1ms : 200ms;
    };
}

// A player who takes the card `strategy` chooses for the player's hand, and
// names the suit it would name; it is asked once a choice, at its first offer.
Policy playingBy(Strategy &strategy, const GameForm &game)
{
    auto wanted = std::make_shared<Card>();
    return [&strategy, &game, wanted](const Situation &s) -> std::optional<Moment> {
        switch (s.wait) {
        case Wait::Offer:
            if (s.offer == 1)
                *wanted = game.match.hand[strategy.choose(game.match, kPlayer)][kPlayer];
            return s.card == *wanted ? std::optional(1ms) : std::nullopt;
        case Wait::Suit:
            if (s.offer == 1)
                *wanted = Card('8', strategy.suit(game.match, kPlayer));
            return "HSDC"[(s.offer - 1) % 4] == wanted->suit() ? std::optional(1ms) : std::nullopt;
        case Wait::Other:
            return std::nullopt;
        default:
            return 100ms;
        }
    };
}

// A player who takes a random offer at a random moment within it.
Policy randomPlayer(std::mt19937_64 &rng)
{
    return [&rng](const Situation &s) -> std::optional<Moment> {
        std::uniform_int_distribution<int> percent(0, 99);
        std::uniform_int_distribution<long> within(0, std::chrono::duration_cast<std::chrono::microseconds>(kPacingDelay).count() - 1);
        switch (s.wait) {
        case Wait::Offer:
        case Wait::Suit:
            if (percent(rng) < 40)
                return std::min(Moment(within(rng)), s.deadline - s.now - 1us);
            return std::nullopt;
        case Wait::Other:
            return std::nullopt;
        default:
            return Moment(100000 + within(rng) / 4);
        }
    };
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    std::deque<std::int32_t> rolls;
    if (!options.randFile.empty())
        for (const std::string &line : readLines(options.randFile))
            rolls.push_back(std::stoi(line));
    std::deque<std::string> script;
    if (!options.scriptFile.empty())
        script = readLines(options.scriptFile);

    HeadlessView view;
    view.setTimeLimit(std::chrono::hours(24) * std::max(1L, options.matches)); // a day of play for each match at the most
    ListedRandom listed(rolls, options.seed);
    Clockless clockless(options.seed);
    RandomSource &random = options.clockless ? static_cast<RandomSource &>(clockless) : listed;
    GameForm game(view, random);
    std::string computer = options.computer;
    game.computer().playBy(makeStrategy(computer));
    if (!options.resume.empty()) {
        const FoundSave found = findSave(options.resume, std::chrono::system_clock::now());
        if (!found.saved)
            usage(found.message.empty() ? "no save " + options.resume : found.message);
        game.resume(*found.saved); // at its level, with its memory
        computer = found.saved->computer;
    }
    const std::unique_ptr<Strategy> playerStrategy = makeStrategy(options.player);
    std::mt19937_64 rng(options.seed);
    const Policy policy = !options.scriptFile.empty() ? scripted(script, view) : playerStrategy ? playingBy(*playerStrategy, game) : randomPlayer(rng);
    std::array<long, 3> won {}; // by the player, by the computer, tied
    SwitchUser user(view, game, [&](const Situation &s) {
        if (s.wait == Wait::MatchEnd)
            ++won[view.state(Label6).visible ? 0 : view.state(Label7).visible ? 1 : 2];
        return policy(s);
    });

    long turn = options.turnsBefore;
    long matches = 0;
    std::optional<TurnSaves> saves;
    if (!options.keep.empty())
        game.keepWith(saves.emplace(options.keep, turn, computer));
    game.onTurnEnd([&](const GameForm &g) {
        user.turnEnded();
        std::cout << stateJson(g, view, ++turn) << "\n";
        if (g.reset == kTrue && g.match.gamecount == 1 && ++matches >= options.matches)
            view.closeAt(view.now());
    });
    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
        std::cerr << "matches won: player " << won[0] << ", computer " << won[1] << ", tied " << won[2] << "\n";
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "wildcrest-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
