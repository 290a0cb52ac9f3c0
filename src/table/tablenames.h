// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "table/controls.h"
#include "table/picture.h"

#include <map>
#include <optional>
#include <string>

namespace wildcrest
{

// What a screen reader is told each control of the table is, worked out from
// what the window shows: the pictures, the captions and the turn colour. "seven of hearts, card 3 of 7", "Deck: 37 cards".
class TableNames
{
public:
    explicit TableNames(const Wording &words = englishWording())
        : words_(words)
    {
    }

    void picture(Control c, const Picture &picture);
    void caption(Control c, const std::string &text);
    void backColour(Control c, Colour colour);
    // The card or suit now on offer; nothing for none.
    void offered(std::optional<Control> c);

    // The name of control `c`; "" for one that needs none of its own (a
    // label whose caption says it all).
    std::string nameOf(Control c) const;
    // The name of control `c` as an offer, what it offers first: "seven of
    // hearts, card 3 of 7", "hearts, name a suit", "End the game, menu".
    std::string offerName(Control c) const;

private:
    Picture shown(Control c) const;
    // A card's face or back, not an empty place or nothing.
    bool showsCard(Control c) const;
    std::string captionOf(Control c) const;
    int countShown(int first, int last) const;
    std::string handName(Control c, int first, int count, bool players) const;
    std::string cards(int n) const;
    bool named() const;
    std::string say(const char *english) const;

    const Wording &words_;

    std::map<Control, Picture> pictures_;
    std::map<Control, std::string> captions_;
    std::map<Control, bool> turn_;
    std::optional<Control> offered_;
};

} // namespace wildcrest
