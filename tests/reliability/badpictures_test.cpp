// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged, missing and misplaced pictures: the game ends with a clear message
// naming the file and a non-zero status, never a crash or a hang.
#include "gamecopy.h"
#include "realwindow.h"
#include "testpictures.h"

#include "game/gameform.h"
#include "settings/speeds.h"
#include "table/layout.h"
#include "table/qt/controlwidgets.h"
#include "table/qt/qttableview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <set>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

constexpr GameCopy::Damage kDamages[] = { GameCopy::Damage::Missing, GameCopy::Damage::Empty, GameCopy::Damage::Truncated, GameCopy::Damage::NotABitmap };

// Every picture file the game ever loads; the window's own are compiled in.
std::set<QString> picturesOfTheGame()
{
    std::set<QString> names { "Back.bmp", "Empty.bmp", "Card.bmp", "8H.BMP", "8S.BMP", "8D.BMP", "8C.BMP" };
    for (int p = 1; p <= 52; ++p)
        names.insert(QString::fromStdString(canonicalCard(p).code()) + ".bmp");
    return names;
}

// Plays the game in this window until a picture fails; returns the failed path.
std::string playUntilAPictureFails(GameForm &game)
{
    try {
        game.activate();
    } catch (const PictureError &e) {
        return e.path();
    } catch (const GameEnded &) {
    }
    return {};
}

} // namespace

TEST(BadPictures, OnlyTheMovingCardIsReadAtStartAndItEndsTheRealGameWithItsPath)
{
    int tried = 0;
    for (const QString &name : { QStringLiteral("Card.bmp") }) {
        for (GameCopy::Damage how : kDamages) {
            GameCopy copy;
            copy.damage(name, how);
            const GameRun r = runFor(copy.exe(), 20);
            const std::string what = name.toStdString() + " " + damageName(how);
            ASSERT_TRUE(r.finished) << what << ": still running";
            EXPECT_FALSE(r.crashed) << what;
            EXPECT_EQ(r.status, 1) << what;
            EXPECT_TRUE(r.err.contains("wildcrest: cannot load the picture " + copy.file(name))) << what << ": " << r.err.toStdString();
            ++tried;
        }
    }
    EXPECT_EQ(tried, 4);
    std::cout << "damaged start-up pictures tried: " << tried << "\n";
}

TEST(BadPictures, ThePicturesOfPlayAreNotNeededToOpenTheWindow)
{
    // Each is first needed at the deal or later: the real game still shows its title screen.
    for (const QString &name : { QStringLiteral("Back.bmp"), QStringLiteral("Empty.bmp"), QStringLiteral("8C.bmp"), QStringLiteral("8C.BMP") }) {
        GameCopy copy;
        copy.damage(name, GameCopy::Damage::Missing);
        const GameRun r = runFor(copy.exe(), 4);
        EXPECT_FALSE(r.finished) << name.toStdString() << " missing ended the game: " << r.err.toStdString();
    }
}

namespace
{

// The real window over a copy of the game whose picture `name` is missing, dealt
// the card at canonical place `first` first: where the game fails, once a press
// has taken the title screen away.
struct MissingPictureRun {
    std::string failedPath;
    bool titleShown = false;
    bool deckShown = false;
    bool titleGone = false;
};

MissingPictureRun playWithout(const QString &name, int first, GameCopy &copy)
{
    copy.damage(name, GameCopy::Damage::Missing);
    QtTableView view(copy.path().toStdString());
    ListedRandom random(dealingFirst(first));
    GameForm game(view, random);
    view.show();
    hideAsAtLoad(view);
    MissingPictureRun run;
    QTimer::singleShot(200, &view, [&] {
        run.titleShown = view.widgetOf(Frame1)->isVisible();
        pressSpace(view);
    });
    run.failedPath = playUntilAPictureFails(game);
    run.deckShown = !static_cast<PictureWidget *>(view.widgetOf(Image46))->picture().isNull();
    run.titleGone = !view.widgetOf(Frame1)->isVisible();
    return run;
}

} // namespace

TEST(BadPictures, AMissingBackEndsTheGameWithItsPathAtTheDeal)
{
    GameCopy copy;
    const MissingPictureRun run = playWithout("Back.bmp", 1, copy);
    EXPECT_EQ(run.failedPath, copy.file("Back.bmp").toStdString());
    EXPECT_TRUE(run.titleShown);
    EXPECT_TRUE(run.titleGone);
    // The deck itself is the window's own picture and was there all along.
    EXPECT_TRUE(run.deckShown);
}

