// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/qt/keyrepeat.h"
#include "table/qt/switchfeed.h"
#include "table/qt/switchkeys.h"

namespace wildcrest
{

// The keys that are switches: every key that types a character is switch 1,
// unless it is the second switch; Esc never is. A key held down is one press
// however the X server repeats it (see KeyRepeats).
class KeyFeed : public SwitchFeed
{
public:
    explicit KeyFeed(Tell tell);

    void rewire(const std::vector<SwitchWiring> &seats) override;
    bool take(const QEvent &event) override;
    void flush() override;
    // The switch (1 or 2) that a key event is, or 0; nothing is told.
    int switchOf(const QEvent &event) const;

private:
    SwitchKeys keys_;
    KeyRepeats repeats_;
};

} // namespace wildcrest
