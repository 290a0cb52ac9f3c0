// SPDX-License-Identifier: GPL-3.0-or-later
#include "switchuser.h"

#include "settings/speeds.h"
#include "table/layout.h"

namespace wildcrest::simulation
{

const char *waitName(Wait w)
{
    switch (w) {
    case Wait::Title:
        return "title";
    case Wait::Offer:
        return "offer";
    case Wait::Suit:
        return "suit";
    case Wait::Draw:
        return "draw";
    case Wait::RoundEnd:
        return "round end";
    case Wait::MatchEnd:
        return "match end";
    case Wait::Menu:
        return "menu";
    case Wait::Other:
        return "other";
    }
    return "?";
}

SwitchUser::SwitchUser(HeadlessView &view, const GameForm &game, Policy policy)
    : game_(game)
    , policy_(std::move(policy))
{
    view.onWait([this](HeadlessView &v, Moment deadline) { look(v, deadline); });
}

void SwitchUser::turnEnded()
{
    offerCount_ = 0;
    suitCount_ = 0;
    lastSlot_ = 0;
}

Situation SwitchUser::classify(const HeadlessView &view, Moment deadline) const
{
    Situation s;
    s.now = view.now();
    s.deadline = deadline;
    s.seat = view.state(Label3).backColour == kRed ? 1 : 0;
    const int column = s.seat == 1 ? kComputer : kPlayer;
    const auto liftedSlot = [&] {
        for (int k = 1; k <= kHandPlaces; ++k)
            if (s.seat == 0 ? view.top(playerslot(k)) == playerslotRect(k).top - kLift : view.top(cpuslot(k)) == cpuslotRect(k).top + kLift)
                return k;
        return 0;
    };
    // The menu first: a long press can open it over the title.
    if (view.state(menuitem(1)).visible) {
        s.wait = Wait::Menu;
        for (int k = 1; k <= kMenuItems; ++k)
            if (view.state(menuitem(k)).visible && view.top(menuitem(k)) == specOf(menuitem(k)).rect.top - kLift) {
                s.item = k;
                s.caption = view.state(menuitem(k)).caption;
            }
    } else if (view.state(Frame1).visible) {
        s.wait = Wait::Title;
    } else if (deadline == Moment::max() && (view.state(Label6).visible || view.state(Label7).visible || view.state(Label15).visible)) {
        s.wait = Wait::MatchEnd;
    } else if (view.state(Shape2).visible) {
        s.wait = Wait::Suit;
    } else if (deadline != Moment::max()
        && (view.state(Image49).visible || view.state(Image48).visible || view.left(Image46) != specOf(Image46).rect.left
            || view.top(Image46) != specOf(Image46).rect.top)) {
        s.wait = Wait::Other;
    } else if ((s.slot = liftedSlot())) {
        s.wait = Wait::Offer;
        s.card = game_.match.hand[s.slot][column];
    } else if (deadline == Moment::max()) {
        s.wait = game_.match.hand[1][kPlayer].empty() || game_.match.hand[1][kComputer].empty() ? Wait::RoundEnd : Wait::Draw;
    } else {
        s.wait = Wait::Other;
    }
    return s;
}

void SwitchUser::look(HeadlessView &view, Moment deadline)
{
    Situation s = classify(view, deadline);
    bool fresh = false;
    switch (s.wait) {
    case Wait::Offer: {
        const Moment liftedAt = view.state(s.seat == 0 ? playerslot(s.slot) : cpuslot(s.slot)).movedAt;
        fresh = s.slot != lastSlot_ || liftedAt != lastLift_;
        lastSlot_ = s.slot;
        lastLift_ = liftedAt;
        if (fresh)
            ++offerCount_;
        s.offer = offerCount_;
        break;
    }
    case Wait::Suit: {
        const int sets = view.state(Image45).pictureSets;
        fresh = sets != lastSuitPicture_;
        lastSuitPicture_ = sets;
        if (fresh)
            ++suitCount_;
        s.offer = suitCount_;
        break;
    }
    case Wait::Menu: {
        const Moment liftedAt = s.item ? view.state(menuitem(s.item)).movedAt : Moment(-1);
        fresh = s.item != lastItem_ || liftedAt != lastItemLift_;
        lastItem_ = s.item;
        lastItemLift_ = liftedAt;
        break;
    }
    case Wait::Title:
    case Wait::Draw:
    case Wait::RoundEnd:
    case Wait::MatchEnd:
        fresh = lastWait_ != s.wait;
        break;
    case Wait::Other:
        break;
    }
    // One decision per key wait; a wait that goes on after a press came to nothing asks again.
    fresh = fresh || (deadline == Moment::max() && view.pendingEvents() == 0);
    lastWait_ = s.wait;
    if (!fresh)
        return;
    if (const std::optional<Moment> delay = policy_(s)) {
        view.pressAt(view.now() + *delay);
        ++presses_;
    }
}

} // namespace wildcrest::simulation
