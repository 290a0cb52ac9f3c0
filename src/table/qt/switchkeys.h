// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <QEvent>

#include <optional>
#include <vector>

namespace wildcrest
{

// What a key or mouse button event of Qt is to the players' switches: whose
// (the seat), which switch went down or up, or nothing. Each seat's wiring is
// asked in turn. Auto-repeat is nothing: a held switch is one press. Esc is
// never a switch.
//
//     SwitchKeys keys({ wiring });
//     if (SwitchKeys::isEscape(event)) close();
//     else if (auto e = keys.switchOf(event, now())) handler(*e);
class SwitchKeys
{
public:
    explicit SwitchKeys(std::vector<SwitchWiring> seats = { SwitchWiring {} });

    std::optional<SwitchEvent> switchOf(const QEvent *event, Moment when) const;
    static bool isEscape(const QEvent *event);
    // The first seat's wiring.
    const SwitchWiring &wiring() const
    {
        return seats_.front().wiring;
    }
    // Whether a left click is any seat's switch.
    bool clicksAreSwitches() const;

private:
    // One seat's wiring, with the Qt keys its names stand for.
    struct Seat {
        SwitchWiring wiring;
        int secondKey = 0; // the key of a second switch named by key
        int ownKey = 0; // the key that alone is this player's switch
        std::vector<int> othersKeys; // keys other players name: never this player's
    };
    static int keySwitch(const Seat &seat, int key, bool typesText);

    std::vector<Seat> seats_;
};

} // namespace wildcrest
