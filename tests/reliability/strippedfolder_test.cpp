// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale and card style plays a card from a folder stripped of all but
// the game's own card pictures: the default look reads those, and every other
// look draws its pictures when the window opens and reads none at all, so it
// plays from an empty folder.
#include "realwindow.h"

#include "game/gameform.h"
#include "table/qt/controlwidgets.h"
#include "table/qt/qttableview.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

struct Played {
};

TableLook lookOf(double scale, CardStyle style, bool fourColour, Contrast contrast = Contrast::Standard)
{
    TableLook look;
    look.scale = scale;
    look.cardStyle = style;
    look.fourColour = fourColour;
    look.contrast = contrast;
    return look;
}

} // namespace

TEST(StrippedFolder, EveryScaleAndStylePlaysACardReadingOnlyTheCardPictures)
{
    const TableLook looks[] = { {},
        lookOf(1, CardStyle::Standard, false, Contrast::High),
        lookOf(1.5, CardStyle::LargeIndex, false),
        lookOf(2, CardStyle::Standard, true),
        lookOf(2.5, CardStyle::LargeIndex, true, Contrast::High),
        lookOf(3, CardStyle::LargeIndex, true) };
    for (const TableLook &look : looks) {
        SCOPED_TRACE(look.scale);
        QTemporaryDir folder;
        const QString dir = folder.path();
        if (ownPictures(look, 1)) {
            for (const QString &name : QDir(WILDCREST_GAME_DIR).entryList({ "*.bmp", "*.BMP" }, QDir::Files))
                ASSERT_TRUE(QFile::copy(QStringLiteral(WILDCREST_GAME_DIR "/") + name, dir + "/" + name));
        }
        QtTableView view(dir.toStdString(), look);
        ListedRandom random(sortedDeck());
        GameForm game(view, random);
        view.show();
        hideAsAtLoad(view);
        bool titlePressed = false, cardPressed = false;
        QTimer presser;
        QObject::connect(&presser, &QTimer::timeout, &view, [&] {
            if (!titlePressed || (!cardPressed && liftedSlot(view))) {
                cardPressed = titlePressed;
                titlePressed = true;
                pressSpace(view);
            }
        });
        presser.start(50);
        game.onTurnEnd([](const GameForm &) { throw Played {}; });
        try {
            game.activate();
            ADD_FAILURE() << "the game ended before the player's turn";
        } catch (const Played &) {
        } catch (const PictureError &e) {
            ADD_FAILURE() << "read " << e.path();
        }
        EXPECT_TRUE(cardPressed);
        const QPixmap pile = static_cast<PictureWidget *>(view.widgetOf(Image45))->picture();
        EXPECT_EQ(pile.width(), std::lround(71 * view.pictureScale()));
    }
}
