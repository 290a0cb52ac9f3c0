// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/tableview.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wildcrest
{

// What one control shows at the moment.
struct ControlState {
    Picture shown; // the last picture set
    std::string picture; // its file in the view's picture folder, "" for none
    bool visible = true;
    Twips left = 0;
    Twips top = 0;
    std::string caption;
    Colour backColour = 0;
    int pictureSets = 0; // how often a picture was set
    Moment movedAt { -1 }; // when it was last moved
};

// A window without a screen, for tests: it keeps every control's latest state,
// runs on a virtual clock that only moves when the game waits, and delivers
// scripted switch events, Esc and close requests at their moments.
//
//     HeadlessView view;
//     view.pressAt(view.now() + 3s);          // a switch press three seconds on
//     view.closeAt(view.now() + 1h);          // the close box, later
//     game.activate();                        // ends by throwing GameEnded
class HeadlessView : public TableView
{
public:
    // Pictures are named as files of `pictureDir`, as the window would read them.
    explicit HeadlessView(std::string pictureDir = "/game");

    // Scripted input, each delivered in the first yield or wait at or after its moment.
    // A press of switch 1 (down and up at once), or with 27 Esc.
    void pressAt(Moment when, int charCode = ' ');
    // Switch `which` goes down at `when` and comes up `length` later.
    void holdAt(Moment when, Moment length, int which = 1, SwitchSource source = SwitchSource::Key);
    // One switch event, at its own moment.
    void switchAt(const SwitchEvent &e);
    void closeAt(Moment when);
    // Runs `action` at its moment, as something outside the game happening then
    // (a device plugged in, a button going down); it may report switch events.
    void at(Moment when, std::function<void()> action);
    // Called whenever the game is about to sleep until `deadline` (Moment::max()
    // when it waits for the switch without limit), so a simulated player can look
    // at the table and schedule presses.
    using WaitObserver = std::function<void(HeadlessView &, Moment deadline)>;
    void onWait(WaitObserver observer);
    // Virtual time that every yield takes (none by default).
    void setYieldCost(Moment cost);
    // Ends the game when the virtual clock passes this moment.
    void setTimeLimit(Moment limit);
    // Presses a key (27 for Esc; 0 for the close box) at the n-th yield or wait,
    // counted from 1, whatever the game is doing then.
    void endAtCall(long n, int charCode);
    // Reports a switch event now, as the window would (for scripted actions).
    void report(const SwitchEvent &e);
    // Yields and waits so far.
    long calls() const;
    // Called at every yield and wait, before anything is delivered.
    void onCall(std::function<void(const HeadlessView &)> observer);

    // The clock of the time of day: each reading costs this much virtual time.
    void setClockStart(int secondsOfDay);
    void setReadingCost(Moment cost);
    // Replaces the seconds readings, e.g. with a clock that stalls.
    void setClockSeconds(std::function<int()> readings);

    const ControlState &state(Control c) const;
    bool closed() const;
    int beeps() const;
    bool autoRedraw() const;
    bool keyPreview() const;
    std::size_t pendingEvents() const;

    void setPicture(Control c, const Picture &picture) override;
    void setVisible(Control c, bool visible) override;
    Twips left(Control c) const override;
    Twips top(Control c) const override;
    void setLeft(Control c, Twips x) override;
    void setTop(Control c, Twips y) override;
    void setCaption(Control c, const std::string &text) override;
    void setBackColour(Control c, Colour colour) override;
    void setAutoRedraw(bool on) override;
    void setKeyPreview(bool on) override;
    void centreWindow() override;
    void beep() override;
    void closeWindow() override;
    void setSwitchHandler(SwitchHandler handler) override;
    void markOffer(std::optional<Control> c) override;
    void cue() override;
    void say(const std::string &text) override;
    void notifyScreenReader(const std::string &text) override;
    const Wording &words() const override
    {
        return *words_;
    }
    // The language the game writes and speaks in; `words` must outlive the view.
    void setWords(const Wording &words)
    {
        words_ = &words;
    }
    std::optional<Control> offerMark() const;
    // Each text said is heard to its end this long after it was given, as a
    // speech server reports it (0, the default: at once); nothing: never.
    void setSpeechLength(std::optional<Moment> length);
    std::optional<Moment> spokenToEnd() const override;
    // The time left shown on the offer: on what, full until, empty at.
    struct TimeLeft {
        Control on;
        Moment runsFrom;
        Moment ends;
    };
    void showTimeLeft(std::optional<Control> c, Moment runsFrom, Moment ends) override;
    std::optional<TimeLeft> timeLeft() const;
    int cues() const;
    const std::vector<std::string> &spoken() const;
    // What a screen reader was told, in order.
    const std::vector<std::string> &notices() const
    {
        return notices_;
    }
    void yield() override;
    void waitForEvent(Moment deadline) override;
    void waitForEvent() override;
    Moment now() const override;
    int clockSeconds() override;

private:
    struct Event {
        bool closes = false; // Esc or the close box
        SwitchEvent switchEvent;
        std::function<void()> action; // instead of either
    };
    ControlState &stateOf(Control c);
    void deliverDue();
    void countCall();
    void throwIfClosed();
    void sleepUntil(Moment deadline);

    static std::size_t indexOf(Control c);
    std::string pictureDir_;
    std::vector<ControlState> states_; // by indexOf, for quick lookups in long soaks
    std::vector<bool> exists_;
    std::multimap<Moment, Event> events_;
    SwitchHandler switchHandler_;
    WaitObserver observer_;
    std::function<int()> clockSeconds_;
    Moment now_ { 0 };
    Moment limit_ = std::chrono::hours(24);
    Moment readingCost_ { 20 };
    Moment yieldCost_ { 0 };
    int clockStart_ = 30;
    bool closed_ = false;
    bool autoRedraw_ = true;
    bool keyPreview_ = false;
    int beeps_ = 0;
    long calls_ = 0;
    std::optional<Control> offerMark_;
    int cues_ = 0;
    std::vector<std::string> spoken_;
    std::optional<Moment> speechLength_ { Moment { 0 } };
    std::optional<Moment> heard_ { Moment { 0 } };
    std::optional<TimeLeft> timeLeft_;
    std::vector<std::string> notices_;
    const Wording *words_ = &englishWording();
    std::function<void(const HeadlessView &)> callObserver_;
    long endAtCall_ = -1;
    int endCode_ = 27;
};

} // namespace wildcrest
