// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/keyfeed.h"

#include <QKeyEvent>

namespace wildcrest
{

KeyFeed::KeyFeed(Tell tell)
    : SwitchFeed(std::move(tell))
    , repeats_([this](const SwitchEvent &e) { SwitchFeed::tell(e); })
{
}

void KeyFeed::rewire(const std::vector<SwitchWiring> &seats)
{
    keys_ = SwitchKeys(seats);
}

bool KeyFeed::take(const QEvent &event)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return false;
    const std::optional<SwitchEvent> e = keys_.switchOf(&event, now());
    if (e)
        repeats_.take(*e, static_cast<const QKeyEvent &>(event).timestamp());
    return e.has_value();
}

void KeyFeed::flush()
{
    repeats_.flush();
}

int KeyFeed::switchOf(const QEvent &event) const
{
    const std::optional<SwitchEvent> e = keys_.switchOf(&event, {});
    return e && e->source == SwitchSource::Key ? e->which : 0;
}

} // namespace wildcrest
