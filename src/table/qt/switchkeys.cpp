// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/switchkeys.h"

#include "table/qt/keyname.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace wildcrest
{

SwitchKeys::SwitchKeys(const SwitchWiring &wiring)
    : wiring_(wiring)
{
    if (wiring_.second.kind == SecondSwitch::Kind::Key)
        secondKey_ = keyCodeOf(wiring_.second.key);
}

bool SwitchKeys::isEscape(const QEvent *event)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Escape;
}

int SwitchKeys::keySwitch(int key, bool typesText) const
{
    if (key == Qt::Key_Escape)
        return 0;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((wiring_.second.kind == SecondSwitch::Kind::Enter && enter) || (secondKey_ != 0 && key == secondKey_))
        return 2;
    return typesText ? 1 : 0;
}

std::optional<SwitchEvent> SwitchKeys::switchOf(const QEvent *event, Moment when) const
{
    int which = 0;
    bool pressed = false;
    SwitchSource source = SwitchSource::Key;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->isAutoRepeat())
            return std::nullopt;
        which = keySwitch(key->key(), !key->text().isEmpty());
        pressed = event->type() == QEvent::KeyPress;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a quick pair
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<const QMouseEvent *>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton)
            which = wiring_.click(button == Qt::LeftButton);
        pressed = event->type() != QEvent::MouseButtonRelease;
        source = SwitchSource::Mouse;
        break;
    }
    default:
        return std::nullopt;
    }
    if (which == 0)
        return std::nullopt;
    return SwitchEvent { which, pressed, when, source };
}

} // namespace wildcrest
