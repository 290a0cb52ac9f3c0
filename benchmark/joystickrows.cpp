// SPDX-License-Identifier: GPL-3.0-or-later
// The joystick's rows: the CPU while joysticks are read, and a button to the card played.
#include "bench.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"
#include "match.h"
#include "presser.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <iostream>
#include <random>

namespace wildcrest::bench
{

namespace
{

    // SDL is read on the game's thread, where a device node would wake it.
    void pressButton(JoystickSwitch &joysticks, VirtualJoystick &pad, QObject *context)
    {
        pad.set(0, true);
        QMetaObject::invokeMethod(context, [&joysticks, &pad] {
            joysticks.pump();
            pad.set(0, false);
        });
    }

} // namespace

void Bench::joystickRows(std::vector<Row> &rows)
{
    window_.setSwitchWiring(SwitchWiring {});
    JoystickSwitch *joysticks = window_.joysticks();
    if (!joysticks || !joysticks->available()) {
        rows.push_back({ "Joystick rows", "SDL failed", "-", "-", "-", false });
        return;
    }
    progress("CPU during a 10 s title-screen wait, joysticks read, none attached");
    const int before = joysticks->attached();
    const Stretch none = titleWait(false);
    const double noneShare = cpuShare({ none });
    rows.push_back({ "CPU, 10 s title wait, joysticks read, " + std::to_string(before) + " attached (% of a core)",
        fixed(noneShare, 2),
        "-",
        "-",
        "< 0.5 %",
        noneShare < 0.5 });

    VirtualJoystick pad;
    joysticks->pump();
    if (!pad.attached() || joysticks->attached() != before + 1) {
        rows.push_back({ "Joystick rows", "no virtual joystick: " + pad.error(), "-", "-", "-", false });
        return;
    }
    progress("CPU during a 10 s title-screen wait, a virtual joystick attached, its button ends it");
    Presser presser(window_, view_, [&] { pressButton(*joysticks, pad, &window_); });
    const Stretch one = titleWait(false, [&] { presser.pressAfter(std::chrono::microseconds(0)); });
    const double oneShare = cpuShare({ one });
    rows.push_back(
        { "CPU, 10 s title wait, a virtual joystick attached (% of a core)", fixed(oneShare, 2), "-", "-", "< 0.5 %", oneShare < 0.5 && one.wall < 11 });
    joysticks->pump();

    progress("reaction to " + std::to_string(options_.presses) + " joystick presses of a held card");
    const auto react = reactions(false, [&] { pressButton(*joysticks, pad, &window_); });
    const std::string presses = std::to_string(react.size());
    const double median = percentile(react, 50), p99 = percentile(react, 99);
    rows.push_back({ "Joystick button to play, median (ms, " + presses + " presses)", fixed(median, 3), "-", "-", "< 5 ms", median < 5 });
    rows.push_back({ "Joystick button to play, 99th percentile (ms)", fixed(p99, 3), "-", "-", "< 5 ms", p99 < 5 });
}

} // namespace wildcrest::bench
