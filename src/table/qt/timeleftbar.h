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
// until that time starts to run. A yellow fill in a black outline, as the
// offer frame's colours: the yellow reads on the light table and the dark one,
// and the black of the time gone on the light one. It lies below the frame,
// where the frame is drawn, repaints only when its fill has moved a pixel, and
// lets clicks through.
class TimeLeftBar : public QWidget
{
public:
    // `gap`: the pixels between the offer and the bar, room for the frame.
    TimeLeftBar(QWidget *parent, int thickness, int gap, QColor outline, QColor fill);

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
    int gap_;
    QColor outline_;
    QColor fill_;
    Moment runsFrom_ {};
    Moment ends_ {};
    int painted_ = -1; // the fill's width when last painted
    QTimer ticks_;
};

} // namespace wildcrest
