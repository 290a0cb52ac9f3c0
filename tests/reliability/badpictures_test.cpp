// Damaged, missing and misplaced pictures: the game ends with a clear message
// naming the file and a non-zero status, never a crash or a hang.
#include "gamecopy.h"

#include "app/gameform.h"
#include "app/speeds.h"
#include "cards/picturepaths.h"
#include "table/layout.h"
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

// Every picture the window or the game ever loads, by file name.
std::set<QString> picturesOfTheGame()
{
    std::set<QString> names { "Back.bmp", "Empty.bmp", "Card.bmp", "8H.BMP", "8S.BMP", "8D.BMP", "8C.BMP" };
    for (int p = 1; p <= 52; ++p)
        names.insert(QString::fromStdString(canonicalCard(p)) + ".bmp");
    for (const ControlSpec &entry : tableLayout())
        if (!entry.builtInPicture.empty())
            names.insert(QString::fromStdString(entry.builtInPicture));
    return names;
}

} // namespace

TEST(BadPictures, ThePicturesNeededAtStartEndTheRealGameWithTheirPath)
{
    std::set<QString> atStart { "Card.bmp" };
    for (const ControlSpec &entry : tableLayout())
        if (!entry.builtInPicture.empty())
            atStart.insert(QString::fromStdString(entry.builtInPicture));
    int tried = 0;
    for (const QString &name : atStart) {
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
    EXPECT_EQ(tried, int(atStart.size()) * 4);
    std::cout << "damaged start-up pictures tried: " << tried << "\n";
}

TEST(BadPictures, EveryPictureOfTheGameFailsWithItsPathWhenDamaged)
{
    const std::set<QString> names = picturesOfTheGame();
    EXPECT_EQ(names.size(), 62u); // 52 faces, back, empty place, card, four suit eights, title, logo, banner
    GameCopy copy;
    QtTableView view(copy.path().toStdString());
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
    QtTableView view(copy.path().toStdString());
    // The eight of spades is the player's first card, so it is offered first.
    std::deque<std::int32_t> rolls { 29 };
    for (int p = 1; p <= 52; ++p)
        if (p != 29)
            rolls.push_back(p);
    ListedRandom random(rolls);
    GameForm game(view, random, copy.path().toStdString());
    view.show();
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49 })
        view.setVisible(c, false);

    const auto press = [&view] { QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ")); };
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

    std::string failed;
    try {
        game.activate();
    } catch (const PictureError &e) {
        failed = e.path();
    } catch (const GameEnded &) {
    }
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
