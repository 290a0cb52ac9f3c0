// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

namespace wildcrest
{

// The time left on the offer: a bar just under the offered card, suit or menu
// item that empties from right to left over the offer's time, and stays full
// until that time starts to run. Drawn in the offer frame's two colours, an
// outline of one round a fill of the other, so it reads on the light table,
// the dark one and the cards. It repaints only when its fill has moved a
// pixel, and lets clicks through.
class TimeLeftBar : public QWidget
{
public:
    TimeLeftBar(QWidget *parent, int thickness, QColor outline, QColor fill);

    // Runs under `area` of `target` from `runsFrom` to `ends`, on the steady
    // clock's microseconds as the table's now() tells them.
    void run(const QWidget *target, QRect area, Moment runsFrom, Moment ends);
    // Follows `target` where it is now (a card lifted or moved).
    void follow(const QWidget *target, QRect area);
    // The share of the time left, 1 (full) to 0.
    double left() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int fillWidth() const;
    void tick();

    int thickness_;
    QColor outline_;
    QColor fill_;
    Moment runsFrom_ {};
    Moment ends_ {};
    int painted_ = -1; // the fill's width when last painted
    QTimer ticks_;
};

} // namespace wildcrest
