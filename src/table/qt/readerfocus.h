// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

namespace wildcrest
{

// What a screen reader is told of the table as the game goes: each offer as a
// move of the focus, and what happens as a notification.
//
// A screen reader speaks a focus that moves, not a focused object whose name
// changes, and it keeps the names of the objects it has met. So each offer is
// a new stand-in, laid over the offered control and named for the offer, that
// takes the focus from the one before, even at the place offered before; and
// each notification is a new object shown. Neither draws anything.
class ReaderFocus
{
public:
    // The stand-ins and notices are children of `window`.
    explicit ReaderFocus(QWidget *window);

    // The focus goes to a new stand-in over `offered`, named `name`.
    void focusOn(const QWidget *offered, const QString &name);
    // `text` is shown to assistive technology as a new notification, which a
    // screen reader speaks without the focus moving.
    void notify(const QString &text);

    // The stand-in that has or had the focus last; nullptr before any offer.
    QWidget *focused() const
    {
        return standIn_;
    }
    // The last notification; nullptr before any.
    QWidget *notice() const
    {
        return notice_;
    }

private:
    QWidget *window_;
    QWidget *standIn_ = nullptr;
    QWidget *notice_ = nullptr;
};

} // namespace wildcrest
