// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the real window among surroundings that misbehave: a speech
// server that takes the connection and never answers, a sound device that is
// unplugged mid-game or was never there. None may move an offer off its time
// nor keep Esc from ending the game; sound problems are said once at most.
#include "game/gameform.h"
#include "player/scanroom.h"
#include "realwindow.h"
#include "silentspeechserver.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

struct OfferTimes {
    std::vector<qint64> starts; // ms from the first press, one for each card lifted
    qint64 escAt = -1;
    qint64 endedAt = -1;
    bool ended = false; // by GameEnded
};

// Starts the game in the real window with a press, notes when each new card is
// lifted (calling `atOffer` with its count), and presses Esc once `offers` have begun.
OfferTimes offersThenEsc(QtTableView &view, GameForm &game, std::size_t offers, const std::function<void(std::size_t)> &atOffer = {})
{
    OfferTimes t;
    QElapsedTimer clock;
    clock.start();
    int lifted = 0;
    QTimer::singleShot(100, &view, [&] { pressSpace(view); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &view, [&] {
        const int now = liftedSlot(view);
        if (now != 0 && now != lifted) {
            t.starts.push_back(clock.elapsed());
            if (atOffer)
                atOffer(t.starts.size());
        }
        lifted = now;
        if (t.starts.size() == offers && t.escAt < 0) {
            t.escAt = clock.elapsed();
            postKey(view, Qt::Key_Escape, QString(QChar(27)));
        }
    });
    poll.start(2);
    try {
        game.activate();
    } catch (const GameEnded &) {
        t.ended = true;
    }
    t.endedAt = clock.elapsed();
    return t;
}

// Each offer held for one scan time, to within 50 ms, and Esc obeyed within 100 ms.
// Each offer lasted the scan time, and `more` (the bound of a speech server that never tells).
void expectOnTime(const OfferTimes &t, std::size_t offers, const ScanRoom &scan, Moment more = {})
{
    ASSERT_TRUE(t.ended);
    ASSERT_EQ(t.starts.size(), offers);
    const qint64 scanTime = std::chrono::duration_cast<std::chrono::milliseconds>(scan.scantime() + more).count();
    for (std::size_t i = 1; i < t.starts.size(); ++i)
        EXPECT_NEAR(double(t.starts[i] - t.starts[i - 1]), double(scanTime), 50.0) << "offer " << i;
    EXPECT_LT(t.endedAt - t.escAt, 100) << "Esc took " << t.endedAt - t.escAt << " ms";
}

// What the process writes to standard error while one of these lives.
class CapturedStderr
{
public:
    CapturedStderr()
        : saved_(dup(2))
    {
        std::fflush(stderr);
        const int fd = open(file_.filePath("stderr").toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~CapturedStderr()
    {
        restore();
    }
    // Puts standard error back and returns what was written meanwhile.
    QString restore()
    {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, 2);
            close(saved_);
            saved_ = -1;
        }
        QFile f(file_.filePath("stderr"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

private:
    QTemporaryDir file_;
    int saved_;
};

// Gives ALSA, which the sound cue and the bell play through, a configuration of
// our own for as long as it lives.
class AlsaConfiguration
{
public:
    explicit AlsaConfiguration(const QByteArray &text)
        : saved_(qgetenv("ALSA_CONFIG_PATH"))
    {
        QFile f(dir_.filePath("asound.conf"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        f.close();
        qputenv("ALSA_CONFIG_PATH", dir_.filePath("asound.conf").toLocal8Bit());
    }
    ~AlsaConfiguration()
    {
        if (saved_.isEmpty())
            qunsetenv("ALSA_CONFIG_PATH");
        else
            qputenv("ALSA_CONFIG_PATH", saved_);
    }
    QString path(const QString &name) const
    {
        return dir_.filePath(name);
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

// The game's lines on standard error that are about sound, or from the sound libraries.
int soundLines(const QString &written)
{
    int lines = 0;
    for (const QString &line : written.split('\n', Qt::SkipEmptyParts))
        lines += line.contains("ALSA", Qt::CaseInsensitive) || line.contains("sound", Qt::CaseInsensitive) || line.contains("canberra", Qt::CaseInsensitive);
    return lines;
}

} // namespace

// Speech paced by a server that never says a word: each offer waits at most the
// bound for its name, and Esc ends the game at once.
TEST(HostileSpeech, ASilentServerHoldsNoOfferPastTheBoundAndEscStillEndsTheGameAtOnce)
{
    SpeechServerAddress server;
    server.listenSilently();
    QtTableView view { WILDCREST_GAME_DIR };
    // AH, 2H, 3H and 4S may be played on the 4H, offered in turn.
    ListedRandom random(sortedDeck());
    ScanRoom scan(view);
    scan.settings.speech = true;
    scan.settings.scanTime = 1000ms;
    GameForm game(view, random, scan);
    view.show();
    hideAsAtLoad(view);

    expectOnTime(offersThenEsc(view, game, 4), 4, scan, OfferTimer::kSpeechBound);
}

// The game in the real window with the sound cue on, each card offered for a second.
class HostileSound : public ::testing::Test
{
protected:
    void SetUp() override
    {
        scan.settings.soundCue = true;
        scan.settings.scanTime = 1000ms;
        view.show();
        hideAsAtLoad(view);
    }

    QtTableView view { WILDCREST_GAME_DIR };
    ListedRandom random { sortedDeck() };
    ScanRoom scan { view };
    GameForm game { view, random, scan };
};

// A sound device unplugged mid-game (ALSA's file device, whose folder is taken
// away): the cue played while it was there; afterwards the cue and the bell
// fail without a sound, the offers keep their times, and one line at most says so.
TEST_F(HostileSound, ADeviceUnpluggedMidGameMovesNoOfferAndIsSaidOnceAtMost)
{
    QTemporaryDir device;
    const QString played = device.filePath("played.raw");
    AlsaConfiguration alsa("pcm.!default { type file slave { pcm { type null } } file \"" + played.toLocal8Bit() + "\" format raw }\n");
    CapturedStderr errors;
    // Each cue opens the device afresh, which empties the file before it writes the sound.
    qint64 heard = 0;
    QTimer listen;
    QObject::connect(&listen, &QTimer::timeout, &view, [&] { heard = std::max(heard, QFileInfo(played).size()); });
    listen.start(5);
    const OfferTimes t = offersThenEsc(view, game, 8, [&](std::size_t offer) {
        if (offer == 4) {
            listen.stop();
            // Unplugged. A cue still being written can put its file back while
            // the folder is emptied, and then the folder stays: take it again.
            for (int tries = 0; tries < 20 && !device.remove(); ++tries)
                QThread::msleep(5);
        }
        if (offer == 6 || offer == 7)
            view.beep(); // the match-end bell, with nothing to ring it; rung inside the game's loop, any wait would move the next offer
    });
    const QString written = errors.restore();
    expectOnTime(t, 8, scan);
    EXPECT_GT(heard, 0) << "the cue never reached the device while it was there";
    EXPECT_FALSE(QFileInfo::exists(played));
    EXPECT_LE(soundLines(written), 1) << written.toStdString();
}

// No sound card at all, as ALSA sees it on a machine without one.
TEST_F(HostileSound, NoSoundCardAtAllIsSaidOnceAtMostAndMovesNoOffer)
{
    AlsaConfiguration alsa("</usr/share/alsa/alsa.conf>\ndefaults.pcm.card 99\ndefaults.ctl.card 99\n");
    CapturedStderr errors;
    const OfferTimes t = offersThenEsc(view, game, 5, [&](std::size_t offer) {
        if (offer == 2 || offer == 3)
            view.beep();
    });
    const QString written = errors.restore();
    expectOnTime(t, 5, scan);
    EXPECT_LE(soundLines(written), 1) << written.toStdString();
}
