// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/controlwidgets.h"

#include "table/qt/colours.h"
#include "table/qt/contrast.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wildcrest
{

PictureWidget::PictureWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    later_ = nullptr;
    update();
}

void PictureWidget::setPicture(std::function<QPixmap()> later)
{
    picture_ = QPixmap();
    later_ = std::move(later);
    update();
}

const QPixmap &PictureWidget::picture() const
{
    if (later_) {
        picture_ = later_();
        later_ = nullptr;
    }
    return picture_;
}

QRect PictureWidget::pictureArea() const
{
    if (picture().isNull())
        return rect();
    return QRect(QPoint(0, 0), picture().deviceIndependentSize().toSize()).intersected(rect());
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    if (picture().isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, picture_);
}

OutlineWidget::OutlineWidget(QWidget *parent, QColor line, int lineWidth)
    : QWidget(parent)
    , line_(line)
    , lineWidth_(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineWidget::paintEvent(QPaintEvent *)
{
    const int kLineWidth = lineWidth_;
    QPainter painter(this);
    QPen pen(line_, kLineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen straddles the path, so draw half a line inside the edge to keep it all within the control.
    const QRectF r = QRectF(rect()).adjusted(kLineWidth / 2.0, kLineWidth / 2.0, -kLineWidth / 2.0, -kLineWidth / 2.0);
    painter.drawRect(r);
}

QFont tableFont(const FontSpec &entry, double scale)
{
    QString family = QString::fromStdString(entry.family);
    if (family == "Arial" || family == "MS Sans Serif")
        family = "Liberation Sans"; // metric-compatible with Arial
    QFont font(family);
    if (entry.points > 0)
        font.setPixelSize(qRound(entry.points * 96.0 / 72.0 * scale));
    font.setBold(entry.bold);
    font.setItalic(entry.italic);
    return font;
}

void fillBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *makeLabel(const ControlSpec &entry, QWidget *parent, double scale, Contrast contrast)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromStdString(entry.caption));
    label->setFont(tableFont(entry.font, scale));
    // Long captions wrap within the label rather than run past its edge.
    label->setWordWrap(true);
    label->setAlignment(entry.align == Align::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (entry.textColour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, shownColour(*entry.textColour, Paint::Text, contrast));
        label->setPalette(palette);
    }
    if (entry.backColour)
        fillBackground(label, shownColour(*entry.backColour, Paint::Back, contrast));
    if (entry.veil)
        fillBackground(label, QColor(0, 0, 0, 160)); // the table shows through, dimmed
    if (entry.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        // A dark plate on the dark table needs a border that shows.
        label->setLineWidth(std::max(1, int(std::lround(scale))) * (contrast == Contrast::High ? 2 : 1));
        label->setIndent(int(std::lround(2 * scale)));
    }
    return label;
}

} // namespace wildcrest
