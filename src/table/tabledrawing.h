// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/controls.h"
#include "table/picture.h"

#include <string>

namespace wildcrest
{

// The window's named controls as the game draws on them.
//
//     drawing.setPicture(Image45, Picture::face("QH"));
//     drawing.setTop(playerslot(3), drawing.top(playerslot(3)) - 250);
class TableDrawing
{
public:
    virtual ~TableDrawing() = default;

    virtual void setPicture(Control c, const Picture &picture) = 0;
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
};

} // namespace wildcrest
