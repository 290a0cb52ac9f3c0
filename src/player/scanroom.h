// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/adaptivescan.h"
#include "player/offertimer.h"
#include "player/scanmethod.h"
#include "player/scanning.h"
#include "record/sessionrecord.h"
#include "settings/settings.h"
#include "table/tableview.h"

#include <memory>

namespace wildcrest
{

// The scanning room of one player: the settings that shape the scan, the scan
// time learnt from the presses, the aids that mark, sound and speak an offer,
// and the scanning method the settings name.
//
//     ScanRoom scan(view, settings);
//     GameForm game(view, random, scan);
class ScanRoom : public Scanning
{
public:
    explicit ScanRoom(TableView &view, Settings settings = {});

    // How the game is tuned for its player; set before the game's load.
    Settings settings;
    AdaptiveScan adaptive;
    // What the player does with the switch, for the record and the rest offer.
    SessionRecord record;

    void tune(SwitchInput &switches) override;
    Moment scantime() const override;
    std::size_t choose(SwitchWaits &waits, const std::vector<Offer> &offers) override;
    void waitforpress(SwitchWaits &waits, Await what) override;
    void pause(SwitchWaits &waits) override;
    void announce(const std::string &text) override;
    void endTurn() override;

    // For the methods: an offer is put on show with the aids, and taken off
    // again; the mark alone comes off a taken offer, which stays on show.
    void present(const Offer &offer);
    void withdraw(const Offer &offer);
    void unmark();
    // Whether the offer gets a frame: asked for, the high-contrast look, or an
    // item of the menu, which is always framed.
    bool framesoffer() const;
    // Sleeps until a press of either switch counts.
    void waitforswitch(SwitchWaits &waits);
    // Waits up to `length` (Moment::max(): without limit) for a press; says
    // whether one came. With the long-press menu, a press is complete only
    // when the switch comes up before the menu's hold; held that long, it opens
    // the menu instead, counts for nothing, and the time it took is not counted.
    bool await(SwitchWaits &waits, Moment length, std::optional<Control> timed = std::nullopt);
    // Starts the time of the offer on show (or of `timed`): `length` from now,
    // or, with speech pacing, from when the name just said has been heard.
    void timeOffer(Moment length, std::optional<Control> timed = std::nullopt);
    // When that offer runs out, as known now.
    Moment offerEnds();
    // How long offer number `offer` of a choice is held.
    Moment offerlength(int offer) const;
    // Holds offer number `offer` for its time; says whether a press took it.
    bool hold(SwitchWaits &waits, int offer, const Offer &shown);
    // The scan has rested: a plain sign says so until a press starts it again.
    void rest(SwitchWaits &waits);
    TableView &view()
    {
        return view_;
    }

private:
    std::unique_ptr<ScanMethod> method() const;
    // The press just counted is held: true when it comes up before the menu's
    // hold, false when the menu opened (and has closed again).
    bool releasedBeforeMenu(SwitchWaits &waits);
    void openmenu(SwitchWaits &waits);
    // With rest-offer on and the player tiring: a rest, until a press.
    void offerRest(SwitchWaits &waits);
    void restuntilpress(SwitchWaits &waits, const std::string &sign);
    // Waits for a press, recorded as an offer of `kind` named `line`; the line
    // is shown and said when `shown`.
    void waitwith(SwitchWaits &waits, const std::string &line, bool shown, OfferKind kind);
    // Offers the items as menu entries, with the player's scanning, under the
    // question when there is one; returns the index taken.
    std::size_t menuchoice(SwitchWaits &waits, const std::vector<std::string> &items, const std::string &question = {});

    bool menuOpen_ = false;
    const Offer *onShow_ = nullptr; // the offer present() put on show and marked, until unmarked
    Moment pressedAt_ {}; // when the last press that await saw came
    Moment speedShift_ { 0 }; // Slower and Faster in the menu, for this run
    const std::vector<Offer> *choice_ = nullptr; // the offers of the choice being made
    const Offer *lastShown_ = nullptr;
    int pass_ = 0; // of the choice being made
    bool timedOut_ = false; // the offer before ran out of time
    std::optional<Moment> unheardSince_; // a name handed to speech, whose end the next offer's time waits for

    TableView &view_;
    OfferTimer timer_ { view_ };
};

} // namespace wildcrest
