// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "settings/speeds.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <deque>

namespace wildcrest::testing
{

// Deck rolls that deal the card at canonical place `first` to the player first,
// the rest in their sorted order.
inline std::deque<std::int32_t> dealingFirst(int first)
{
    std::deque<std::int32_t> rolls { first };
    for (int p = 1; p <= 52; ++p)
        if (p != first)
            rolls.push_back(p);
    return rolls;
}

// The deck in its sorted order: the player holds AS AH 2S 2H 3S 3H 4S, the pile shows 4H.
inline std::deque<std::int32_t> sortedDeck()
{
    return dealingFirst(1);
}

// The controls the game's load hides, for a game started without it.
inline void hideAsAtLoad(QtTableView &view)
{
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49 })
        view.setVisible(c, false);
}

inline void postKey(QtTableView &view, Qt::Key key, const QString &text)
{
    QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}

inline void pressSpace(QtTableView &view)
{
    postKey(view, Qt::Key_Space, " ");
}

// The player's place whose card stands lifted, or 0.
inline int liftedSlot(const QtTableView &view)
{
    for (int k = 1; k <= kHandPlaces; ++k)
        if (view.top(playerslot(k)) == playerslotRect(k).top - kLift)
            return k;
    return 0;
}

} // namespace wildcrest::testing
