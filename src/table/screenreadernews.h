// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <string>

namespace wildcrest
{

// What happens at the table, told to assistive technology as it happens: a
// screen reader speaks it without the focus leaving the offer. A view
// without one leaves it out.
class ScreenReaderNews
{
public:
    virtual ~ScreenReaderNews() = default;

    // "Computer played the seven of hearts", "Round 2 of 5".
    virtual void notifyScreenReader(const std::string &text)
    {
        (void)text;
    }
    // When a screen reader will have said the last news, by the view's clock:
    // the next offer's focus would cut it short before. Zero with none to say.
    virtual Moment newsSaidBy() const
    {
        return Moment { 0 };
    }
};

} // namespace wildcrest
