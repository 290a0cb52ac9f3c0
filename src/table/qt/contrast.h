// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/controls.h"
#include "table/look.h"

#include <QColor>
#include <QString>

namespace wildcrest
{

// What a colour of the table's layout is used for.
enum class Paint { Table, Text, Back, Line };

// The colour a control of the table is shown in: as the layout says, or in
// high contrast its counterpart on a dark table. The title screen keeps its
// own colours: black on white is already the strongest.
QColor shownColour(Colour designed, Paint paint, Contrast contrast);

// In high contrast, the name plate of the side to move carries this mark
// before its name as well as its red, for a player who cannot tell red from
// black.
inline const QString kTurnMark = QStringLiteral("\u00BB ");

// The high-contrast colours, named for the tests that check them.
inline const QColor kDarkTable(0x10, 0x18, 0x20);
inline const QColor kLightText(0xFF, 0xFF, 0xFF);
inline const QColor kSignalYellow(0xFF, 0xE0, 0x00);
inline const QColor kDeepRed(0xA0, 0x00, 0x00);

} // namespace wildcrest