TEST(BadPictures, AMissingFaceIsNeededOnlyWhenItsCardIsFirstShown)
{
    GameCopy copy;
    // The eight of clubs (canonical place 30) is the first card dealt to the player.
    const MissingPictureRun run = playWithout("8C.bmp", 30, copy);
    EXPECT_EQ(run.failedPath, copy.file("8C.bmp").toStdString());
    EXPECT_TRUE(run.titleShown);
    EXPECT_TRUE(run.titleGone);
}

TEST(BadPictures, EveryPictureOfTheGameFailsWithItsPathWhenDamaged)
{
    const std::set<QString> names = picturesOfTheGame();
    EXPECT_EQ(names.size(), 59u); // 52 faces, back, empty place, card, four suit eights
    GameCopy copy;
    QtTableView view(copy.path().toStdString());
    int tried = 0;
    for (const QString &name : names) {
        QFile original(copy.file(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray good = original.readAll();
        original.close();
        ASSERT_NO_THROW(view.setPicture(Image45, gamePicture(copy.file(name).toStdString()))) << name.toStdString();
        for (GameCopy::Damage how : kDamages) {
            copy.damage(name, how);
            try {
                view.setPicture(Image45, gamePicture(copy.file(name).toStdString()));
                ADD_FAILURE() << name.toStdString() << " " << damageName(how) << " was loaded";
            } catch (const PictureError &e) {
                EXPECT_EQ(e.path(), copy.file(name).toStdString());
            }
            ++tried;
            QFile restore(copy.file(name));
            ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
            restore.write(good);
        }
    }
    std::cout << "damaged pictures tried: " << tried << "\n";
}

// The game in this process, in the real window: a picture needed only later in
// play fails at the moment it is first shown, not before.
TEST(BadPictures, APictureNeededLaterFailsOnlyWhenItIsFirstShown)
{
    GameCopy copy;
    copy.damage("8D.BMP", GameCopy::Damage::Truncated);
    QtTableView view(copy.path().toStdString());
    // The eight of spades is the player's first card, so it is offered first.
    ListedRandom random(dealingFirst(29));
    GameForm game(view, random);
    view.show();
    hideAsAtLoad(view);

    const auto press = [&view] { pressSpace(view); };
    std::string pileBeforeFailure;
    QTimer::singleShot(200, &view, press); // the title screen
    QTimer poll;
    bool pressedForTheEight = false;
    QObject::connect(&poll, &QTimer::timeout, &view, [&] {
        if (!pressedForTheEight && view.top(playerslot(1)) == playerslotRect(1).top - kLift) {
            pressedForTheEight = true;
            press();
        }
        pileBeforeFailure = view.isVisible() ? game.match.curcard.code() : "";
    });
    poll.start(20);

    const std::string failed = playUntilAPictureFails(game);
    EXPECT_TRUE(pressedForTheEight);
    EXPECT_EQ(failed, copy.file("8D.BMP").toStdString());
    // Hearts and spades were offered first, from their sound pictures, while
    // the eight of spades stood lifted in the hand, to be played once its suit is named.
    EXPECT_EQ(game.match.hand[1][kPlayer], "8S");
    EXPECT_TRUE(game.match.real8.empty());
    EXPECT_TRUE(view.isVisible());
}

TEST(BadPictures, AReadOnlyGameDirectoryIsLeftAsItWas)
{
    GameCopy copy;
    const QStringList before = copy.files();
    for (const QString &name : before)
        QFile::setPermissions(copy.file(name), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(copy.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const GameRun r = runFor(copy.exe(), 6, QDir::tempPath());
    QFile::setPermissions(copy.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(r.finished) << "the game ended: " << r.err.toStdString();
    EXPECT_EQ(copy.files(), before);
}

TEST(BadPictures, AGameStartedThroughALinkFindsItsPicturesBesideTheRealFile)
{
    GameCopy copy;
    QTemporaryDir elsewhere;
    const QString link = elsewhere.path() + "/wildcrest";
    ASSERT_TRUE(QFile::link(copy.exe(), link));
    const GameRun r = runFor(link, 6, elsewhere.path());
    EXPECT_FALSE(r.finished) << "the game ended: " << r.err.toStdString();
}
