// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"
#include "table/controls.h"

#include <optional>
#include <string>

namespace wildcrest
{

// The aids a player can be given as things are offered; a view may leave any
// of them out.
class PlayerAids
{
public:
    virtual ~PlayerAids() = default;

    // A frame round the offered card or suit, following it as it moves; nothing for none.
    virtual void markOffer(std::optional<Control> c)
    {
        (void)c;
    }
    // The offered card or suit becomes what assistive technology (a screen
    // reader) is told has the focus; nothing for none. Not seen on screen.
    virtual void focusOffer(std::optional<Control> c)
    {
        (void)c;
    }
    // A short sound: something new is on offer.
    virtual void cue()
    {
    }
    // Speaks the text, cutting short whatever was still being spoken.
    virtual void say(const std::string &text)
    {
        (void)text;
    }
    // When the text last given to say() was heard to its end, as the speech
    // server reports it; nothing while it is still being spoken. A view that
    // reports ends wakes the game's waits when one comes; one that speaks
    // nothing answers at once with a moment long past.
    virtual std::optional<Moment> spokenToEnd() const
    {
        return Moment { 0 };
    }
    // The time left on the offer `c`: full until `runsFrom`, empty at `ends`;
    // told again when either changes, and with nothing once nothing is on offer.
    virtual void showTimeLeft(std::optional<Control> c, Moment runsFrom, Moment ends)
    {
        (void)c, (void)runsFrom, (void)ends;
    }
};

} // namespace wildcrest
