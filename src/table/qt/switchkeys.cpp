// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/switchkeys.h"

#include "table/qt/keyname.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace wildcrest
{

SwitchKeys::SwitchKeys(std::vector<SwitchWiring> seats)
{
    if (seats.empty())
        seats.emplace_back();
    for (SwitchWiring &wiring : seats) {
        Seat seat;
        seat.wiring = std::move(wiring);
        const SwitchWiring &w = seat.wiring;
        if (w.second.kind == SecondSwitch::Kind::Key)
            seat.secondKey = keyCodeOf(w.second.key);
        if (w.own.kind == PlayerSwitch::Kind::Key)
            seat.ownKey = keyCodeOf(w.own.key);
        for (const PlayerSwitch &other : w.others)
            if (other.kind == PlayerSwitch::Kind::Key)
                seat.othersKeys.push_back(keyCodeOf(other.key));
        seats_.push_back(std::move(seat));
    }
}

bool SwitchKeys::clicksAreSwitches() const
{
    return std::any_of(seats_.begin(), seats_.end(), [](const Seat &seat) { return seat.wiring.click(true) != 0; });
}

bool SwitchKeys::isEscape(const QEvent *event)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Escape;
}

int SwitchKeys::keySwitch(const Seat &seat, int key, bool typesText)
{
    if (key == Qt::Key_Escape)
        return 0;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((seat.wiring.second.kind == SecondSwitch::Kind::Enter && enter) || (seat.secondKey != 0 && key == seat.secondKey))
        return 2;
    if (seat.wiring.own.kind != PlayerSwitch::Kind::Any)
        return seat.ownKey != 0 && key == seat.ownKey ? 1 : 0;
    const bool claimed = std::find(seat.othersKeys.begin(), seat.othersKeys.end(), key) != seat.othersKeys.end();
    return typesText && !claimed ? 1 : 0;
}

std::optional<SwitchEvent> SwitchKeys::switchOf(const QEvent *event, Moment when) const
{
    for (std::size_t seat = 0; seat < seats_.size(); ++seat) {
        int which = 0;
        bool pressed = false;
        SwitchSource source = SwitchSource::Key;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto *key = static_cast<const QKeyEvent *>(event);
            if (key->isAutoRepeat())
                return std::nullopt;
            which = keySwitch(seats_[seat], key->key(), !key->text().isEmpty());
            pressed = event->type() == QEvent::KeyPress;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: // the second press of a quick pair
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton button = static_cast<const QMouseEvent *>(event)->button();
            if (button == Qt::LeftButton || button == Qt::RightButton)
                which = seats_[seat].wiring.click(button == Qt::LeftButton);
            pressed = event->type() != QEvent::MouseButtonRelease;
            source = SwitchSource::Mouse;
            break;
        }
        default:
            return std::nullopt;
        }
        if (which != 0)
            return SwitchEvent { which, pressed, when, source, false, int(seat) };
    }
    return std::nullopt;
}

} // namespace wildcrest
