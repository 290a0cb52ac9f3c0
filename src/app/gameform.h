// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/cardcode.h"
#include "cards/random.h"
#include "player/scanning.h"
#include "switch/switchinput.h"
#include "table/tableview.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace wildcrest
{

// Flags are 0 (false) or -1 (true), as everywhere in the game's state.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

constexpr int kDeckSize = 52;
constexpr int kHandPlaces = 22;
constexpr int kPlayer = 1; // column of hand
constexpr int kComputer = 2;

// The whole game: its state for the run of the program and every procedure of
// it. The procedures are defined in the folder of their subsystem (cards/,
// table/, player/, computer/, scoring/, app/). Arrays count from 1.
//
//     QtTableView view;                      // or HeadlessView in tests
//     ClockFoldedRandom random;
//     ScanRoom scan(view, settings);         // how this player reaches a choice
//     GameForm game(view, random, appdir, scan);
//     game.load();                           // before the window is shown
//     game.activate();                       // returns only by throwing GameEnded
class GameForm
{
public:
    GameForm(TableView &view, RandomSource &random, std::string appdir, Scanning &scan);
    // With a scanning room of its own, as the settings' defaults make it.
    GameForm(TableView &view, RandomSource &random, std::string appdir);
    ~GameForm();
    GameForm(const GameForm &) = delete;
    GameForm &operator=(const GameForm &) = delete;

    // State.
    std::int16_t hitkey = 0; // the switch: -1 after a press
    CardCode curcard; // top of the pile as it is to be matched ("8H" after an eight naming hearts)
    std::int16_t deckplace = 0; // next card to draw
    std::int16_t backdeckplace = 0; // next free place of the pile record
    CardCode real8; // the eight really played, until the turn loop records it
    std::int32_t delayvalue = 0; // rounds of one pacing delay
    std::int16_t playerscore = 0;
    std::int16_t cpuscore = 0;
    std::int16_t gamecount = 0; // round in play, 1 to 5
    std::int16_t reset = 0; // -1: the round ended during the turn and the next one is dealt
    std::int16_t drew = 0; // -1: the turn was a draw, so the pile is unchanged
    std::array<CardCode, kDeckSize + 1> deck; // places 1..52
    std::array<CardCode, kDeckSize + 1> backdeck; // the pile record, oldest first, places 1..52
    std::array<std::array<CardCode, 3>, kHandPlaces + 1> hand; // hand[row][column], rows 1..22

    // Start-up, keys and pacing (app/).
    void load();
    void calibrate();
    // Everything the switches do comes here; a counted press sets hitkey.
    void switchevent(const SwitchEvent &e);
    void activate();
    void gamestart();
    void turnloop();
    bool half(int side);
    void recordtopcard();
    // One pacing delay; with `offersChoice` it ends at a press and says so.
    bool pacingdelay(bool offersChoice);
    bool pacingdelay(bool offersChoice, Moment length);
    // The length of one pacing delay for this player.
    Moment scantime() const;
    void waitforkey();
    // Sleeps on the view until an event or `deadline` (Moment::max(): none), waking
    // for a held press that reaches the acceptance time.
    void sleepuntil(Moment deadline);
    std::int32_t Rand(std::int32_t Low, std::int32_t High);

    // Cards and deck (cards/).
    void newdeck();
    void reshuffle();
    void playerdraw();
    void cpudraw();
    int cardsleft() const;

    // Table (table/).
    void dealround();
    void drawanimation(char direction);
    void movetopile(char direction, int slot);
    void redrawplayerhand();
    void redrawcpuhand();

    // The two turns (player/, computer/).
    TurnOutcome selection();
    char selectsuit(const CardCode &eight);
    TurnOutcome computerturn();
    int computerchoice() const;
    char computersuit() const;

    // Rounds and scoring (scoring/).
    void roundend();
    void newmatch();

    std::string facepath(const CardCode &code) const;
    std::string picturepath(const std::string &name) const;
    TableView &view()
    {
        return view_;
    }
    // The words of the table's language.
    const Wording &words() const
    {
        return view_.words();
    }
    Scanning &scan()
    {
        return scan_;
    }
    const SwitchInput &switches() const
    {
        return switches_;
    }
    // Told after every half of the turn loop, when the turn's card is on the record.
    void onTurnEnd(std::function<void(const GameForm &)> observer)
    {
        turnEnd_ = std::move(observer);
    }

private:
    // Plays with `scan`, or else with `own`, which it keeps.
    GameForm(TableView &view, RandomSource &random, std::string appdir, std::unique_ptr<Scanning> own, Scanning *scan);
    void reseed();
    void shuffle(int n);
    void drawinto(int column);
    void packhand(int column);
    void redrawhand(int column);
    void travel(Control traveller, Twips targetLeft, Twips targetTop);
    void playplayercard(int slot);
    void showcounter();
    void clearmatch();
    void dealnext();
    void announce(const std::string &text);
    std::string roundcaption() const;
    void turnended();

    std::unique_ptr<Scanning> ownScan_;
    TableView &view_;
    Scanning &scan_;
    RandomSource &random_;
    std::string appdir_;
    std::function<void(const GameForm &)> turnEnd_;
    SwitchInput switches_;
};

// Penalty points of a card left in a hand at the end of a round.
int cardpoints(const CardCode &code);

} // namespace wildcrest
