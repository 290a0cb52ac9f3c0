// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/scanroom.h"
#include "rules/matchstate.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <algorithm>
#include <cstdio>

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
    struct Closing {
        ScanRoom &room;
        ~Closing()
        {
            room.menuOpen_ = false;
            for (int k = 1; k <= kMenuItems; ++k)
                room.view_.setVisible(menuitem(k), false);
        }
    } closing { *this };
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
            if (menuchoice(waits, { words.translate("Menu", "End the game"), words.translate("Menu", "Back to the game") }) == 0) {
                view_.closeWindow();
                view_.yield();
            }
            return;
        }
    }
}

std::size_t ScanRoom::menuchoice(SwitchWaits &waits, const std::vector<std::string> &items)
{
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
    const std::size_t taken = method()->choose(*this, waits, offers);
    offers[taken].hide();
    waits.hitkey = kFalse;
    return taken;
}

} // namespace wildcrest
