// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/scanroom.h"
#include "rules/matchstate.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

namespace wildcrest
{

namespace
{

    constexpr Moment kSpeedStep = std::chrono::milliseconds(250);

} // namespace

// The menu the player opens by holding the switch: it stands on the table in
// large text and is scanned as the cards are. The game stands still meanwhile.
void ScanRoom::openmenu(SwitchWaits &waits)
{
    menuOpen_ = true;
    waits.hitkey = kFalse; // the hold that opened the menu takes nothing in it
    // Nothing of the game stands out under the menu: the offer on show is
    // taken off, and any card still lifted comes down, until the menu closes.
    const Offer *underneath = onShow_;
    if (underneath)
        withdraw(*underneath);
    std::vector<std::pair<Control, Twips>> lifted;
    for (int k = 1; k <= kHandPlaces; ++k)
        if (const Twips top = view_.top(playerslot(k)); top != playerslotRect(k).top) {
            lifted.emplace_back(playerslot(k), top);
            view_.setTop(playerslot(k), playerslotRect(k).top);
        }
    view_.setVisible(MenuBackdrop, true);
    struct Closing {
        ScanRoom &room;
        const Offer *underneath;
        const std::vector<std::pair<Control, Twips>> &lifted;
        ~Closing()
        {
            room.menuOpen_ = false;
            for (int k = 1; k <= kMenuItems; ++k)
                room.view_.setVisible(menuitem(k), false);
            room.view_.setVisible(MenuQuestion, false);
            room.view_.setVisible(MenuBackdrop, false);
            if (std::uncaught_exceptions() > 0)
                return; // a new match or the game's end: nothing of this turn comes back
            for (const auto &[card, top] : lifted)
                room.view_.setTop(card, top);
            if (underneath)
                room.present(*underneath);
        }
    } closing { *this, underneath, lifted };
    const Wording &words = view_.words();
    announce(words.translate("Speech", "menu"));
    for (;;) {
        const std::size_t taken = menuchoice(waits,
            { words.translate("Menu", "Back to the game"),
                words.translate("Menu", "Slower"),
                words.translate("Menu", "Faster"),
                words.translate("Menu", "New match"),
                words.translate("Menu", "End the game") });
        switch (taken) {
        case 0:
            return;
        case 1:
        case 2:
            // Kept within the scan times a player can have, so the other way always answers at once.
            speedShift_ =
                std::clamp(scantime() + (taken == 1 ? kSpeedStep : -kSpeedStep), Moment(kShortestScan), Moment(kLongestScan)) - (scantime() - speedShift_);
            announce(
                fill(words.translate("Speech", "each offer now lasts %1 seconds"), { words.decimal(std::chrono::duration<double>(scantime()).count(), 2) }));
            break;
        case 3:
            throw NewMatchWanted {};
        default:
            // The safe answer first: a bounce or a press that comes too soon keeps the game.
            if (menuchoice(waits,
                    { words.translate("Menu", "No, back to the game"), words.translate("Menu", "Yes, end the game") },
                    words.translate("Menu", "End the game?"))
                == 1) {
                view_.closeWindow();
                view_.yield();
            }
            return;
        }
    }
}

std::size_t ScanRoom::menuchoice(SwitchWaits &waits, const std::vector<std::string> &items, const std::string &question)
{
    view_.setCaption(MenuQuestion, question);
    view_.setVisible(MenuQuestion, !question.empty());
    if (!question.empty())
        announce(question);
    std::vector<Offer> offers;
    for (int k = 1; k <= kMenuItems; ++k)
        view_.setVisible(menuitem(k), k <= int(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Control item = menuitem(int(i) + 1);
        const Twips top = specOf(item).rect.top;
        view_.setCaption(item, items[i]);
        view_.setTop(item, top);
        offers.push_back({ item, items[i], [this, item, top] { view_.setTop(item, top - kLift); }, [this, item, top] { view_.setTop(item, top); } });
    }
    const std::size_t taken = choose(waits, offers);
    offers[taken].hide();
    waits.hitkey = kFalse;
    return taken;
}

} // namespace wildcrest
