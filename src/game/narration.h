// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/card.h"
#include "rules/side.h"
#include "table/screenreadernews.h"
#include "table/tabledrawing.h"
#include "table/tableview.h"

#include <string>

namespace wildcrest
{

// The line on the table that says what just happened, for a player who looked
// away: each side's move and each round's scores. Off, it is never shown.
//
//     Narration narration(view, view);
//     narration.turnOn(true);
//     narration.moved("Sam", move, Card('7', 'H'));   // "Sam played the seven of hearts"
class Narration
{
public:
    Narration(TableDrawing &table, const TableWords &words, ScreenReaderNews &news)
        : table_(table)
        , words_(words)
        , news_(news)
    {
    }

    void turnOn(bool on)
    {
        on_ = on;
    }
    bool on() const
    {
        return on_;
    }
    // The side named `who` ("": the player of the bottom hand, told as "You")
    // made `move`, playing `played` unless it drew.
    void moved(const std::string &who, const Move &move, const Card &played);
    // "Round 2: you 0, computer 17": the scores after round `round`, each side
    // by its name ("" for the bottom hand's "you" and the top hand's "computer").
    std::string roundLine(int round, const std::string &bottom, int bottomScore, const std::string &top, int topScore) const;
    // Tells a screen reader `text`, and shows it on the line when the narration is on.
    void tell(const std::string &text);
    // The line goes, as a new match starts.
    void clear();

private:
    TableDrawing &table_;
    const TableWords &words_;
    ScreenReaderNews &news_;
    bool on_ = false;
};

} // namespace wildcrest
