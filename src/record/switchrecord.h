// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <optional>
#include <string>

namespace wildcrest
{

// What a row of the record is about: an offer put on show, a press of the
// switch, a pass of the scan that went by with no press, or a choice taken
// with no press (left to dwell, or let go of).
enum class RowKind { Offer, Press, Pass, Take };

// What was on offer: a card, a suit to name, a menu item, a name or choice on
// the title, or a wait for a press with nothing offered.
enum class OfferKind { None, Card, Suit, Menu, Title, Wait };

// What became of a row's press or offer.
enum class Outcome {
    Shown, // an offer put on show
    Taken, // the press (or dwell, or release) took what was on offer
    Late, // took the offer just after the one before it moved on: most likely meant for that one
    Moved, // counted, and moved the scan on rather than taking
    Debounced, // ignored: too soon after the last counted press
    ReleasedEarly, // let go before the acceptance time
    NoPress, // a whole pass of the scan went by without a press
    OutOfTurn, // counted with nothing of this player's on offer (the other side's turn)
    Menu, // held until the game's menu opened
};

// One row: when it happened on the view's clock, what was on offer and where in
// the scan (the place in the pass and the pass, counting from 1), the reaction
// from the moment the offer was put on show, how long the switch was held, and
// the scan time in force.
struct RecordRow {
    RowKind kind = RowKind::Offer;
    Moment when {};
    Outcome outcome = Outcome::Shown;
    OfferKind offer = OfferKind::None;
    std::string item; // as speech says it: "seven of hearts", "Press to draw a card"
    int place = 0;
    int pass = 0;
    std::optional<Moment> reaction;
    std::optional<Moment> held;
    Moment scanTime {};
    int which = 0; // the switch (1 or 2) of a press
};

// A round as it ended: the totals after it, and whether it ended the match.
struct RoundRow {
    Moment when {};
    int round = 0;
    int playerScore = 0;
    int opponentScore = 0;
    bool matchOver = false;
};

// The names the record's files and exports use: "taken", "released-early", "card" ...
const char *rowKindName(RowKind kind);
const char *offerKindName(OfferKind kind);
const char *outcomeName(Outcome outcome);
std::optional<RowKind> rowKindNamed(const std::string &name);
std::optional<OfferKind> offerKindNamed(const std::string &name);
std::optional<Outcome> outcomeNamed(const std::string &name);

// Where the rows of one player's session go: kept on disk, or nowhere.
class RecordSink
{
public:
    virtual ~RecordSink() = default;
    virtual void row(const RecordRow &row) = 0;
    virtual void round(const RoundRow &round) = 0;
};

} // namespace wildcrest
