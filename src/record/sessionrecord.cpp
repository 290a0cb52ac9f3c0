// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/sessionrecord.h"

#include "record/recordfigures.h"

#include <algorithm>

namespace wildcrest
{

void SessionRecord::offered(Moment at, OfferKind kind, const std::string &item, int place, int pass, Moment scanTime, bool afterTimeOut)
{
    writeDone();
    if (place == 1) {
        if (pass > 1 && !pressedThisPass_) {
            if (++passesWithoutPress_ >= kNoPressPasses)
                restDue_ = true;
            RecordRow row;
            row.kind = RowKind::Pass;
            row.when = at;
            row.outcome = Outcome::NoPress;
            row.offer = kind;
            row.pass = pass - 1;
            row.scanTime = scanTime;
            write(row);
        }
        pressedThisPass_ = false;
    }
    onShow_ = OnShow { kind, item, place, pass, at, scanTime, afterTimeOut };
    ++offers_;
    RecordRow row;
    row.kind = RowKind::Offer;
    row.when = at;
    row.offer = kind;
    row.item = item;
    row.place = place;
    row.pass = pass;
    row.scanTime = scanTime;
    write(row);
}

void SessionRecord::offerWithdrawn()
{
    if (onShow_)
        onShow_->withdrawn = true;
}

void SessionRecord::offerEnded()
{
    writeDone();
    onShow_.reset();
}

void SessionRecord::count(Press &press, Moment at)
{
    press.counted = true;
    press.offer = onShow_ && onShow_->withdrawn ? kBetweenOffers : offers_;
    pressedThisPass_ = true;
    passesWithoutPress_ = 0;
    RecordRow &row = press.row;
    row.outcome = onShow_ ? Outcome::Moved : Outcome::OutOfTurn;
    if (!describe(row))
        return;
    row.reaction = std::max(Moment {}, std::min(row.when, at) - onShow_->since);
}

bool SessionRecord::describe(RecordRow &row) const
{
    if (!onShow_)
        return false;
    row.offer = onShow_->kind;
    row.item = onShow_->item;
    row.place = onShow_->place;
    row.pass = onShow_->pass;
    row.scanTime = onShow_->scanTime;
    return true;
}

void SessionRecord::took(Moment at)
{
    if (!onShow_)
        return;
    // The latest press that counted while this offer was on show, held or let go, took it.
    Press *taker = nullptr;
    const auto mayTake = [&](const Press &press) {
        return press.counted && !press.decided && (press.offer == offers_ || press.offer == kBetweenOffers) && (!taker || press.row.when > taker->row.when);
    };
    for (auto &held : held_)
        if (held && mayTake(*held))
            taker = &*held;
    for (Press &press : done_)
        if (mayTake(press))
            taker = &press;
    if (taker) {
        RecordRow &row = taker->row;
        if (taker->offer == kBetweenOffers) {
            describe(row); // the offer the game took it for
            row.reaction = std::max(Moment {}, row.when - onShow_->since);
        }
        const bool late = onShow_->afterTimeOut && row.reaction && *row.reaction < onShow_->scanTime / 4;
        row.outcome = late ? Outcome::Late : Outcome::Taken;
        taker->decided = true;
        noteTaken(row);
    } else {
        RecordRow row;
        row.kind = RowKind::Take;
        row.when = at;
        row.outcome = Outcome::Taken;
        describe(row);
        row.reaction = at - onShow_->since;
        write(row);
        noteTaken(row);
    }
    writeDone();
}

void SessionRecord::menuOpened()
{
    for (auto &held : held_)
        if (held && held->counted && !held->decided) {
            held->row.outcome = Outcome::Menu;
            held->decided = true;
        }
}

void SessionRecord::switched(int which, bool down, Verdict verdict, Moment at)
{
    std::optional<Press> &held = held_[which == 2 ? 1 : 0];
    if (down && !held) {
        writeDone(); // a new press: the ones before it are settled
        Press press;
        press.row.kind = RowKind::Press;
        press.row.when = at;
        press.row.which = which;
        press.row.outcome = Outcome::OutOfTurn;
        held = press;
        describe(held->row);
    }
    if (!held)
        return; // a release of a press from before the record began
    switch (verdict) {
    case Verdict::Counted:
        count(*held, at);
        break;
    case Verdict::WithinDebounce:
        held->row.outcome = Outcome::Debounced;
        held->decided = true;
        pressedThisPass_ = true;
        break;
    case Verdict::ReleasedEarly:
        held->row.outcome = Outcome::ReleasedEarly;
        held->decided = true;
        break;
    case Verdict::None:
    case Verdict::AlreadyHeld:
        break;
    }
    if (!down) {
        held->row.held = at - held->row.when;
        done_.push_back(*held);
        held.reset();
        if (done_.back().decided)
            writeDone();
    }
}

void SessionRecord::writeDone()
{
    for (const Press &press : done_)
        write(press.row);
    done_.clear();
}

void SessionRecord::roundEnded(const RoundRow &round)
{
    if (sink_)
        sink_->round(round);
}

void SessionRecord::flush(Moment at)
{
    for (auto &held : held_)
        if (held) {
            held->row.held = at - held->row.when;
            done_.push_back(*held);
            held.reset();
        }
    writeDone();
}

void SessionRecord::write(const RecordRow &row)
{
    if (sink_)
        sink_->row(row);
}

void SessionRecord::noteTaken(const RecordRow &row)
{
    if (row.outcome != Outcome::Taken || row.offer == OfferKind::Wait || row.offer == OfferKind::None || !row.reaction)
        return;
    ++taken_;
    ++takenSinceRest_;
    if (firstReactions_.size() < kWindow)
        firstReactions_.push_back(*row.reaction);
    lastReactions_.push_back(*row.reaction);
    if (lastReactions_.size() > kWindow)
        lastReactions_.pop_front();
}

bool SessionRecord::tiring() const
{
    if (restDue_)
        return true;
    if (taken_ < 2 * kWindow || takenSinceRest_ < kWindow)
        return false;
    const std::vector<Moment> last(lastReactions_.begin(), lastReactions_.end());
    return medianOf(last).count() > kSlower * medianOf(firstReactions_).count();
}

void SessionRecord::rested()
{
    restDue_ = false;
    passesWithoutPress_ = 0;
    takenSinceRest_ = 0;
    lastReactions_.clear();
}

} // namespace wildcrest
