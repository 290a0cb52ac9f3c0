// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "cards/random.h"
#include "game/gameform.h"
#include "table/qt/qttableview.h"
#include "watchedview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <iostream>

namespace wildcrest::bench
{

namespace
{

    long long nanoseconds(Clock::time_point t)
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
    }

    long peakResidentKilobytes()
    {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0)
                return std::stol(line.substr(6));
        return 0;
    }

    // Notes the first paint of any widget: the title screen is then on show.
    class PaintWatch : public QObject
    {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return QObject::eventFilter(watched, event);
        }
    };

    struct MatchOver {
    };

} // namespace

std::optional<MatchFigures> measureMatch(const std::string &self, double scale)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long launchedAt = nanoseconds(Clock::now());
    child.start(QString::fromStdString(self), { "--match", QString::number(scale) });
    if (!child.waitForStarted(10000) || !child.waitForFinished(20 * 60 * 1000) || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished(5000);
        return std::nullopt;
    }
    long long title = 0, first = 0, last = 0;
    long kilobytes = 0;
    double seconds = 0;
    const QByteArray out = child.readAllStandardOutput();
    if (std::sscanf(out.constData(), "title=%lld first=%lld last=%lld hwm=%ld match=%lf", &title, &first, &last, &kilobytes, &seconds) != 5)
        return std::nullopt;
    return MatchFigures { double(title - launchedAt) * 1e-9, double(last - first) * 1e-9, double(kilobytes) / 1024, seconds };
}

int runMatch(double scale)
{
    int argc = 1;
    char name[] = "wildcrest";
    char *argv[] = { name, nullptr };
    QApplication app(argc, argv);
    const std::string appdir = WILDCREST_GAME_DIR;

    TableLook look;
    look.scale = scale;
    QtTableView window(appdir, look);
    WatchedView view(window);
    ClockFoldedRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    GameForm game(view, random);
    PaintWatch paints;
    qApp->installEventFilter(&paints);

    game.load();
    window.show();
    window.activateWindow();
    const Moment giveUp = window.now() + std::chrono::seconds(10);
    while ((!window.isActiveWindow() || !paints.painted) && window.now() < giveUp)
        window.waitForEvent(giveUp);
    const Clock::time_point title = Clock::now();
    if (!paints.painted) {
        std::cerr << "wildcrest_bench: the title screen was never painted\n";
        return 1;
    }

    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&window] {
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
    });
    presser.start(50);
    // After the fifth round the match result waits for a key, then the next
    // match is dealt with the round counter back at 1.
    game.onTurnEnd([](const GameForm &g) {
        if (g.reset == kTrue && g.match.gamecount == 1)
            throw MatchOver {};
    });
    const Clock::time_point start = Clock::now();
    try {
        game.activate();
    } catch (const MatchOver &) {
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("title=%lld first=%lld last=%lld hwm=%ld match=%.1f\n",
        nanoseconds(title),
        nanoseconds(view.firstSecondsReading()),
        nanoseconds(view.lastSecondsReading()),
        peakResidentKilobytes(),
        seconds);
    return 0;
}

} // namespace wildcrest::bench
