// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/switchrecord.h"
#include "switch/switchfilter.h"

#include <array>
#include <deque>
#include <optional>
#include <vector>

namespace wildcrest
{

// One player's session as the record sees it: the scanning says what it puts
// on offer and what it takes, the switch input says what each press was, and
// this turns both into rows for the sink. A press row is written when the
// switch comes up, once its hold and its outcome are known. It also watches
// for the player tiring, in memory, whether or not any rows are kept.
//
//     SessionRecord record;
//     record.sendTo(&database);                 // or no sink: nothing is kept
//     record.offered(now, OfferKind::Card, "seven of hearts", 1, 1, 2s);
//     record.switched(1, true, Verdict::Counted, now);
class SessionRecord
{
public:
    // Tiring: the median reaction of the last kWindow offers taken above
    // kSlower times that of the session's first kWindow, or kNoPressPasses
    // passes in a row with no press.
    static constexpr std::size_t kWindow = 10;
    static constexpr double kSlower = 1.3;
    static constexpr int kNoPressPasses = 2;

    void sendTo(RecordSink *sink)
    {
        sink_ = sink;
    }
    bool keeping() const
    {
        return sink_ != nullptr;
    }

    // The scanning: an offer is put on show; `afterTimeOut` when the offer
    // before it in this choice ran out of time (a press now may be late).
    void offered(Moment at, OfferKind kind, const std::string &item, int place, int pass, Moment scanTime, bool afterTimeOut = false);
    // The offer on show is taken off the table; a press before the next one is
    // on show is that one's.
    void offerWithdrawn();
    // The offer on show (or the wait) is over, taken or not.
    void offerEnded();
    // What is on show has been taken, at `at`: by the press just counted, or
    // with no press of its own (a dwell, a release).
    void took(Moment at);
    // The press being held opened the game's menu.
    void menuOpened();
    // The switch input's verdicts, as SwitchInput::onVerdict reports them.
    void switched(int which, bool down, Verdict verdict, Moment at);
    // The game's rounds.
    void roundEnded(const RoundRow &round);
    // Writes what is still held (a press not yet let go), as at `at`.
    void flush(Moment at);

    bool tiring() const;
    // The player was offered a rest and took it: watching starts again.
    void rested();

private:
    struct OnShow {
        OfferKind kind = OfferKind::None;
        std::string item;
        int place = 0;
        int pass = 0;
        Moment since {};
        Moment scanTime {};
        bool afterTimeOut = false;
        bool withdrawn = false; // taken off, the next not yet on show
    };
    struct Press {
        RecordRow row;
        bool counted = false;
        int offer = 0; // the offer on show when it counted, or kBetweenOffers
        bool decided = false; // taken, or the menu's: no later call changes it
    };
    void count(Press &press, Moment at);
    // Fills in what is on show; false when nothing is.
    bool describe(RecordRow &row) const;
    // Writes the presses let go whose outcome can no longer change.
    void writeDone();
    void write(const RecordRow &row);
    void noteTaken(const RecordRow &row);

    static constexpr int kBetweenOffers = -1;

    RecordSink *sink_ = nullptr;
    std::optional<OnShow> onShow_;
    int offers_ = 0; // offers put on show so far, numbering them
    std::array<std::optional<Press>, 2> held_; // by switch, while it is down
    std::vector<Press> done_; // let go, written once the scanning has had its say
    bool pressedThisPass_ = false;
    int passesWithoutPress_ = 0;
    bool restDue_ = false; // passes in a row went by with no press, until a rest
    std::vector<Moment> firstReactions_;
    std::deque<Moment> lastReactions_;
    std::size_t taken_ = 0;
    std::size_t takenSinceRest_ = 0;
};

} // namespace wildcrest
