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

void ScanRoom::tune(SwitchInput &switches)
{
    switches.retune(settings.debounce, settings.acceptance);
    switches.onVerdict([this](int which, bool down, Verdict verdict, Moment at) { record.switched(which, down, verdict, at); });
}

namespace
{
    // What the record calls the offer of a control.
    OfferKind kindOf(const Control &marked, bool menuOpen)
    {
        if (menuOpen)
            return OfferKind::Menu;
        if (marked == Image45)
            return OfferKind::Suit;
        if (marked.kind == ControlKind::Image)
            return OfferKind::Card;
        return OfferKind::Title;
    }
} // namespace

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
    if (!menuOpen_)
        offerRest(waits);
    // The offers are the caller's: none of them is known once the choice is
    // over, and the menu's choice, made within another, gives it back after.
    struct Forget {
        ScanRoom &room;
        const std::vector<Offer> *choice;
        const Offer *lastShown;
        int pass;
        ~Forget()
        {
            room.onShow_ = nullptr;
            room.choice_ = choice;
            room.lastShown_ = lastShown;
            room.pass_ = pass;
            room.timedOut_ = false;
            room.record.offerEnded();
        }
    } forget { *this, choice_, lastShown_, pass_ };
    choice_ = &offers;
    lastShown_ = nullptr;
    pass_ = 0;
    timedOut_ = false;
    const std::size_t taken = method()->choose(*this, waits, offers);
    record.took(view_.now());
    return taken;
}

// High contrast always frames the offer: it is that look's strongest mark.
bool ScanRoom::framesoffer() const
{
    return menuOpen_ || settings.highlight == Highlight::LiftAndFrame || settings.look.contrast == Contrast::High;
}

void ScanRoom::present(const Offer &offer)
{
    int place = 0;
    if (choice_ && &offer >= choice_->data() && &offer < choice_->data() + choice_->size()) {
        place = int(&offer - choice_->data()) + 1;
        if (place == 1 && lastShown_ != &offer)
            ++pass_;
    }
    record.offered(view_.now(), kindOf(offer.marked, menuOpen_), offer.spoken, place, pass_, scantime(), timedOut_);
    lastShown_ = &offer;
    timedOut_ = false;
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
    timer_.stop();
    record.offerWithdrawn();
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

void ScanRoom::timeOffer(Moment length, std::optional<Control> timed)
{
    if (!timed && onShow_)
        timed = onShow_->marked;
    const bool paced = settings.speech && settings.speechPacing;
    timer_.start(view_.now(), length, paced ? unheardSince_ : std::nullopt, settings.timeLeftBar ? timed : std::nullopt);
    unheardSince_.reset();
}

Moment ScanRoom::offerEnds()
{
    return timer_.ends();
}

bool ScanRoom::await(SwitchWaits &waits, Moment length, std::optional<Control> timed)
{
    const bool timedOffer = length != Moment::max();
    if (timedOffer)
        timeOffer(length, timed);
    view_.yield();
    for (;;) {
        if (waits.hitkey == kTrue) {
            const Moment pressed = view_.now();
            pressedAt_ = pressed;
            if (!settings.longPressMenu || menuOpen_)
                return true;
            // The menu's offers are timed in turn; this one goes on after it.
            OfferTimer offer = timer_;
            offer.settle(pressed);
            if (releasedBeforeMenu(waits))
                return true;
            waits.hitkey = kFalse;
            timer_ = offer;
            if (timedOffer)
                timer_.extend(view_.now() - pressed);
        }
        // Asked again at every wake: the end of the spoken name moves it.
        const Moment deadline = timedOffer ? timer_.ends() : Moment::max();
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
            record.menuOpened();
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
    const bool taken = await(waits, offerlength(offer));
    // Timed from when the scan time began to run: with speech pacing, the end of the name.
    if (taken)
        adaptive.pressed(pressedAt_ - std::min(pressedAt_, timer_.runsFrom()), offer > 1);
    timedOut_ = !taken;
    unmark();
    return taken;
}

void ScanRoom::rest(SwitchWaits &waits)
{
    restuntilpress(waits, view_.words().translate("Prompts", "Press to see your cards again"));
}

void ScanRoom::offerRest(SwitchWaits &waits)
{
    if (!settings.restOffer || !record.tiring())
        return;
    restuntilpress(waits, view_.words().translate("Prompts", "Take a rest? Press to go on"));
    record.rested();
}

void ScanRoom::restuntilpress(SwitchWaits &waits, const std::string &sign)
{
    waitwith(waits, sign, true, OfferKind::Wait);
    // The scan starts again once a press can count: with a debounce longer than
    // the passes before the next rest, it would otherwise rest before any could.
    waits.pacingdelay(false, settings.debounce);
    waits.hitkey = kFalse;
}

void ScanRoom::waitwith(SwitchWaits &waits, const std::string &line, bool shown, OfferKind kind)
{
    if (shown) {
        view_.setCaption(Label18, line);
        view_.setVisible(Label18, true);
        announce(line);
    }
    record.offered(view_.now(), kind, line, 0, 0, scantime());
    waitforswitch(waits);
    record.took(view_.now());
    record.offerEnded();
    if (shown)
        view_.setVisible(Label18, false);
}

void ScanRoom::waitforpress(SwitchWaits &waits, Await what)
{
    offerRest(waits);
    const Wording &words = view_.words();
    // The record names a wait with no line of its own by what it waits for.
    const std::string line = what == Await::Draw ? words.translate("Prompts", "Press to draw a card")
        : what == Await::NextRound               ? words.translate("Prompts", "Press for the next round")
        : what == Await::NewMatch                ? words.translate("Prompts", "Press for a new match")
        : what == Await::Title                   ? std::string("title")
                                                 : std::string("turn");
    const bool prompt = settings.prompts && (what == Await::Draw || what == Await::NextRound || what == Await::NewMatch);
    waitwith(waits, line, prompt, what == Await::Title ? OfferKind::Title : OfferKind::Wait);
}

void ScanRoom::pause(SwitchWaits &waits)
{
    waits.pacingdelay(false, scantime());
}

void ScanRoom::announce(const std::string &text)
{
    if (!settings.speech)
        return;
    view_.say(text);
    unheardSince_ = view_.now();
}

void ScanRoom::endTurn()
{
    adaptive.endTurn();
}

} // namespace wildcrest
