// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/picturepaths.h"
#include "settings/speeds.h"
#include "table/layout.h"

namespace wildcrest
{

// The motion of every travelling card: 20 twips sideways and 10 up or down a
// step until a coordinate arrives, for exactly 300 steps. Each step is shown at
// its own moment, so a journey takes the same time on any machine; a late step
// only yields, which lets a loaded machine catch up instead of drifting.
void GameForm::travel(Control traveller, Twips targetLeft, Twips targetTop)
{
    const Moment start = view_.now();
    for (int step = 1; step <= kAnimationSteps; ++step) {
        for (int twice = 0; twice < 2; ++twice) {
            if (view_.left(traveller) < targetLeft)
                view_.setLeft(traveller, view_.left(traveller) + 10);
            if (view_.left(traveller) > targetLeft)
                view_.setLeft(traveller, view_.left(traveller) - 10);
        }
        if (view_.top(traveller) < targetTop)
            view_.setTop(traveller, view_.top(traveller) + 10);
        if (view_.top(traveller) > targetTop)
            view_.setTop(traveller, view_.top(traveller) - 10);

        const Moment due = start + kAnimationLength * step / kAnimationSteps;
        view_.yield();
        while (view_.now() < due)
            sleepuntil(due);
    }
}

void GameForm::drawanimation(char direction)
{
    const int column = direction == 'D' ? kPlayer : kComputer;
    int empty = 1;
    while (empty <= kHandPlaces && !hand[empty][column].empty())
        ++empty;
    const int k = empty > kHandPlaces ? kHandPlaces : std::max(empty - 1, 1);
    const Control target = direction == 'D' ? playerslot(k) : cpuslot(k);

    const Twips startLeft = view_.left(Image46);
    const Twips startTop = view_.top(Image46);
    view_.setAutoRedraw(false);
    travel(Image46, view_.left(target), view_.top(target));
    view_.setAutoRedraw(true);
    showcounter();
    view_.setTop(Image46, startTop);
    view_.setLeft(Image46, startLeft);
}

void GameForm::movetopile(char direction, int slot)
{
    const bool fromPlayer = direction == 'U';
    const Control traveller = fromPlayer ? Image49 : Image48;
    const Control from = fromPlayer ? playerslot(slot) : cpuslot(slot);
    if (fromPlayer) {
        view_.setPicture(Image45, picturepath(kCardPicture));
        view_.setPicture(Image49, facepath(curcard));
    }
    view_.setTop(traveller, view_.top(from));
    view_.setLeft(traveller, view_.left(from));
    view_.setVisible(traveller, true);

    view_.setAutoRedraw(false);
    travel(traveller, view_.left(Image45), view_.top(Image45));
    view_.setAutoRedraw(true);
    view_.setVisible(traveller, false);
    if (fromPlayer)
        view_.setPicture(Image45, facepath(curcard));
}

} // namespace wildcrest
