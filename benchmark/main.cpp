// SPDX-License-Identifier: GPL-3.0-or-later
// Wildcrest's real times beside the literal design, in one run and one table:
// the pacing delay, CPU while waiting, the card animation, the reaction to a
// press, the same for a joystick, memory through a match and start-up, at table
// scales 1 and 3. Real clocks only, on the Qt window under the offscreen platform.
//
//     build/benchmark/wildcrest_bench [--delays=5] [--presses=200] [--no-match] [--scales=1,3] [--joystick-only]
#include "app/options.h"
#include "cards/random.h"
#include "figures.h"
#include "game/gameform.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"
#include "literal.h"
#include "match.h"
#include "settings/speeds.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"
#include "watchedview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <mutex>
#include <random>
#include <sstream>
#include <string>

using namespace wildcrest;
using namespace wildcrest::bench;

namespace
{

struct Options {
    int delays = 5;
    int presses = 200;
    bool match = true;
    bool onlyJoystick = false; // only the rows of the joystick
    std::vector<double> scales { 1, 3 }; // a whole match at each table scale
};

void progress(const std::string &what)
{
    std::cerr << "bench: " << what << std::endl;
}

void postPress(QWidget *window)
{
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
}

struct Stretch {
    double wall;
    double cpu;
};

Stretch measure(const std::function<void()> &run)
{
    const double w0 = wallSeconds();
    const double c0 = cpuSeconds();
    run();
    return { wallSeconds() - w0, cpuSeconds() - c0 };
}

// Presses the switch from its own thread, as a key from the window system
// arrives while the game sleeps or spins: a timestamp, then the press.
class Presser
{
public:
    // `press` runs on the presser's thread; by default a posted key press.
    Presser(QWidget &window, WatchedView &view, std::function<void()> press = {})
        : window_(window)
        , view_(view)
        , press_(press ? std::move(press) : [this] { postPress(&window_); })
        , thread_([this] { run(); })
    {
    }
    ~Presser()
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void pressAfter(std::chrono::microseconds delay)
    {
        {
            std::lock_guard lock(mutex_);
            delay_ = delay;
        }
        wake_.notify_one();
    }

private:
    void run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || delay_; });
            if (quit_)
                return;
            const auto delay = *std::exchange(delay_, std::nullopt);
            lock.unlock();
            std::this_thread::sleep_for(delay);
            view_.pressed(Clock::now());
            press_();
            lock.lock();
        }
    }

    QWidget &window_;
    WatchedView &view_;
    std::function<void()> press_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::chrono::microseconds> delay_;
    bool quit_ = false;
    std::thread thread_;
};

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
    void joystickRows(std::vector<Row> &rows);

    Options options_;
    std::string self_;
    QtTableView window_ { WILDCREST_GAME_DIR };
    WatchedView view_;
    ClockFoldedRandom random_ { 1 };
    GameForm game_;
};

// Held cards: the player's first place lifted for one pacing delay with a
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
// SDL is read on the game's thread, where a device node would wake it.
void pressButton(JoystickSwitch &joysticks, VirtualJoystick &pad, QObject *context)
{
    pad.set(0, true);
    QMetaObject::invokeMethod(context, [&joysticks, &pad] {
        joysticks.pump();
        pad.set(0, false);
    });
}

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

    joystickRows(rows);
    startRows(self_, rows);

    for (double scale : options_.match ? options_.scales : std::vector<double> {}) {
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
    return rows;
}

// "1,3": table scales the game takes, each once.
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
        else if (a.rfind("--scales=", 0) == 0 && parseScales(a.substr(9), o.scales))
            ;
        else {
            std::cerr << "usage: wildcrest_bench [--delays=N] [--presses=N] [--no-match] [--scales=1,3] [--joystick-only]\n";
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
