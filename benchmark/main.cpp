// SPDX-License-Identifier: GPL-3.0-or-later
// Wildcrest's real times beside the literal design, in one run and one table:
// the pacing delay, CPU while waiting, the card animation, the reaction to a
// press, the same for a joystick, memory through a match and start-up, at table
// scales 1 and 3. Real clocks only, on the Qt window under the offscreen platform.
//
//     build/benchmark/wildcrest_bench [--delays=5] [--presses=200] [--no-match] [--scales=1,3] [--joystick-only] [--save-only]
#include "app/options.h"
#include "bench.h"
#include "match.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

using namespace wildcrest;
using namespace wildcrest::bench;

namespace
{

bool parseScales(const std::string &text, std::vector<double> &out)
{
    std::vector<double> scales;
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        Settings s;
        if (!applySetting(s, "scale", item).empty() || s.look.fitScale)
            return false;
        scales.push_back(s.look.scale);
    }
    if (scales.empty())
        return false;
    out = scales;
    return true;
}

Options parse(int argc, char *argv[])
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--delays=", 0) == 0)
            o.delays = std::max(1, std::atoi(a.c_str() + 9));
        else if (a.rfind("--presses=", 0) == 0)
            o.presses = std::max(1, std::atoi(a.c_str() + 10));
        else if (a == "--no-match")
            o.match = false;
        else if (a == "--joystick-only")
            o.onlyJoystick = true;
        else if (a == "--save-only")
            o.onlySave = true;
        else if (a.rfind("--scales=", 0) == 0 && parseScales(a.substr(9), o.scales))
            ;
        else {
            std::cerr << "usage: wildcrest_bench [--delays=N] [--presses=N] [--no-match] [--scales=1,3] [--joystick-only] [--save-only]\n";
            std::exit(2);
        }
    }
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    // The window is real, but nobody needs to see it; real times all the same.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 3 && std::string(argv[1]) == "--match")
        return runMatch(std::atof(argv[2]));
    if (argc == 5 && std::string(argv[1]) == "--start") {
        TableLook look;
        look.scale = std::atof(argv[2]);
        look.cardStyle = std::string(argv[3]) == "large-index" ? CardStyle::LargeIndex : CardStyle::Standard;
        look.fourColour = std::string(argv[4]) == "four-colour";
        return runStart(look);
    }
    const Options options = parse(argc, argv);

    QApplication app(argc, argv);
    try {
        Bench bench(options, QCoreApplication::applicationFilePath().toStdString());
        const std::vector<Row> rows = bench.run();
        std::cout << tableText(rows) << std::flush;
    } catch (const std::exception &e) {
        std::cerr << "wildcrest_bench: " << e.what() << '\n';
        return 1;
    } catch (const GameEnded &) {
        std::cerr << "wildcrest_bench: the window was closed\n";
        return 1;
    }
    return 0;
}
