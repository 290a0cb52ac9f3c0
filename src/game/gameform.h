// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/random.h"
#include "computer/computerside.h"
#include "game/narration.h"
#include "player/humanside.h"
#include "player/scanning.h"
#include "record/switchrecord.h"
#include "rules/matchstate.h"
#include "rules/rules.h"
#include "save/matchkeeper.h"
#include "save/savedmatch.h"
#include "switch/switchwaits.h"
#include "table/tableview.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace wildcrest
{

// How a turn ended: a card played, a card drawn, or the round over (the next
// one dealt, the player to move).
enum class TurnOutcome { Played, Drew, RoundEnded };

// The game: the match's state, the turn loop that asks the side to move for
// its move and plays it out on the table, and the rounds. The rules are
// functions of the state (rules/); how a side chooses is the side's own.
//
//     QtTableView view;                      // or HeadlessView in tests
//     ClockFoldedRandom random;
//     ScanRoom scan(view, settings);         // how this player reaches a choice
//     GameForm game(view, random, scan);
//     game.load();                           // before the window is shown
//     game.activate();                       // returns only by throwing GameEnded
class GameForm
{
public:
    GameForm(TableView &view, RandomSource &random, Scanning &scan);
    // With a scanning room of its own, as the settings' defaults make it.
    GameForm(TableView &view, RandomSource &random);
    ~GameForm();
    GameForm(const GameForm &) = delete;
    GameForm &operator=(const GameForm &) = delete;

    MatchState match;
    std::int32_t delayvalue = 0; // the clock readings of one calibration second, doubled
    std::int16_t reset = 0; // -1: the round ended during the turn and the next one is dealt
    std::int16_t drew = 0; // -1: the turn was a draw, so the pile is unchanged

    // Start-up and the turn loop (gameform.cpp).
    void load();
    void calibrate();
    void activate();
    void gamestart();
    void turnloop();
    bool half(int side);
    TurnOutcome selection(); // the player's turn
    TurnOutcome computerturn(); // the computer's turn
    void recordtopcard();
    void newdeck();
    void reshuffle();
    void playerdraw();
    void cpudraw();
    void roundend();
    void newmatch();

    // The table (gametable.cpp).
    void dealround();
    void drawanimation(char direction);
    void movetopile(char direction, int slot);
    void redrawplayerhand();
    void redrawcpuhand();

    // The length of one pacing delay for this player.
    Moment scantime() const
    {
        return scan_.scantime();
    }
    ComputerSide &computer()
    {
        return computer_;
    }
    TableView &view()
    {
        return view_;
    }
    Scanning &scan()
    {
        return scan_;
    }
    SwitchWaits &waits()
    {
        return waits_;
    }
    const SwitchWaits &waits() const
    {
        return waits_;
    }
    const SwitchInput &switches() const
    {
        return waits_.switches();
    }
    HumanSide &human()
    {
        return human_;
    }
    // Who sits at the table. The top hand is played by a second player with a
    // switch, scanning as `scan` says (which the caller keeps), whose switch
    // events are seat 1's; with `handover` both hands show their backs between
    // turns until the player to move presses. Set before load.
    void seatSecondPlayer(Scanning &scan, bool handover);
    // The names on the plates, in the results and the narration; "" keeps
    // "Player" for the bottom hand and "Computer" for the top one.
    void nameSides(const std::string &bottom, const std::string &top);
    // A line on the table says what just happened.
    void narrate(bool on);
    // The title's press has been made already (a player was chosen there).
    void skipTitle();
    // The match is handed to `keeper` after every turn, and forgotten there
    // when it ends or a new one is asked for.
    void keepWith(MatchKeeper &keeper)
    {
        keeper_ = &keeper;
    }
    // The title's press has been made: the table is laid as `saved` left it
    // (the shuffles' generator too), and the side it names moves first.
    void resume(const SavedMatch &saved);
    // The hand whose turn comes next: kPlayer or kComputer.
    int tomove() const
    {
        return tomove_;
    }
    // Told after every half of the turn loop, when the turn's card is on the record.
    void onTurnEnd(std::function<void(const GameForm &)> observer)
    {
        turnEnd_ = std::move(observer);
    }

    // Told when a round has been scored: its number, the totals, and whether the match is over.
    void onRoundEnd(std::function<void(const RoundRow &)> observer)
    {
        roundEnd_ = std::move(observer);
    }

private:
    // Plays with `scan`, or else with `own`, which it keeps.
    GameForm(TableView &view, RandomSource &random, std::unique_ptr<Scanning> own, Scanning *scan);
    TurnOutcome turn(int column);
    Side &side(int column);
    // Whether a player with a switch plays the hand of `column`.
    bool humanAt(int column) const;
    // Speaks for the player of `column` (the computer's words are the first player's).
    Scanning &scanOf(int column);
    // The side's name as the narration tells it: "" is the bottom hand's "You".
    std::string narratedName(int column) const;
    // The side's name on its plate: its player's, or "Player" or "Computer".
    std::string plateName(int column) const;
    // With handover: the hand of `column` is shown once its player presses.
    void handover(int column);
    void showhand(int column);
    void play(int column, const Move &move);
    void drawinto(int column);
    void clearmatch();
    void dealnext();
    void turnended();
    // The table (gametable.cpp).
    void laytable(const SavedMatch &saved);
    void redrawhand(int column);
    void travel(Control traveller, Twips targetLeft, Twips targetTop);
    void showcounter();
    void showroundend();
    void showmatchend();
    std::string roundcaption() const;

    RandomSource &random_; // the shuffles' generator, whose state a save keeps
    std::unique_ptr<Scanning> ownScan_;
    TableView &view_;
    Scanning &scan_;
    SwitchWaits waits_;
    Shuffler shuffler_;
    HumanSide human_;
    ComputerSide computer_;
    Scanning *second_ = nullptr; // the top hand's player, when it is not the computer
    std::unique_ptr<HumanSide> secondHuman_;
    bool handover_ = false;
    bool skipTitle_ = false;
    std::array<std::string, 3> names_; // by column; "" for the table's own words
    std::array<bool, 3> faceUp_ { false, true, false }; // by column: which hands show their faces
    Narration narration_;
    std::function<void(const GameForm &)> turnEnd_;
    std::function<void(const RoundRow &)> roundEnd_;
    MatchKeeper *keeper_ = nullptr;
    std::optional<SavedMatch> resumed_;
    int tomove_ = kPlayer;
};

} // namespace wildcrest
