// SPDX-License-Identifier: GPL-3.0-or-later
// Speech through speech-dispatcher, in a test program of its own: the speech
// library's own allocations are told apart from ours by a full unwind. Servers
// that are missing, silent or slow never hold the game up.
#include "silentspeechserver.h"
#include "table/qt/speech.h"

#include <algorithm>
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
