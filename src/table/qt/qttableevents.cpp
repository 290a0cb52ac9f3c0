// SPDX-License-Identifier: GPL-3.0-or-later
// The window's event loop and clock as the game waits on them, the switches
// it reports, and its closing.
#include "table/qt/qttableview.h"

#include "table/qt/qtswitches.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTime>

#include <climits>

namespace wildcrest
{

void QtTableView::closeWindow()
{
    closed_ = true;
    close();
}

void QtTableView::closeEvent(QCloseEvent *event)
{
    // The game ends at its next yield or wait: throwing here would cross Qt's event dispatch.
    closed_ = true;
    event->accept();
}

void QtTableView::setSwitchHandler(SwitchHandler handler)
{
    switchHandler_ = std::move(handler);
}

void QtTableView::setSwitchWiring(const SwitchWiring &wiring)
{
    switches_->rewire(wiring);
}

void QtTableView::setSwitchWiring(const std::vector<SwitchWiring> &seats)
{
    switches_->rewire(seats);
}

JoystickSwitch *QtTableView::joysticks() const
{
    return switches_->joysticks();
}

void QtTableView::report(const SwitchEvent &e)
{
    if (!switchHandler_ || closed_)
        return;
    // Nothing may be thrown through Qt's event dispatch: keep it for the game's next yield or wait.
    try {
        switchHandler_(e);
    } catch (const GameEnded &) {
        closed_ = true;
    } catch (...) {
        if (!switchFailure_)
            switchFailure_ = std::current_exception();
    }
}

void QtTableView::endIfClosed()
{
    if (switchFailure_)
        std::rethrow_exception(std::exchange(switchFailure_, nullptr));
    if (closed_)
        throw GameEnded {};
}

void QtTableView::yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    endIfClosed();
}

void QtTableView::waitForEvent(Moment deadline)
{
    const Moment remaining = deadline - now();
    if (remaining.count() <= 0 || closed_) {
        yield();
        return;
    }
    // Rounded up, so the wait never ends before the deadline for want of a millisecond.
    const long long ms = (remaining.count() + 999) / 1000;
    wakeTimer_.start(int(std::min<long long>(ms, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeTimer_.stop();
    endIfClosed();
}

void QtTableView::waitForEvent()
{
    // Once closed, nothing may come to wake the wait: end at once.
    if (closed_) {
        yield();
        return;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    endIfClosed();
}

Moment QtTableView::now() const
{
    return std::chrono::duration_cast<Moment>(std::chrono::steady_clock::now().time_since_epoch());
}

int QtTableView::clockSeconds()
{
    // Read as the time of day's text, seconds in characters 7 and 8: the pacing
    // calibration counts how many such readings fit in one second.
    return QTime::currentTime().toString("hh:mm:ss").mid(6, 2).toInt();
}

} // namespace wildcrest
