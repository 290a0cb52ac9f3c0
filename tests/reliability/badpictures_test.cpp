// Damaged, missing and misplaced pictures: the game ends with a clear message
// naming the file and a non-zero status, never a crash or a hang.
#include "gamecopy.h"

#include "app/gameform.h"
#include "app/speeds.h"
#include "cards/picturepaths.h"
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
        names.insert(QString::fromStdString(canonicalCard(p)) + ".bmp");
    return names;
}

// Deck rolls that deal the card at canonical place `first` to the player first.
std::deque<std::int32_t> dealingFirst(int first)
{
    std::deque<std::int32_t> rolls { first };
    for (int p = 1; p <= 52; ++p)
        if (p != first)
            rolls.push_back(p);
    return rolls;
}

void hideAsAtLoad(QtTableView &view)
{
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49 })
        view.setVisible(c, false);
}

void pressSpace(QtTableView &view)
{
    QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
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

TEST(BadPictures, AMissingBackEndsTheGameWithItsPathAtTheDeal)
{
    GameCopy copy;
    copy.damage("Back.bmp", GameCopy::Damage::Missing);
    QtTableView view;
    ListedRandom random(dealingFirst(1));
    GameForm game(view, random, copy.path().toStdString());
    view.show();
    hideAsAtLoad(view);
    bool titleShown = false;
    QTimer::singleShot(200, &view, [&] {
        titleShown = view.widgetOf(Frame1)->isVisible();
        pressSpace(view);
    });
    EXPECT_EQ(playUntilAPictureFails(game), copy.file("Back.bmp").toStdString());
    EXPECT_TRUE(titleShown);
    // The deck itself is the window's own picture and was there all along.
    EXPECT_FALSE(static_cast<PictureWidget *>(view.widgetOf(Image46))->picture().isNull());
}

TEST(BadPictures, AMissingFaceIsNeededOnlyWhenItsCardIsFirstShown)
{
    GameCopy copy;
    copy.damage("8C.bmp", GameCopy::Damage::Missing);
    QtTableView view;
    // The eight of clubs (canonical place 30) is the first card dealt to the player.
    ListedRandom random(dealingFirst(30));
    GameForm game(view, random, copy.path().toStdString());
    view.show();
    hideAsAtLoad(view);
    bool titleShown = false;
    QTimer::singleShot(200, &view, [&] {
        titleShown = view.widgetOf(Frame1)->isVisible();
        pressSpace(view);
    });
    EXPECT_EQ(playUntilAPictureFails(game), copy.file("8C.bmp").toStdString());
    EXPECT_TRUE(titleShown);
    EXPECT_FALSE(view.widgetOf(Frame1)->isVisible());
}

TEST(BadPictures, EveryPictureOfTheGameFailsWithItsPathWhenDamaged)
{
    const std::set<QString> names = picturesOfTheGame();
    EXPECT_EQ(names.size(), 59u); // 52 faces, back, empty place, card, four suit eights
    GameCopy copy;
    QtTableView view;
    int tried = 0;
    for (const QString &name : names) {
        QFile original(copy.file(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray good = original.readAll();
        original.close();
        ASSERT_NO_THROW(view.setPicture(Image45, copy.file(name).toStdString())) << name.toStdString();
        for (GameCopy::Damage how : kDamages) {
            copy.damage(name, how);
            try {
                view.setPicture(Image45, copy.file(name).toStdString());
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
    QtTableView view;
    // The eight of spades is the player's first card, so it is offered first.
    ListedRandom random(dealingFirst(29));
    GameForm game(view, random, copy.path().toStdString());
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
        pileBeforeFailure = view.isVisible() ? game.curcard : "";
    });
    poll.start(20);

    const std::string failed = playUntilAPictureFails(game);
    EXPECT_TRUE(pressedForTheEight);
    EXPECT_EQ(failed, copy.file("8D.BMP").toStdString());
    // Hearts and spades were offered first, from their sound pictures.
    EXPECT_EQ(game.real8, "8S");
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
