// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace wildcrest
{

// Where `target` (a sibling or any widget of the same window) is in `host`'s
// parent: what lies over it is placed from there.
QPoint placeOver(const QWidget *host, const QWidget *target);

// The frame round the offered card or suit: a black outer ring and a yellow
// inner one, each kRing pixels wide, so that it stands out on the light green
// table, on the cards and on the red pile frame, with or without colour vision.
// It lies outside the rectangle it marks and lets clicks through.
class OfferFrame : public QWidget
{
public:
    static constexpr int kRing = 3;
    static constexpr int kWidth = 2 * kRing;
    static const QColor kOuter;
    static const QColor kInner;

    // Rings `ring` pixels wide, grown with the table; on a dark table the
    // colours change places, so the light ring meets the table.
    explicit OfferFrame(QWidget *parent, int ring = kRing, QColor outer = kOuter, QColor inner = kInner);
    int frameWidth() const
    {
        return 2 * ring_;
    }

    // Frames `area` of `target` (a sibling or any widget of the same window)
    // where it is now, above everything, so nothing beneath crosses it.
    void frame(const QWidget *target, QRect area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int ring_;
    QColor outer_;
    QColor inner_;
};

} // namespace wildcrest
