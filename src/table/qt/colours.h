// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/controls.h"

#include <QColor>

namespace wildcrest
{

// The table's colours are 0x00BBGGRR, red in the low byte. The two system
// colours the layout uses stand for a plain white window with black text.
inline QColor toQColor(Colour colour)
{
    if (colour == kSystemWindowBackground)
        return QColor(Qt::white);
    if (colour == kSystemWindowText)
        return QColor(Qt::black);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace wildcrest
