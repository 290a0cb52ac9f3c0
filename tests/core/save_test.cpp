// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"
#include "switchuser.h"

#include "game/resumeoffer.h"
#include "save/savefile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace wildcrest::simulation;
namespace fs = std::filesystem;

namespace
{

// A player who takes the first card and suit offered and goes on at every key wait.
std::optional<Moment> firstOffer(const Situation &s)
{
    if (s.wait == Wait::Other || s.wait == Wait::Menu)
        return std::nullopt;
    return s.wait == Wait::Offer || s.wait == Wait::Suit ? 1ms : 100ms;
}

std::string fileText(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the table shows of a match: every hand place, the pile and the captions.
std::string tableShown(const HeadlessView &view)
{
    std::string shown;
    for (int k = 1; k <= kHandPlaces; ++k)
        for (Control c : { playerslot(k), cpuslot(k) })
            shown += view.state(c).picture + ' ';
    for (Control c : { Image45, Label1, Label4, Label5, Label16 })
        shown += view.state(c).picture + view.state(c).caption + ' ';
    return shown;
}

class SavedMatches : public GameFixture
{
protected:
    fs::path folder = fs::path(::testing::TempDir()) / ("wildcrest-save-" + std::to_string(::getpid()));
    fs::path file = folder / "match.save";
    std::ostringstream warnings;
    FileKeeper keeper { file.string(), SavedMatch {}, warnings };
    SwitchUser user { view, game, firstOffer };

    void SetUp() override
    {
        fs::remove_all(folder);
        game.keepWith(keeper);
    }
    void TearDown() override
    {
        fs::remove_all(folder);
    }

    // Plays until `stop` says so at a turn's end; the save is then that turn's.
    template <typename Stop> void playUntil(Stop stop)
    {
        game.onTurnEnd([&](const GameForm &g) {
            user.turnEnded();
            if (stop(g))
                view.closeAt(view.now());
        });
        game.load();
        EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    }
};

} // namespace

// A whole match keeps a save from its first turn on, with the side to move
// alternating as the turn loop plays; its end takes the save away.
TEST_F(SavedMatches, AMatchIsKeptUntilItsEnd)
{
    int turns = 0;
    playUntil([&](const GameForm &g) {
        const bool newMatch = g.reset == kTrue && g.match.gamecount == 1;
        EXPECT_EQ(fs::exists(file), ++turns > 1 && !newMatch) << "after turn " << turns; // kept after the observers
        EXPECT_EQ(g.tomove(), view.state(Label2).backColour == kRed && g.reset != kTrue ? kComputer : kPlayer);
        return newMatch;
    });
    EXPECT_GT(turns, 20);
    EXPECT_FALSE(fs::exists(file)) << "a finished match is offered again";
}

TEST_F(SavedMatches, ANewMatchFromTheMenuTakesTheSaveAway)
{
    int turns = 0;
    playUntil([&](const GameForm &) { return ++turns == 3; });
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(runsUntilClosed([&] { game.newmatch(); }));
    EXPECT_FALSE(fs::exists(file)) << "\"New match\" left the old match's save";
}

// Stopped with the computer to move in round 2, started again: the title
// offers the match, "Go on" lays the same table, and the computer moves first.
TEST_F(SavedMatches, GoingOnLaysTheTableAsItWasAndTheSideToMovePlays)
{
    std::string shownThen;
    MatchState then;
    playUntil([&](const GameForm &g) {
        if (g.match.gamecount < 2 || g.tomove() != kComputer)
            return false;
        shownThen = tableShown(view);
        then = g.match;
        return true;
    });
    HeadlessView again;
    ClockFoldedRandom otherRandom { 7 };
    ScanRoom otherScan { again };
    GameForm resumed { again, otherRandom, otherScan };
    SavedMatchStart start;
    start.path = file.string();
    resumed.load();
    again.pressAt(again.now() + 100ms); // during the first offer
    ASSERT_TRUE(startSavedMatch(resumed, start, warnings));
    EXPECT_EQ(again.state(label(11)).caption,
        "Go on with the match: round 2 of 5, you " + std::to_string(then.playerscore) + ", computer " + std::to_string(then.cpuscore));
    std::string shownNow;
    again.onCall([&](const HeadlessView &v) {
        if (shownNow.empty() && !v.state(Frame1).visible)
            shownNow = tableShown(v);
    });
    bool computerMoved = false;
    resumed.onTurnEnd([&](const GameForm &) {
        computerMoved = again.state(Label3).backColour == kRed;
        again.closeAt(again.now());
    });
    EXPECT_TRUE(runsUntilClosed([&] { resumed.activate(); }));
    EXPECT_EQ(shownNow, shownThen);
    EXPECT_TRUE(computerMoved);
    EXPECT_EQ(warnings.str(), "");
}

// Each save that cannot be played is moved aside with one line that names it
// and says why, the title says so too, and a new match is dealt and kept.
TEST_F(SavedMatches, ASaveThatCannotBePlayedIsPutAsideSaidAndANewMatchStarts)
{
    int turns = 0;
    playUntil([&](const GameForm &) { return ++turns == 12; });
    const std::string good = fileText(file);
    ASSERT_TRUE(readSave(good).saved);
    const auto lineSaying = [&](const std::string &key, const std::string &line) {
        std::string text = good;
        const std::size_t from = text.find("\n" + key + " ") + 1;
        return text.replace(from, text.find('\n', from) - from, line);
    };
    const auto words = [&](const std::string &key) {
        const std::size_t from = good.find("\n" + key + " ") + key.size() + 2;
        return good.substr(from, good.find('\n', from) - from);
    };
    const std::string computerCard = words("computer").substr(0, 2);
    std::string noise(300, '\0');
    std::mt19937 rng(5);
    for (char &c : noise)
        c = char(rng());
    const std::vector<std::array<std::string, 3>> damaged {
        { "cut short", good.substr(0, good.size() / 2), "cut short" },
        { "random bytes", noise, "not a saved match" },
        { "a card twice", lineSaying("player", "player " + computerCard + words("player").substr(2)), computerCard + " is in 2 places" },
        { "53 cards", lineSaying("player", "player " + words("player") + " " + computerCard), "53 cards" },
        { "a score of 40,000", lineSaying("scores", "scores 40000 0"), "40000 is outside" },
        { "a future version", "wildcrest match 2\nround 9\n", "version 2" },
    };
    SavedMatchStart start;
    start.path = file.string();
    for (const auto &[what, text, why] : damaged) {
        std::ofstream(file, std::ios::binary) << text;
        HeadlessView v;
        ClockFoldedRandom r { 3 };
        ScanRoom s { v };
        GameForm g { v, r, s };
        std::ostringstream said;
        FileKeeper k { file.string(), SavedMatch {}, said };
        g.keepWith(k);
        SwitchUser u { v, g, firstOffer };
        g.load();
        EXPECT_FALSE(startSavedMatch(g, start, said)) << what;
        std::vector<fs::path> aside;
        for (const fs::directory_entry &e : fs::directory_iterator(folder))
            if (e.path().filename().string().rfind("match.save.damaged-", 0) == 0)
                aside.push_back(e.path());
        ASSERT_EQ(aside.size(), 1u) << what;
        EXPECT_EQ(fileText(aside[0]), text) << what;
        const std::string message = said.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << what << ": " << message;
        for (const std::string &named : { file.string(), aside[0].string(), why })
            EXPECT_NE(message.find(named), std::string::npos) << what << ": " << message << " does not name " << named;
        const std::string told = v.state(label(11)).caption; // until the press, which deals
        EXPECT_NE(told.find("match.save could not be played"), std::string::npos) << what << ": the title said " << told;
        g.onTurnEnd([&](const GameForm &) {
            u.turnEnded();
            v.closeAt(v.now());
        });
        EXPECT_TRUE(runsUntilClosed([&] { g.activate(); }));
        const SaveReading fresh = readSave(fileText(file));
        ASSERT_TRUE(fresh.saved) << what << ": " << fresh.problem;
        EXPECT_EQ(fresh.saved->match.gamecount, 1);
        EXPECT_EQ(fresh.saved->match.playerscore + fresh.saved->match.cpuscore, 0);
        fs::remove(aside[0]);
    }
}
