// SPDX-License-Identifier: GPL-3.0-or-later
#include "literal.h"

#include "settings/speeds.h"
#include "table/layout.h"

#include <QCoreApplication>

namespace wildcrest::bench
{

bool literalPacingDelay(GameForm &game, bool offersChoice)
{
    for (std::int32_t i = 1; i <= game.delayvalue; ++i) {
        QCoreApplication::processEvents();
        if (offersChoice && game.waits().hitkey == kTrue)
            return true;
    }
    return false;
}

void literalWaitForKey(GameForm &game)
{
    game.waits().hitkey = kFalse;
    do
        QCoreApplication::processEvents();
    while (game.waits().hitkey == kFalse);
}

void literalDrawAnimation(GameForm &game)
{
    TableView &view = game.view();
    const Twips startLeft = view.left(Image46);
    const Twips startTop = view.top(Image46);
    const Twips targetLeft = view.left(playerslot(1));
    const Twips targetTop = view.top(playerslot(1));
    for (int step = 1; step <= kAnimationSteps; ++step) {
        for (int twice = 0; twice < 2; ++twice) {
            if (view.left(Image46) < targetLeft)
                view.setLeft(Image46, view.left(Image46) + 10);
            if (view.left(Image46) > targetLeft)
                view.setLeft(Image46, view.left(Image46) - 10);
        }
        if (view.top(Image46) < targetTop)
            view.setTop(Image46, view.top(Image46) + 10);
        if (view.top(Image46) > targetTop)
            view.setTop(Image46, view.top(Image46) - 10);
        QCoreApplication::processEvents();
    }
    view.setTop(Image46, startTop);
    view.setLeft(Image46, startLeft);
}

void literalHeldCard(GameForm &game)
{
    TableView &view = game.view();
    const Control card = playerslot(1);
    for (;;) {
        view.setTop(card, view.top(card) - kLift);
        if (literalPacingDelay(game, true)) {
            view.setPicture(card, Picture::empty());
            return;
        }
        view.setTop(card, view.top(card) + kLift);
        QCoreApplication::processEvents();
    }
}

} // namespace wildcrest::bench
