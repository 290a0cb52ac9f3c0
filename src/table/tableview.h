// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "switch/switchevent.h"
#include "table/controls.h"

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace wildcrest
{

// Thrown out of a yield or a wait once the window has been closed (Esc or the
// close box): it unwinds whatever loop the game was in, and the program ends.
struct GameEnded {
};

// A picture file that is missing or unreadable; the program ends with its path.
class PictureError : public std::runtime_error
{
public:
    explicit PictureError(const std::string &path)
        : std::runtime_error("cannot load the picture " + path)
        , path_(path)
    {
    }
    const std::string &path() const
    {
        return path_;
    }

private:
    std::string path_;
};

// The window as the game logic sees it: the display operations on its named
// controls, its events and its clock. The Qt window implements it for players,
// the headless view for tests. Game logic talks to nothing else.
//
//     view.setPicture(Image45, facepath("QH"));
//     view.setTop(playerslot(3), view.top(playerslot(3)) - 250);
//     view.setSwitchHandler([&](const SwitchEvent &e) { ... });
//     while (hitkey == 0) view.waitForEvent(deadline);
class TableView
{
public:
    // Called with everything the player's switches do (no auto-repeat). Esc and
    // the close box are never a switch: they close the window.
    using SwitchHandler = std::function<void(const SwitchEvent &)>;

    virtual ~TableView() = default;

    virtual void setPicture(Control c, const std::string &path) = 0;
    virtual void setVisible(Control c, bool visible) = 0;
    virtual Twips left(Control c) const = 0;
    virtual Twips top(Control c) const = 0;
    virtual void setLeft(Control c, Twips x) = 0;
    virtual void setTop(Control c, Twips y) = 0;
    virtual void setCaption(Control c, const std::string &text) = 0;
    virtual void setBackColour(Control c, Colour colour) = 0;
    virtual void setAutoRedraw(bool on) = 0;
    virtual void setKeyPreview(bool on) = 0;
    virtual void centreWindow() = 0;
    // The short alert sound at the end of a match; no sound device is not an error.
    virtual void beep() = 0;
    // Unloads the window; the next yield or wait ends the game.
    virtual void closeWindow() = 0;

    virtual void setSwitchHandler(SwitchHandler handler) = 0;

    // Aids a player can be given; a view may leave any of them out.
    // A frame round the offered card or suit, following it as it moves; nothing for none.
    virtual void markOffer(std::optional<Control> c)
    {
        (void)c;
    }
    // The offered card or suit becomes what assistive technology (a screen
    // reader) is told has the focus; nothing for none. Not seen on screen.
    virtual void focusOffer(std::optional<Control> c)
    {
        (void)c;
    }
    // A short sound: something new is on offer.
    virtual void cue()
    {
    }
    // Speaks the text, cutting short whatever was still being spoken.
    virtual void say(const std::string &text)
    {
        (void)text;
    }
    // The words of the table's language, in which the game writes its captions
    // and speaks.
    virtual const Wording &words() const
    {
        return englishWording();
    }

    // Processes every pending event (switch events included) and returns at once.
    virtual void yield() = 0;
    // Processes pending events; when there are none, sleeps until one arrives or
    // the deadline passes, then returns. Costs no CPU while it sleeps.
    virtual void waitForEvent(Moment deadline) = 0;
    // Sleeps until an event arrives, however long that takes.
    virtual void waitForEvent() = 0;

    virtual Moment now() const = 0;
    // The seconds of the local time of day, 0 to 59.
    virtual int clockSeconds() = 0;
};

} // namespace wildcrest
