// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "suitsymbols.h"

#include <QColor>
#include <QPainter>

namespace wildcrest::pictures
{

// The middle of a jack, queen or king (`rank` J, Q or K) in `ink`, on a card
// drawn at its own size of 71 x 96.
void drawCourt(QPainter &painter, char rank, Suit suit, const QColor &ink);

} // namespace wildcrest::pictures
