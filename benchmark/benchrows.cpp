// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the table, in the order ./bench prints them.
#include "bench.h"
#include "literal.h"
#include "match.h"
#include "player/scanroom.h"
#include "presser.h"
#include "record/store/recordstore.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <QTemporaryDir>

#include <iostream>
#include <random>

namespace wildcrest::bench
{

std::vector<Row> Bench::run()
{
    std::vector<Row> rows;
    progress("calibrating as the game does");
    {
        // Counted on the bare window: a reading through the watching view
        // would cost more and shrink the literal delay.
        GameForm plain(window_, random_);
        plain.load();
        game_.delayvalue = plain.delayvalue;
        game_.match.gamecount = plain.match.gamecount;
    }
    window_.setSwitchHandler([this](const SwitchEvent &e) { game_.waits().switchevent(e); });
    window_.show();
    window_.activateWindow();
    while (!window_.isActiveWindow())
        window_.waitForEvent(window_.now() + std::chrono::seconds(1));
    view_.setVisible(Frame1, false);
    progress("delayvalue = " + std::to_string(game_.delayvalue));
    if (options_.onlyJoystick) {
        joystickRows(rows);
        return rows;
    }

    if (options_.onlySave) {
        saveRows(rows, options_.saves);
        return rows;
    }

    timingRows(rows);
    reactionRows(rows);
    saveRows(rows, options_.saves);
    joystickRows(rows);
    startRows(self_, rows);
    if (options_.match)
        matchRows(rows);
    // Last: its window takes the focus from the game's.
    recordReportRows(rows);
    return rows;
}

// The pacing delay, the CPU while waiting and the animation, ours beside the literal design's.
void Bench::timingRows(std::vector<Row> &rows)
{
    const double delay = std::chrono::duration<double>(kPacingDelay).count();
    const double animation = std::chrono::duration<double>(kAnimationLength).count();
    const std::string n = std::to_string(options_.delays);

    progress("pacing delays and animations, other core idle");
    const auto oursIdle = delays(false);
    const auto literalIdle = delays(true);
    const auto oursAnimIdle = animations(false);
    const auto literalAnimIdle = animations(true);

    progress("pacing delays and animations, other core busy");
    std::vector<Stretch> oursBusy, literalBusy;
    std::vector<double> oursAnimBusy, literalAnimBusy;
    {
        BusyCore busy;
        oursBusy = delays(false);
        literalBusy = delays(true);
        oursAnimBusy = animations(false);
        literalAnimBusy = animations(true);
    }

    const auto delayRow = [&](const std::string &what, const std::vector<Stretch> &ours, const std::vector<Stretch> &literal) {
        const Spread o = spread(walls(ours));
        const Spread l = spread(walls(literal));
        rows.push_back({ "Pacing delay, " + what + " (s, min/med/max of " + n + ")",
            spreadText(o, 3),
            spreadText(l, 3),
            ratioText(l.median, o.median),
            "2.000 +/- 5 %",
            within(o, delay, 0.05) });
    };
    delayRow("other core idle", oursIdle, literalIdle);
    delayRow("other core busy", oursBusy, literalBusy);

    cpuRows(rows, oursIdle, literalIdle);

    const auto animationRow = [&](const std::string &what, const std::vector<double> &ours, const std::vector<double> &literal) {
        const Spread o = spread(ours);
        const Spread l = spread(literal);
        rows.push_back({ "Animation of 300 steps, " + what + " (s, min/med/max of " + n + ")",
            spreadText(o, 3),
            spreadText(l, 3),
            ratioText(l.median, o.median),
            "0.500 +/- 10 %",
            within(o, animation, 0.10) });
    };
    animationRow("other core idle", oursAnimIdle, literalAnimIdle);
    animationRow("other core busy", oursAnimBusy, literalAnimBusy);
}

// The CPU while the game waits for the switch: at the title, and with a card held.
void Bench::cpuRows(std::vector<Row> &rows, const std::vector<Stretch> &oursIdle, const std::vector<Stretch> &literalIdle)
{
    const std::string n = std::to_string(options_.delays);
    progress("CPU during a 10 s wait for the switch on the title screen");
    const Stretch oursTitle = titleWait(false);
    const Stretch literalTitle = titleWait(true);
    const double oursTitleShare = cpuShare({ oursTitle });
    const double literalTitleShare = cpuShare({ literalTitle });
    rows.push_back({ "CPU, 10 s title-screen wait (% of a core)",
        fixed(oursTitleShare, 2),
        fixed(literalTitleShare, 1),
        ratioText(literalTitleShare, oursTitleShare),
        "< 2 %",
        oursTitleShare < 2 });
    const double oursHeld = cpuShare(oursIdle);
    const double literalHeld = cpuShare(literalIdle);
    rows.push_back({ "CPU, held card (% of a core, " + n + " delays)",
        fixed(oursHeld, 2),
        fixed(literalHeld, 1),
        ratioText(literalHeld, oursHeld),
        "< 2 %",
        oursHeld < 2 });

    // A card offered for 10 s with the bar of the time left emptying under it, and without.
    progress("CPU during a card offered 10 s, with the time-left bar and without");
    const auto heldOffer = [this](bool bar) {
        const Control card = playerslot(1);
        view_.setTop(card, view_.top(card) - kLift);
        const Moment start = view_.now();
        window_.showTimeLeft(bar ? std::optional<Control>(card) : std::nullopt, start, start + std::chrono::seconds(10));
        game_.waits().hitkey = kFalse;
        const Stretch s = measure([&] { game_.waits().pacingdelay(true, std::chrono::seconds(10)); });
        window_.showTimeLeft(std::nullopt, {}, {});
        view_.setTop(card, view_.top(card) + kLift);
        return cpuShare({ s });
    };
    const double withBar = heldOffer(true);
    const double withoutBar = heldOffer(false);
    rows.push_back({ "CPU, card offered 10 s, no bar (% of a core)", fixed(withoutBar, 2), "-", "", "< 2 %", withoutBar < 2 });
    rows.push_back({ "CPU, card offered 10 s, time-left bar (% of a core)", fixed(withBar, 2), "-", "", "< 2 %", withBar < 2 });
}

// A key press to the card played.
void Bench::reactionRows(std::vector<Row> &rows)
{
    progress("reaction to " + std::to_string(options_.presses) + " presses of a held card");
    const auto oursReact = reactions(false);
    const auto literalReact = reactions(true);
    const std::string presses = std::to_string(oursReact.size());
    const double oursMedian = percentile(oursReact, 50), literalMedian = percentile(literalReact, 50);
    const double ours99 = percentile(oursReact, 99), literal99 = percentile(literalReact, 99);
    rows.push_back({ "Key event to play, median (ms, " + presses + " presses)",
        fixed(oursMedian, 3),
        fixed(literalMedian, 3),
        ratioText(literalMedian, oursMedian),
        "< 2 ms",
        oursMedian < 2 });
    rows.push_back({ "Key event to play, 99th percentile (ms)", fixed(ours99, 3), fixed(literal99, 3), ratioText(literal99, ours99), "< 2 ms", ours99 < 2 });

    // The same with every offer and press written to a record on disk, as record=on does.
    progress("the same presses with the record kept");
    QTemporaryDir data;
    std::vector<double> recorded;
    {
        RecordStore store(data.path() + "/record.sqlite");
        std::unique_ptr<RecordSession> session = store.startSession("", "");
        SessionRecord &record = dynamic_cast<ScanRoom &>(game_.scan()).record;
        record.sendTo(session.get());
        recorded = reactions(false);
        record.sendTo(nullptr);
    }
    const std::size_t kept = RecordFile(data.path() + "/record.sqlite").rows(1).size();
    const double recordedMedian = percentile(recorded, 50), recorded99 = percentile(recorded, 99);
    rows.push_back({ "Key event to play, median, record on (ms, " + std::to_string(kept) + " rows kept)",
        fixed(recordedMedian, 3),
        fixed(literalMedian, 3),
        ratioText(literalMedian, recordedMedian),
        "< 2 ms",
        recordedMedian < 2 });
    rows.push_back({ "Key event to play, 99th percentile, record on (ms)",
        fixed(recorded99, 3),
        fixed(literal99, 3),
        ratioText(literal99, recorded99),
        "< 2 ms",
        recorded99 < 2 });
}

// A whole match at each table scale, each in a process of its own.
void Bench::matchRows(std::vector<Row> &rows)
{
    for (double scale : options_.scales) {
        const std::string at = scale == 1 ? "" : ", scale " + scaleText(scale);
        // The larger table holds larger pictures and a larger window.
        const double memoryTarget = scale == 1 ? 80 : 120;
        const std::string memoryText = "< " + fixed(memoryTarget, 0) + " MB";
        progress("one whole match" + at + " in a new process, pressing every 50 ms (a few minutes)");
        const std::optional<MatchFigures> m = measureMatch(self_, scale);
        if (!m) {
            rows.push_back({ "Peak resident memory, one match" + at, "failed", "-", "-", memoryText, false });
            continue;
        }
        progress("the match took " + fixed(m->matchSeconds, 0) + " s");
        const std::string same = "same code";
        rows.push_back(
            { "Peak resident memory, one whole match" + at + " (MB)", fixed(m->peakMegabytes, 1), same, "-", memoryText, m->peakMegabytes < memoryTarget });
        rows.push_back({ "Start-up: calibration" + at + " (s)", fixed(m->calibration, 3), same, "-", "2 to 3 s", m->calibration >= 2 && m->calibration <= 3 });
        const double rest = (m->launchToTitle - m->calibration) * 1000;
        rows.push_back({ "Start-up: launch to title" + at + ", calibration left out (ms)", fixed(rest, 1), same, "-", "< 150 ms", rest < 150 });
    }
}

} // namespace wildcrest::bench
