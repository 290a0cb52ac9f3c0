// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/tableview.h"

#include <atomic>
#include <chrono>

namespace wildcrest::bench
{

using Clock = std::chrono::steady_clock;

// Thrown out of the game's first picture change after a press: the play has
// started, which is all a reaction measurement needs to see.
struct Reacted {
};

// Stands between the game and its window, forwarding every call, and notes
// when the game does what a measurement waits for: the first picture change
// after a press, and the first and last reading of the clock's seconds.
class WatchedView : public TableView
{
public:
    explicit WatchedView(TableView &inner)
        : inner_(inner)
    {
    }

    // The next picture change counts as the reaction to a press made at the
    // moment given to pressed(), and ends the play with Reacted.
    void watchForReaction()
    {
        watching_ = true;
    }
    // May be called from any thread, just before the key event is posted.
    void pressed(Clock::time_point at)
    {
        pressedAt_.store(at.time_since_epoch().count());
    }
    Clock::duration lastReaction() const
    {
        return lastReaction_;
    }
    Clock::time_point firstSecondsReading() const
    {
        return firstReading_;
    }
    Clock::time_point lastSecondsReading() const
    {
        return lastReading_;
    }

    void setPicture(Control c, const Picture &picture) override;
    void setVisible(Control c, bool visible) override
    {
        inner_.setVisible(c, visible);
    }
    Twips left(Control c) const override
    {
        return inner_.left(c);
    }
    Twips top(Control c) const override
    {
        return inner_.top(c);
    }
    void setLeft(Control c, Twips x) override
    {
        inner_.setLeft(c, x);
    }
    void setTop(Control c, Twips y) override
    {
        inner_.setTop(c, y);
    }
    void setCaption(Control c, const std::string &text) override
    {
        inner_.setCaption(c, text);
    }
    void setBackColour(Control c, Colour colour) override
    {
        inner_.setBackColour(c, colour);
    }
    void setAutoRedraw(bool on) override
    {
        inner_.setAutoRedraw(on);
    }
    void setKeyPreview(bool on) override
    {
        inner_.setKeyPreview(on);
    }
    void centreWindow() override
    {
        inner_.centreWindow();
    }
    void beep() override
    {
        inner_.beep();
    }
    void closeWindow() override
    {
        inner_.closeWindow();
    }
    void setSwitchHandler(SwitchHandler handler) override
    {
        inner_.setSwitchHandler(std::move(handler));
    }
    void markOffer(std::optional<Control> c) override
    {
        inner_.markOffer(c);
    }
    void cue() override
    {
        inner_.cue();
    }
    void say(const std::string &text) override
    {
        inner_.say(text);
    }
    void yield() override
    {
        inner_.yield();
    }
    void waitForEvent(Moment deadline) override
    {
        inner_.waitForEvent(deadline);
    }
    void waitForEvent() override
    {
        inner_.waitForEvent();
    }
    Moment now() const override
    {
        return inner_.now();
    }
    int clockSeconds() override;

private:
    TableView &inner_;
    bool watching_ = false;
    std::atomic<Clock::rep> pressedAt_ { 0 };
    Clock::duration lastReaction_ {};
    Clock::time_point firstReading_ {};
    Clock::time_point lastReading_ {};
};

} // namespace wildcrest::bench
