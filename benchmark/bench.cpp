// SPDX-License-Identifier: GPL-3.0-or-later
// The game measured in this process: the pacing delay, the CPU while it waits,
// the animation and the reaction to a press, ours beside the literal design's.
#include "bench.h"
#include "joystick/joystickswitch.h"

#include "literal.h"
#include "match.h"
#include "presser.h"
#include "settings/speeds.h"
#include "table/layout.h"
#include <QCoreApplication>

#include <QCoreApplication>

#include <iostream>
#include <random>

namespace wildcrest::bench
{

void progress(const std::string &what)
{
    std::cerr << "bench: " << what << std::endl;
}

Stretch measure(const std::function<void()> &run)
{
    const double w0 = wallSeconds();
    const double c0 = cpuSeconds();
    run();
    return { wallSeconds() - w0, cpuSeconds() - c0 };
}

// choice, and no press.
std::vector<Stretch> Bench::delays(bool literal)
{
    std::vector<Stretch> out;
    const Control card = playerslot(1);
    for (int i = 0; i < options_.delays; ++i) {
        game_.waits().hitkey = kFalse;
        view_.setTop(card, view_.top(card) - kLift);
        out.push_back(measure([&] { literal ? (void)literalPacingDelay(game_, true) : (void)game_.waits().pacingdelay(true, game_.scantime()); }));
        view_.setTop(card, view_.top(card) + kLift);
    }
    return out;
}

std::vector<double> Bench::animations(bool literal)
{
    std::vector<double> out;
    game_.match.hand = {};
    for (int i = 0; i < options_.delays; ++i)
        out.push_back(measure([&] { literal ? literalDrawAnimation(game_) : game_.drawanimation('D'); }).wall);
    return out;
}

Stretch Bench::titleWait(bool literal, std::function<void()> press)
{
    view_.setVisible(Frame1, true);
    QTimer::singleShot(
        10000, &window_, press ? press : [this] { postPress(&window_); });
    const Stretch s = measure([&] { literal ? literalWaitForKey(game_) : game_.waits().waitforkey(); });
    view_.setVisible(Frame1, false);
    return s;
}

// Presses 10 to 60 ms into a held card; the reaction is the play's first
// picture change (the card leaving its place). A key, unless `press` presses
// another way.
std::vector<double> Bench::reactions(bool literal, std::function<void()> press)
{
    std::vector<double> out;
    std::mt19937 pick(8);
    std::uniform_int_distribution<int> after(10000, 60000);
    Presser presser(window_, view_, std::move(press));
    const Control card = playerslot(1);
    for (int i = 0; i < options_.presses; ++i) {
        game_.match.hand = {};
        game_.match.hand[1][kPlayer] = "5H";
        game_.match.curcard = "7H";
        game_.waits().hitkey = kFalse;
        view_.watchForReaction();
        presser.pressAfter(std::chrono::microseconds(after(pick)));
        try {
            literal ? literalHeldCard(game_) : (void)game_.selection();
            progress("a held card ended without the play starting");
        } catch (const Reacted &) {
            out.push_back(std::chrono::duration<double, std::milli>(view_.lastReaction()).count());
        }
        view_.setTop(card, playerslotRect(1).top);
        // The switch's release, and anything else, before the next press.
        if (window_.joysticks())
            window_.joysticks()->pump();
        for (int k = 0; k < 3; ++k)
            QCoreApplication::processEvents();
    }
    return out;
}

std::vector<double> walls(const std::vector<Stretch> &s)
{
    std::vector<double> out;
    for (const Stretch &x : s)
        out.push_back(x.wall);
    return out;
}

double cpuShare(const std::vector<Stretch> &s)
{
    double wall = 0, cpu = 0;
    for (const Stretch &x : s) {
        wall += x.wall;
        cpu += x.cpu;
    }
    return wall > 0 ? 100 * cpu / wall : 0;
}

bool within(const Spread &s, double target, double tolerance)
{
    return s.min >= target * (1 - tolerance) && s.max <= target * (1 + tolerance);
}

// The button goes down on the presser's thread, as a device's event arrives;

} // namespace wildcrest::bench
