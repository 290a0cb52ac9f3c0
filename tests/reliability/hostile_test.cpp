// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the real window among surroundings that misbehave: a speech
// server that takes the connection and never answers must not move an offer
// off its time nor keep Esc from ending the game.
#include "app/gameform.h"
#include "player/scanroom.h"
#include "realwindow.h"
#include "silentspeechserver.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace wildcrest;
using namespace wildcrest::testing;

TEST(HostileSpeech, ASilentServerMovesNoOfferAndEscStillEndsTheGameAtOnce)
{
    SpeechServerAddress server;
    server.listenSilently();
    QtTableView view;
    // AH, 2H, 3H and 4S may be played on the 4H, offered in turn.
    ListedRandom random(sortedDeck());
    ScanRoom scan(view);
    scan.settings.speech = true;
    GameForm game(view, random, WILDCREST_GAME_DIR, scan);
    view.show();
    hideAsAtLoad(view);

    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> offerStarts;
    int lifted = 0;
    qint64 escAt = -1;
    QTimer::singleShot(100, &view, [&] { pressSpace(view); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &view, [&] {
        const int now = liftedSlot(view);
        if (now != 0 && now != lifted)
            offerStarts.push_back(clock.elapsed());
        lifted = now;
        if (offerStarts.size() == 6 && escAt < 0) {
            escAt = clock.elapsed();
            postKey(view, Qt::Key_Escape, QString(QChar(27)));
        }
    });
    poll.start(2);

    bool ended = false;
    try {
        game.activate();
    } catch (const GameEnded &) {
        ended = true;
    }
    const qint64 endedAt = clock.elapsed();
    ASSERT_TRUE(ended);
    ASSERT_EQ(offerStarts.size(), 6u);
    // Each offer is held for one scan time, to within 50 ms, although every one of them was to be spoken.
    const qint64 scanTime = std::chrono::duration_cast<std::chrono::milliseconds>(scan.scantime()).count();
    for (std::size_t i = 1; i < offerStarts.size(); ++i)
        EXPECT_NEAR(double(offerStarts[i] - offerStarts[i - 1]), double(scanTime), 50.0) << "offer " << i;
    EXPECT_LT(endedAt - escAt, 100) << "Esc took " << endedAt - escAt << " ms";
}
