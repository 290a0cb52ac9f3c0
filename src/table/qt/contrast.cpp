// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/contrast.h"

#include "table/layout.h"
#include "table/qt/colours.h"

namespace wildcrest
{

QColor shownColour(Colour designed, Paint paint, Contrast contrast)
{
    if (contrast == Contrast::Standard)
        return toQColor(designed);
    switch (paint) {
    case Paint::Table:
        return designed == kTableColour ? kDarkTable : toQColor(designed);
    case Paint::Text:
        // The round caption's black and the results' red would vanish on the dark table.
        if (designed == kSystemWindowText)
            return kLightText;
        if (designed == kRed)
            return kSignalYellow;
        return toQColor(designed);
    case Paint::Back:
        // The plates keep their red and black, the red deep enough for the
        // yellow name to read on it; the mark says the rest.
        return designed == kRed ? kDeepRed : toQColor(designed);
    case Paint::Line:
        // The red frame round the pile while a suit is named, and the green
        // outlines of the hands, in colours that stand out on the dark table.
        if (designed == kRed)
            return kSignalYellow;
        return QColor(0x70, 0xD0, 0x70);
    }
    return toQColor(designed);
}

} // namespace wildcrest
