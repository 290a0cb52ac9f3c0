// SPDX-License-Identifier: GPL-3.0-or-later
// The save after every turn: written beside the save, flushed to the disk and
// renamed over it, in the folder where the game keeps its saves.
#include "bench.h"
#include "rules/rules.h"
#include "save/matchkeeper.h"
#include "save/savefile.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace wildcrest::bench
{

void saveRows(std::vector<Row> &rows, int times)
{
    progress("saving the match after a turn, " + std::to_string(times) + " times");
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(savePath("", "", [](const char *name) -> const char * { return std::getenv(name); })).parent_path() / ("bench-" + std::to_string(::getpid()));
    // A table as the deal leaves it, with a card played: a save of the usual length.
    SavedMatch turn;
    ClockFoldedRandom random(1);
    Shuffler shuffler(random, [] { return std::uint64_t(0); });
    newdeck(turn.match, shuffler);
    for (int k = 1; k <= 7; ++k)
        for (int column : { kPlayer, kComputer })
            dealcard(turn.match, k, column);
    turnuppile(turn.match);
    turn.match.gamecount = 3;
    std::ostringstream warnings;
    FileKeeper keeper((folder / "match.save").string(), turn, warnings);
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        turn.match.playerscore = std::int16_t(i % 100);
        const auto start = std::chrono::steady_clock::now();
        keeper.keep(turn);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::error_code error;
    fs::remove_all(folder, error);
    const Spread s = spread(ms);
    const bool written = warnings.str().empty();
    rows.push_back({ "Saving the match after a turn, in " + folder.parent_path().string() + " (ms, min/med/max of " + std::to_string(times) + ")",
        written ? spreadText(s, 2) : "failed",
        "-",
        "-",
        "< 50 ms",
        written && s.max < 50 });
}

} // namespace wildcrest::bench
