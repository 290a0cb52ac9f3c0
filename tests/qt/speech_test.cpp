// SPDX-License-Identifier: GPL-3.0-or-later
// Speech through speech-dispatcher, in a test program of its own: the speech
// library's own allocations are told apart from ours by a full unwind. Servers
// that are missing, silent or slow never hold the game up.
#include "silentspeechserver.h"
#include "cards/random.h"
#include "game/gameform.h"
#include "player/scanroom.h"
#include "table/qt/qttableview.h"
#include "table/qt/speech.h"
#include "table/qt/timeleftbar.h"

#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <chrono>
#include <string>
#include <strings.h>

using namespace wildcrest;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace
{

int count(const std::string &text, const std::string &what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class SpeechServerTest : public ::testing::Test
{
protected:
    wildcrest::testing::SpeechServerAddress server;
};

} // namespace

TEST_F(SpeechServerTest, WithoutAServerTheGamePlaysOnAndSaysSoOnce)
{
    server.pointAt("/nonexistent/wildcrest-test/speechd.sock");
    ::testing::internal::CaptureStderr();
    {
        Speech speech;
        speech.say("seven of hearts");
        EXPECT_TRUE(speech.settled(10s));
        speech.say("name a suit: spades");
        EXPECT_TRUE(speech.settled(10s));
        EXPECT_FALSE(speech.available());
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(count(said, "wildcrest: no speech"), 1) << said;
}

TEST_F(SpeechServerTest, AServerThatNeverAnswersHoldsNothingUp)
{
    server.listenSilently();
    const auto started = Clock::now();
    auto longest = Clock::duration::zero();
    {
        Speech speech;
        for (const char *text : { "seven of hearts", "eight of clubs", "name a suit: hearts", "computer plays the two of spades" }) {
            const auto before = Clock::now();
            speech.say(text);
            longest = std::max(longest, Clock::now() - before);
        }
        // Still stuck in the server: nothing has been said, and nothing waits for it.
        EXPECT_FALSE(speech.settled(200ms));
        EXPECT_TRUE(speech.available());
    }
    EXPECT_LT(longest, 50ms);
    // The Speech goes a moment after it is asked to, its thread left in the server.
    EXPECT_LT(Clock::now() - started, 1500ms);
}

TEST_F(SpeechServerTest, TheTextsAreSpokenInTheGamesLanguage)
{
    server.listenAndAnswer();
    {
        Speech speech;
        speech.setLanguage("de");
        speech.say("Herz-Sieben");
        EXPECT_TRUE(speech.settled(10s));
        speech.say("Farbe wünschen: Pik");
        EXPECT_TRUE(speech.settled(10s));
        EXPECT_TRUE(speech.available());
    }
    const std::vector<std::string> lines = server.lines();
    // The protocol's words are the same in any case.
    const auto at = [&](const std::string &line) {
        return std::find_if(lines.begin(), lines.end(), [&](const std::string &sent) { return ::strcasecmp(sent.c_str(), line.c_str()) == 0; }) - lines.begin();
    };
    ASSERT_LT(at("SET SELF LANGUAGE de"), std::ptrdiff_t(lines.size())) << ::testing::PrintToString(lines);
    EXPECT_LT(at("SET SELF LANGUAGE de"), at("SPEAK"));
    EXPECT_LT(at("Herz-Sieben"), at("Farbe wünschen: Pik"));
    EXPECT_LT(at("Farbe wünschen: Pik"), std::ptrdiff_t(lines.size()));
}

// A server that tells when each text has been spoken: the last text handed over
// is heard 1.5 s after it was queued, and the wait it ends is woken; a text cut
// short by the next one never counts as heard.
TEST_F(SpeechServerTest, TheEndOfTheLastTextIsHeardAsTheServerReportsIt)
{
    server.listenAndAnswer(1500ms);
    std::atomic<int> wakes { 0 };
    Speech speech;
    speech.onHeard([&] { ++wakes; });
    speech.say("seven of hearts");
    speech.say("eight of clubs"); // replaces the seven, queued or not
    const auto handed = Clock::now();
    EXPECT_FALSE(speech.heardToEnd());
    while (!speech.heardToEnd() && Clock::now() - handed < 5s)
        std::this_thread::sleep_for(5ms);
    ASSERT_TRUE(speech.heardToEnd());
    const auto heard = Clock::time_point(*speech.heardToEnd());
    EXPECT_GE(heard - handed, 1450ms);
    EXPECT_LT(heard - handed, 1600ms);
    EXPECT_EQ(wakes, 1);
    speech.say("name a suit: hearts");
    EXPECT_FALSE(speech.heardToEnd());
}

namespace
{

// A turn in the window with speech and the time-left bar, on 9H, KH and QH and
// a scan time of 1 s, closed after `length`: when each offer began (its bar
// moved to its card), and what was left of the bar 0.75 s and 2 s in.
struct WindowTurn {
    std::vector<Clock::time_point> offers;
    std::vector<double> barLeft;
};
WindowTurn windowTurn(std::chrono::milliseconds length)
{
    QtTableView view(WILDCREST_GAME_DIR);
    ClockFoldedRandom random(1);
    ScanRoom scan(view);
    scan.settings.speech = true;
    scan.settings.scanTime = 1000ms;
    scan.settings.timeLeftBar = true;
    GameForm game(view, random, scan);
    game.load();
    view.setVisible(Frame1, false); // the title screen taken away, as before any offer
    view.show();
    game.match.curcard = "5H";
    for (int i = 1; i <= kHandPlaces; ++i)
        game.match.hand[i][kPlayer] = i <= 3 ? std::array<Card, 3> { "9H", "KH", "QH" }[i - 1] : Card {};
    WindowTurn turn;
    QWidget *bar = view.timeLeftBar();
    QTimer watch;
    int barAt = -1;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (bar->isVisible() && bar->x() != barAt) {
            barAt = bar->x();
            turn.offers.push_back(Clock::now());
        }
    });
    watch.start(2);
    const auto look = [&] { turn.barLeft.push_back(bar->isVisible() ? view.timeLeftBar()->left() : -1); };
    QTimer::singleShot(750, look);
    QTimer::singleShot(2000, look);
    QTimer::singleShot(int(length.count()), [&] { view.closeWindow(); });
    EXPECT_THROW(game.selection(), GameEnded);
    return turn;
}

double millisecondsBetween(Clock::time_point a, Clock::time_point b)
{
    return double(std::chrono::duration_cast<std::chrono::microseconds>(b - a).count()) / 1000;
}

} // namespace

