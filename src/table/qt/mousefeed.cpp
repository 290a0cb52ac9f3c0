// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/mousefeed.h"

namespace wildcrest
{

void MouseFeed::rewire(const std::vector<SwitchWiring> &seats)
{
    keys_ = SwitchKeys(seats);
}

bool MouseFeed::take(const QEvent &event)
{
    const std::optional<SwitchEvent> e = keys_.switchOf(&event, now());
    if (!e || e->source != SwitchSource::Mouse)
        return false;
    tell(*e);
    return true;
}

} // namespace wildcrest
