// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/qtswitches.h"

#include <QApplication>
#include <QKeyEvent>

#include <initializer_list>

namespace wildcrest
{

namespace
{
    bool isKey(const QEvent &event)
    {
        return event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease || event.type() == QEvent::ShortcutOverride;
    }

    bool isClick(const QEvent &event)
    {
        return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick || event.type() == QEvent::MouseButtonRelease;
    }
} // namespace

QtSwitches::QtSwitches(QWidget *owner, Reach reach, Handler handler)
    : owner_(owner)
    , reach_(reach)
    , handler_(std::move(handler))
    , keys_([this](const SwitchEvent &e) { report(e); })
    , mouse_([this](const SwitchEvent &e) { report(e); })
    , joysticks_([this](const SwitchEvent &e) { report(e); }, [this] { return owner_->window()->isActiveWindow(); })
{
    // Keys come to whichever widget has the focus, clicks to the one under the pointer.
    qApp->installEventFilter(this);
}

QtSwitches::~QtSwitches()
{
    qApp->removeEventFilter(this);
}

void QtSwitches::rewire(const SwitchWiring &wiring)
{
    rewire(std::vector<SwitchWiring> { wiring });
}

void QtSwitches::rewire(const std::vector<SwitchWiring> &seats)
{
    for (SwitchFeed *feed : std::initializer_list<SwitchFeed *> { &keys_, &mouse_, &joysticks_ })
        feed->rewire(seats);
}

void QtSwitches::onEscape(std::function<void()> escape)
{
    escape_ = std::move(escape);
}

void QtSwitches::letClicksThrough(QWidget *widget)
{
    letThrough_ = widget;
}

bool QtSwitches::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != owner_->window())
        return false;
    const bool leaving = event->type() == QEvent::WindowDeactivate || (reach_ == Reach::Panel && event->type() == QEvent::FocusOut && target == owner_);
    if (leaving) {
        // Their releases go elsewhere; the panel's joysticks stay its own while the dialog is in front.
        release(event->type() == QEvent::FocusOut ? std::optional(SwitchSource::Key) : std::nullopt);
        return false;
    }
    if (!reaches(target, *event))
        return false;
    if (isKey(*event))
        return filterKey(*event);
    return filterClick(*event);
}

bool QtSwitches::reaches(QWidget *target, const QEvent &event) const
{
    if (reach_ == Reach::Window)
        return isKey(event) || isClick(event);
    if (isClick(event))
        return (target == owner_ || owner_->isAncestorOf(target)) && !(letThrough_ && (target == letThrough_ || letThrough_->isAncestorOf(target)));
    if (!isKey(event) || !owner_->hasFocus())
        return false;
    const int key = static_cast<const QKeyEvent &>(event).key();
    if (key == Qt::Key_Escape)
        return false;
    return (key != Qt::Key_Tab && key != Qt::Key_Backtab) || keys_.switchOf(event) == 2;
}

bool QtSwitches::filterKey(QEvent &event)
{
    const bool window = reach_ == Reach::Window;
    if (event.type() == QEvent::ShortcutOverride) {
        if (window)
            return false; // the window has no shortcuts
        event.accept(); // taken here, it triggers no shortcut of the dialog
        return true;
    }
    if (event.type() == QEvent::KeyPress && static_cast<const QKeyEvent &>(event).key() == Qt::Key_Escape) {
        if (escape_)
            escape_(); // never filtered: the way out is always there
        return true;
    }
    const bool wasSwitch = keys_.take(event);
    // A key pressed does nothing else; a release is told once, not again by
    // each parent it would go on to. The panel's keys are all its own.
    return !window || event.type() == QEvent::KeyPress || wasSwitch;
}

bool QtSwitches::filterClick(QEvent &event)
{
    const bool wasSwitch = mouse_.take(event);
    if (reach_ == Reach::Window)
        return wasSwitch || mouse_.clicksAreSwitches(); // while clicks are switches, no button does anything else
    if (event.type() == QEvent::MouseButtonPress)
        owner_->setFocus(Qt::MouseFocusReason);
    return true;
}

void QtSwitches::release(std::optional<SwitchSource> source)
{
    keys_.flush();
    const Moment now = SwitchFeed::now();
    for (int seat = 0; seat < 2; ++seat)
        for (int which = 1; which <= 2; ++which) {
            const std::optional<SwitchSource> by = held_[seat * 2 + which - 1];
            if (by && (!source || by == source))
                report(SwitchEvent { which, false, now, *by, false, seat });
        }
}

void QtSwitches::report(const SwitchEvent &e)
{
    held_[(e.seat == 1 ? 2 : 0) + e.which - 1] = e.pressed ? std::optional(e.source) : std::nullopt;
    if (handler_)
        handler_(e);
}

} // namespace wildcrest