// The window with speech paced by that server: each card is offered for its
// name's 1.5 s and then the scan time of 1 s, and the bar of the time left
// stays full while the name is spoken and empties over the scan time.
TEST_F(SpeechServerTest, InTheWindowEachOfferLastsItsNameAndThenTheScanTime)
{
    server.listenAndAnswer(1500ms);
    const int before = server.messages();
    const WindowTurn turn = windowTurn(8500ms);
    const auto queued = server.queuedAt();
    ASSERT_GE(queued.size(), std::size_t(before) + 4);
    for (std::size_t k = before + 1; k < queued.size(); ++k)
        EXPECT_NEAR(millisecondsBetween(queued[k - 1], queued[k]), 2500, 50) << "offer " << k - before;
    ASSERT_GE(turn.offers.size(), 4u);
    for (std::size_t k = 1; k < turn.offers.size(); ++k)
        EXPECT_NEAR(millisecondsBetween(turn.offers[k - 1], turn.offers[k]), 2500, 50) << "bar " << k;
    ASSERT_EQ(turn.barLeft.size(), 2u);
    EXPECT_EQ(turn.barLeft[0], 1); // the nine's name is still spoken
    EXPECT_GT(turn.barLeft[1], 0.2); // halfway through its scan time
    EXPECT_LT(turn.barLeft[1], 0.8);
}
