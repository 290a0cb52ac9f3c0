// SPDX-License-Identifier: GPL-3.0-or-later
// Named players, each with a file of their own, and two of them at one table.
#include "app/qt/players.h"
#include "app/qt/settingsfile.h"
#include "app/seats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace wildcrest;
using namespace std::chrono_literals;

namespace
{

// A config home of its own with two players, Sam (who names Alex as the opponent) and Alex.
class PlayersTest : public ::testing::Test
{
protected:
    PlayersTest()
        : saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QDir().mkpath(playersFolder());
        write(settingsFilePath(), "scan-time=5\n");
        write(playerFilePath("Sam"), "scan-time=3\nswitch=button:0\nopponent=Alex\nhands=open\nnarration=on\n");
        write(playerFilePath("Alex"), "switch=button:1\nspeech=on\nscan-time=fast\n");
    }
    ~PlayersTest() override
    {
        qputenv("XDG_CONFIG_HOME", saved_);
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    CommandLine run(const std::vector<std::string> &args)
    {
        err.str("");
        return readCommandLine(args, out, err);
    }
    // Ends with status 2 and a message holding every one of `said`.
    void expectRefused(const std::vector<std::string> &args, const std::vector<std::string> &said)
    {
        const CommandLine line = run(args);
        EXPECT_EQ(line.then, CommandLine::Then::Exit) << args[0];
        EXPECT_EQ(line.status, 2) << args[0];
        for (const std::string &part : said)
            EXPECT_NE(err.str().find(part), std::string::npos) << part << " not in: " << err.str();
    }

    std::ostringstream out, err;

private:
    QTemporaryDir home_;
    QByteArray saved_;
};

} // namespace

TEST_F(PlayersTest, APlayerIsReadFromTheirFileWithTheOpponentsBesideIt)
{
    CommandLine line = run({ "--player=Sam", "--speech=on" });
    ASSERT_EQ(line.then, CommandLine::Then::Play) << err.str();
    EXPECT_EQ(line.player, "Sam");
    EXPECT_EQ(line.file, playerFilePath("Sam"));
    EXPECT_EQ(line.settings.scanTime, 3000ms) << "the player's file, not wildcrest.conf";
    EXPECT_TRUE(line.settings.speech) << "the command line goes over the file";
    EXPECT_EQ(line.settings.hands, Hands::Open);
    EXPECT_TRUE(line.settings.narration);
    EXPECT_EQ(line.opponent, "Alex");
    EXPECT_EQ(line.opponentSettings.playerSwitch, (PlayerSwitch { PlayerSwitch::Kind::Button, {}, 1 }));
    EXPECT_TRUE(line.opponentSettings.speech);
    EXPECT_EQ(line.opponentSettings.scanTime, Settings {}.scanTime) << "a bad value of the opponent's file keeps its default";
    EXPECT_EQ(err.str().rfind("wildcrest: " + playerFilePath("Alex").toStdString() + ": line 3: scan-time: ", 0), 0u) << err.str();
    EXPECT_FALSE(line.choosePlayer);

    // With no --player, the player with no name plays, and the title offers the two players.
    line = run({});
    EXPECT_EQ(line.settings.scanTime, 5000ms);
    EXPECT_EQ(line.player, "");
    EXPECT_EQ(line.opponent, "");
    EXPECT_TRUE(line.choosePlayer);
    EXPECT_FALSE(run({ "--settings" }).choosePlayer);
    QFile::remove(playerFilePath("Alex"));
    EXPECT_FALSE(run({}).choosePlayer) << "one player is no choice";
}

TEST_F(PlayersTest, ABadOrUnknownPlayerIsRefusedByName)
{
    expectRefused({ "--player=a/b" }, { "--player=a/b", "slash" });
    expectRefused({ "--player=.." }, { "--player=..", "dot" });
    expectRefused({ "--player=" }, { "cannot be empty" });
    expectRefused({ "--player=" + std::string(41, 'x') }, { "at most 40 characters" });
    expectRefused({ "--player" }, { "--player=NAME" });
    expectRefused({ "--player=Bob" }, { "there is no player Bob", "the players are Alex, Sam", "Usage: wildcrest" });
    EXPECT_EQ(run({ "--player=" + std::string(40, 'x') }).status, 2) << "a good name, but no file";
}

TEST_F(PlayersTest, AnOpponentWhoCannotSitAtTheTableIsRefused)
{
    expectRefused({ "--player=Sam", "--opponent=Sam" }, { "opponent=Sam", "against themself" });
    expectRefused({ "--player=Sam", "--opponent=Carl" }, { "there is no player Carl", "the players are Alex, Sam" });
    // The same switch named by both players, whichever kind it is.
    for (const std::string own : { "button:1", "key:Space", "right-click" }) {
        write(playerFilePath("Alex"), QByteArray::fromStdString("switch=" + own + "\n"));
        expectRefused({ "--player=Sam", "--switch=" + own }, { "Sam and Alex both have switch=" + own });
    }
    // The player with no name, against Alex; both leaving their switch to any is no clash.
    write(playerFilePath("Alex"), "switch=any\n");
    const CommandLine line = run({ "--opponent=Alex" });
    EXPECT_EQ(line.then, CommandLine::Then::Play) << err.str();
    EXPECT_EQ(line.opponent, "Alex");
}

TEST(SeatWiring, EachSeatLeavesTheSwitchTheOtherNames)
{
    Settings sam, alex;
    sam.playerSwitch = { PlayerSwitch::Kind::Button, {}, 0 };
    sam.mouseSwitch = false;
    std::vector<SwitchWiring> seats = seatWiring(sam, nullptr);
    ASSERT_EQ(seats.size(), 1u);
    EXPECT_EQ(seats[0].own, sam.playerSwitch);
    EXPECT_FALSE(seats[0].mouse);
    EXPECT_TRUE(seats[0].others.empty());

    // Alex takes any input: everything but Sam's button. Sam names one switch and leaves Alex nothing to take out.
    seats = seatWiring(sam, &alex);
    ASSERT_EQ(seats.size(), 2u);
    EXPECT_TRUE(seats[0].others.empty());
    EXPECT_EQ(seats[1].own.kind, PlayerSwitch::Kind::Any);
    EXPECT_TRUE(seats[1].mouse);
    EXPECT_EQ(seats[1].others, std::vector<PlayerSwitch> { sam.playerSwitch });

    alex.playerSwitch = { PlayerSwitch::Kind::Key, "Space", 0 };
    seats = seatWiring(sam, &alex);
    EXPECT_EQ(seats[0].others, std::vector<PlayerSwitch> { alex.playerSwitch });
    EXPECT_EQ(seats[1].others, std::vector<PlayerSwitch> { sam.playerSwitch });
}
