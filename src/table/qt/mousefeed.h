// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/qt/switchfeed.h"
#include "table/qt/switchkeys.h"

namespace wildcrest
{

// The mouse buttons that are switches: a left click while the mouse switch is
// on, a right click when it is the second switch. A double click's second
// press is a press like any other.
class MouseFeed : public SwitchFeed
{
public:
    using SwitchFeed::SwitchFeed;

    void rewire(const std::vector<SwitchWiring> &seats) override;
    bool take(const QEvent &event) override;
    // Whether clicks are switches at all.
    bool clicksAreSwitches() const
    {
        return keys_.clicksAreSwitches();
    }

private:
    SwitchKeys keys_;
};

} // namespace wildcrest
