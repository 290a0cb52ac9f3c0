// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/layout.h"
#include "table/look.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace wildcrest
{

// An Image control: its picture at its own size from the top-left corner,
// never scaled or smoothed (the 71 x 96 cards sit in 73 x 97 places). Without
// a picture it draws nothing, and the table shows through.
class PictureWidget : public QWidget
{
public:
    explicit PictureWidget(QWidget *parent);
    void setPicture(const QPixmap &picture);
    // A picture still being drawn: `later` gives it when it is first painted
    // or asked for.
    void setPicture(std::function<QPixmap()> later);
    const QPixmap &picture() const;
    // Where the picture is drawn within the control: a card is narrower than
    // its place. The whole control when it shows no picture.
    QRect pictureArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable QPixmap picture_;
    mutable std::function<QPixmap()> later_;
};

// A Shape control: the outline of a rectangle, drawn over whatever is below.
class OutlineWidget : public QWidget
{
public:
    OutlineWidget(QWidget *parent, QColor line, int lineWidth = 2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor line_;
    int lineWidth_;
};

// The font a label was designed with, as installed here, grown by `scale`. The
// size is set in pixels so that the text fits its label whatever DPI the
// display reports.
QFont tableFont(const FontSpec &entry, double scale = 1);

// Paints the widget's whole area in `colour` from now on.
void fillBackground(QWidget *widget, QColor colour);

// A Label control as the layout describes it, at the table's scale and in its contrast.
QLabel *makeLabel(const ControlSpec &entry, QWidget *parent, double scale = 1, Contrast contrast = Contrast::Standard);

} // namespace wildcrest
