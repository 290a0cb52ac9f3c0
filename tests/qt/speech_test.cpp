// Speech through speech-dispatcher, in a test program of its own: the speech
// library's own allocations are told apart from ours by a full unwind.
#include "testpictures.h"

#include <chrono>
#include <string>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace std::chrono_literals;

using SpeechTest = ViewTest;

TEST_F(SpeechTest, WithoutASpeechServerTheGamePlaysOnAndSaysSoOnce)
{
    const QByteArray saved = qgetenv("SPEECHD_ADDRESS");
    qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/wildcrest-test/speechd.sock");
    ::testing::internal::CaptureStderr();
    const auto before = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(view->say("seven of hearts"));
    EXPECT_NO_THROW(view->say("name a suit: spades"));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 10s);
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (saved.isNull())
        qunsetenv("SPEECHD_ADDRESS");
    else
        qputenv("SPEECHD_ADDRESS", saved);
    int warnings = 0;
    for (std::size_t at = said.find("wildcrest: no speech"); at != std::string::npos; at = said.find("wildcrest: no speech", at + 1))
        ++warnings;
    EXPECT_EQ(warnings, 1) << said;
}
