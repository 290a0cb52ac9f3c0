// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/picturepaths.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <algorithm>
#include <climits>

namespace wildcrest
{

void GameForm::load()
{
    scan_.tune(switches_);
    view_.centreWindow();
    view_.setPicture(Image48, picturepath(kCardPicture));
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49, Label18 })
        view_.setVisible(c, false);
    for (int k = 1; k <= kMenuItems; ++k)
        view_.setVisible(menuitem(k), false);
    calibrate();
    gamecount = 1;
    view_.setCaption(Label1, roundcaption());
}

// "Round: 2 of 5".
std::string GameForm::roundcaption() const
{
    return fill(words().translate("Table", "Round: %1 of 5"), { std::to_string(gamecount) });
}

// Counts the clock readings the machine makes in one clock second. The pacing
// delay no longer depends on the count (it is timed), but the count is kept as
// the game's measure of the machine.
void GameForm::calibrate()
{
    const int s0 = view_.clockSeconds();
    const auto elapsed = [&] { return (view_.clockSeconds() - s0 + 60) % 60; };
    while (elapsed() < 2) { }
    std::int64_t readings = 0;
    while (elapsed() == 2)
        ++readings;
    delayvalue = static_cast<std::int32_t>(std::min<std::int64_t>(readings * 2, INT32_MAX));
}

void GameForm::switchevent(const SwitchEvent &e)
{
    switches_.take(e);
}

void GameForm::sleepuntil(Moment deadline)
{
    if (const auto due = switches_.acceptanceDue())
        deadline = std::min(deadline, *due);
    if (deadline == Moment::max())
        view_.waitForEvent();
    else
        view_.waitForEvent(deadline);
    switches_.wake(view_.now());
}

// The delay is timed rather than counted, so it lasts the same on every machine
// and even when the calibration counted nothing: it sleeps on the event queue,
// and every event that wakes it is followed by a test of the switch.
bool GameForm::pacingdelay(bool offersChoice)
{
    return pacingdelay(offersChoice, scantime());
}

Moment GameForm::scantime() const
{
    return scan_.scantime();
}

bool GameForm::pacingdelay(bool offersChoice, Moment length)
{
    const Moment deadline = view_.now() + length;
    view_.yield();
    for (;;) {
        if (offersChoice && hitkey == kTrue)
            return true;
        if (view_.now() >= deadline)
            return false;
        sleepuntil(deadline);
    }
}

void GameForm::waitforkey()
{
    hitkey = kFalse;
    view_.yield();
    while (hitkey == kFalse)
        sleepuntil(Moment::max());
}

void GameForm::activate()
{
    try {
        gamestart();
    } catch (const NewMatchWanted &) {
        newmatch();
    }
    turnloop();
}

void GameForm::gamestart()
{
    scan_.waitforpress(*this, Await::Title);
    view_.setVisible(Frame1, false);
    newdeck();
    dealround();
}

} // namespace wildcrest
