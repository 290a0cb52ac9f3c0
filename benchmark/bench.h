// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figures.h"
#include "game/gameform.h"
#include "table/qt/qttableview.h"
#include "watchedview.h"

#include <functional>
#include <string>
#include <vector>

namespace wildcrest::bench
{

struct Options {
    int delays = 5;
    int presses = 200;
    bool match = true;
    bool onlyJoystick = false; // only the rows of the joystick
    bool onlySave = false; // only the row of the save after a turn
    int saves = 200;
    std::vector<double> scales { 1, 3 }; // a whole match at each table scale
};

void progress(const std::string &what);

// The wall-clock and CPU seconds of one stretch of the game.
struct Stretch {
    double wall;
    double cpu;
};
Stretch measure(const std::function<void()> &run);
std::vector<double> walls(const std::vector<Stretch> &s);
// CPU time as a share of the wall time, in per cent of one core.
double cpuShare(const std::vector<Stretch> &s);
bool within(const Spread &s, double target, double tolerance);
// The report on a record of a million presses: how long it takes to open.
void recordReportRows(std::vector<Row> &rows);
// The save after a turn, `times` times, as the game writes it.
void saveRows(std::vector<Row> &rows, int times);

// The rows measured in this process, on one window and one game.
class Bench
{
public:
    Bench(const Options &options, const std::string &self)
        : options_(options)
        , self_(self)
        , view_(window_)
        , game_(view_, random_)
    {
    }

    std::vector<Row> run();

private:
    std::vector<Stretch> delays(bool literal);
    std::vector<double> animations(bool literal);
    // Waits for a press 10 s on: a key unless `press` does it another way.
    Stretch titleWait(bool literal, std::function<void()> press = {});
    std::vector<double> reactions(bool literal, std::function<void()> press = {});
    void timingRows(std::vector<Row> &rows);
    void cpuRows(std::vector<Row> &rows, const std::vector<Stretch> &oursIdle, const std::vector<Stretch> &literalIdle);
    void reactionRows(std::vector<Row> &rows);
    void joystickRows(std::vector<Row> &rows);
    void matchRows(std::vector<Row> &rows);

    Options options_;
    std::string self_;
    QtTableView window_ { WILDCREST_GAME_DIR };
    WatchedView view_;
    ClockFoldedRandom random_ { 1 };
    GameForm game_;
};

// Held cards: the player's first place lifted for one pacing delay with a

} // namespace wildcrest::bench
