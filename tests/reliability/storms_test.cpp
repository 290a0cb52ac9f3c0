// SPDX-License-Identifier: GPL-3.0-or-later
// Storms of key presses in the real window: the game takes exactly one play
// for a storm and goes on answering a single press at once.
#include "realwindow.h"

#include "game/gameform.h"
#include "settings/speeds.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

int cardsOf(const GameForm &game, int column)
{
    int n = 0;
    for (int i = 1; i <= kHandPlaces; ++i)
        n += !game.match.hand[i][column].empty();
    return n;
}

} // namespace

TEST(KeyStorms, AThousandPressesAtOnceMakeOnePlayAndTheGameStaysQuick)
{
    QtTableView view(WILDCREST_GAME_DIR);
    ListedRandom random(sortedDeck());
    GameForm game(view, random);
    view.show();
    hideAsAtLoad(view);

    const auto storm = [&view](int presses) {
        for (int i = 0; i < presses; ++i)
            QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_A + i % 26, Qt::NoModifier, QString(QChar('a' + i % 26))));
    };

    enum class Step { Title, Deal, FirstHold, AfterStorm, SecondHold, Single, Done } step = Step::Title;
    QElapsedTimer clock;
    clock.start();
    qint64 stepAt = 0;
    qint64 reaction = -1;
    int playerHalves = 0;
    std::vector<Card> pileAfterPlayer;
    game.onTurnEnd([&](const GameForm &g) {
        if (++playerHalves % 2 == 1)
            pileAfterPlayer.push_back(g.match.curcard);
    });

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &view, [&] {
        const qint64 now = clock.elapsed();
        switch (step) {
        case Step::Title:
            storm(1);
            step = Step::Deal;
            stepAt = now;
            break;
        case Step::Deal:
            if (now - stepAt > 2000 && now - stepAt < 2100)
                storm(1000); // while the cards are dealt
            if (liftedSlot(view)) {
                step = Step::FirstHold;
                stepAt = now;
            }
            break;
        case Step::FirstHold:
            EXPECT_EQ(cardsOf(game, kPlayer), 7) << "a press during the deal played a card";
            if (now - stepAt > 600) {
                EXPECT_EQ(liftedSlot(view), 2); // the ace of hearts, still on offer
                storm(1000);
                step = Step::AfterStorm;
                stepAt = now;
            }
            break;
        case Step::AfterStorm:
            if (cardsOf(game, kComputer) == 6 && liftedSlot(view)) {
                step = Step::SecondHold;
                stepAt = now;
            }
            break;
        case Step::SecondHold:
            EXPECT_EQ(cardsOf(game, kPlayer), 6) << "the storm played more than one card";
            if (now - stepAt > 500) {
                storm(1);
                step = Step::Single;
                stepAt = now;
            }
            break;
        case Step::Single:
            if (cardsOf(game, kPlayer) == 5 && reaction < 0)
                reaction = now - stepAt;
            if (reaction >= 0 && now - stepAt > 800) {
                step = Step::Done;
                view.closeWindow();
            }
            break;
        case Step::Done:
            break;
        }
        if (now > 40000)
            view.closeWindow();
    });
    poll.start(10);

    EXPECT_THROW(game.activate(), GameEnded);
    EXPECT_EQ(int(step), int(Step::Done));
    ASSERT_GE(pileAfterPlayer.size(), 1u);
    EXPECT_EQ(pileAfterPlayer[0], "AH");
    EXPECT_GE(reaction, 0);
    EXPECT_LT(reaction, 300) << "a single press after the storms took " << reaction << " ms";
}
