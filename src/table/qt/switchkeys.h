// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <QEvent>

#include <optional>

namespace wildcrest
{

// What a key or mouse button event of Qt is to the player's switches: which
// switch went down or up, or nothing. Auto-repeat is nothing: a held switch is
// one press. Esc is never a switch.
//
//     SwitchKeys keys(wiring);
//     if (SwitchKeys::isEscape(event)) close();
//     else if (auto e = keys.switchOf(event, now())) handler(*e);
class SwitchKeys
{
public:
    explicit SwitchKeys(const SwitchWiring &wiring = {});

    std::optional<SwitchEvent> switchOf(const QEvent *event, Moment when) const;
    static bool isEscape(const QEvent *event);
    const SwitchWiring &wiring() const
    {
        return wiring_;
    }

private:
    int keySwitch(int key, bool typesText) const;

    SwitchWiring wiring_;
    int secondKey_ = 0; // the Qt key of a second switch named by key
};

} // namespace wildcrest
