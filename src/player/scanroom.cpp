// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/scanroom.h"

#include "rules/matchstate.h"
#include "switch/switchinput.h"

#include <algorithm>

namespace wildcrest
{

ScanRoom::ScanRoom(TableView &view, Settings settings)
    : settings(std::move(settings))
    , view_(view)
{
}

void ScanRoom::tune(SwitchInput &switches) const
{
    switches.retune(settings.debounce, settings.acceptance);
}

Moment ScanRoom::scantime() const
{
    const Moment base = settings.adaptiveScan ? adaptive.current() : Moment(settings.scanTime);
    return std::clamp(base + speedShift_, Moment(kShortestScan), Moment(kLongestScan));
}

// The first offer of a turn or of a suit choice may be held twice as long, so
// the player can find it.
Moment ScanRoom::offerlength(int offer) const
{
    return offer == 1 && settings.pauseOnFirstOffer ? 2 * scantime() : scantime();
}

std::unique_ptr<ScanMethod> ScanRoom::method() const
{
    const ScanMethodEntry *named = scanMethodNamed(settings.scanMethod);
    return (named ? *named : scanMethods().front()).make(settings);
}

std::size_t ScanRoom::choose(SwitchWaits &waits, const std::vector<Offer> &offers)
{
    // The offers are the caller's: none of them is known once the choice is over.
    struct Forget {
        const Offer *&onShow;
        ~Forget()
        {
            onShow = nullptr;
        }
    } forget { onShow_ };
    return method()->choose(*this, waits, offers);
}

// High contrast always frames the offer: it is that look's strongest mark.
bool ScanRoom::framesoffer() const
{
    return menuOpen_ || settings.highlight == Highlight::LiftAndFrame || settings.look.contrast == Contrast::High;
}

void ScanRoom::present(const Offer &offer)
{
    onShow_ = &offer;
    offer.show();
    // A screen reader, when one listens, speaks what takes the focus.
    view_.focusOffer(offer.marked);
    if (framesoffer())
        view_.markOffer(offer.marked);
    if (settings.soundCue)
        view_.cue();
    announce(offer.spoken);
}

void ScanRoom::unmark()
{
    onShow_ = nullptr;
    view_.focusOffer(std::nullopt);
    if (framesoffer())
        view_.markOffer(std::nullopt);
}

void ScanRoom::withdraw(const Offer &offer)
{
    unmark();
    offer.hide();
}

void ScanRoom::waitforswitch(SwitchWaits &waits)
{
    waits.hitkey = kFalse;
    await(waits, Moment::max());
}

bool ScanRoom::await(SwitchWaits &waits, Moment length)
{
    Moment deadline = length == Moment::max() ? length : view_.now() + length;
    view_.yield();
    for (;;) {
        if (waits.hitkey == kTrue) {
            const Moment pressed = view_.now();
            pressedAt_ = pressed;
            if (!settings.longPressMenu || menuOpen_)
                return true;
            if (releasedBeforeMenu(waits))
                return true;
            waits.hitkey = kFalse;
            if (deadline != Moment::max())
                deadline += view_.now() - pressed;
        }
        if (view_.now() >= deadline)
            return false;
        waits.sleepuntil(deadline);
    }
}

bool ScanRoom::releasedBeforeMenu(SwitchWaits &waits)
{
    const int which = waits.switches().lastCounted();
    const Moment opens = view_.now() + settings.menuHold;
    while (waits.switches().down(which)) {
        if (view_.now() >= opens) {
            openmenu(waits);
            return false;
        }
        waits.sleepuntil(opens);
    }
    return true;
}

// Tells the learnt scan time when the press came.
bool ScanRoom::hold(SwitchWaits &waits, int offer, const Offer &shown)
{
    present(shown);
    const Moment start = view_.now();
    const bool taken = await(waits, offerlength(offer));
    if (taken)
        adaptive.pressed(pressedAt_ - start, offer > 1);
    unmark();
    return taken;
}

void ScanRoom::rest(SwitchWaits &waits)
{
    const std::string sign = view_.words().translate("Prompts", "Press to see your cards again");
    view_.setCaption(Label18, sign);
    view_.setVisible(Label18, true);
    announce(sign);
    waitforswitch(waits);
    view_.setVisible(Label18, false);
    // The scan starts again once a press can count: with a debounce longer than
    // the passes before the next rest, it would otherwise rest before any could.
    waits.pacingdelay(false, settings.debounce);
    waits.hitkey = kFalse;
}

void ScanRoom::waitforpress(SwitchWaits &waits, Await what)
{
    const Wording &words = view_.words();
    const std::string line = what == Await::Draw ? words.translate("Prompts", "Press to draw a card")
        : what == Await::NextRound               ? words.translate("Prompts", "Press for the next round")
        : what == Await::NewMatch                ? words.translate("Prompts", "Press for a new match")
                                                 : std::string();
    const bool prompt = settings.prompts && !line.empty();
    if (prompt) {
        view_.setCaption(Label18, line);
        view_.setVisible(Label18, true);
        announce(line);
    }
    waitforswitch(waits);
    if (prompt)
        view_.setVisible(Label18, false);
}

void ScanRoom::pause(SwitchWaits &waits)
{
    waits.pacingdelay(false, scantime());
}

void ScanRoom::announce(const std::string &text)
{
    if (settings.speech)
        view_.say(text);
}

void ScanRoom::endTurn()
{
    adaptive.endTurn();
}

} // namespace wildcrest
