#include "table/qt/controlwidgets.h"

#include "table/qt/colours.h"

#include <QPaintEvent>
#include <QPainter>

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
    update();
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, picture_);
}

OutlineWidget::OutlineWidget(QWidget *parent, QColor line)
    : QWidget(parent)
    , line_(line)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineWidget::paintEvent(QPaintEvent *)
{
    constexpr int kLineWidth = 2;
    QPainter painter(this);
    QPen pen(line_, kLineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen straddles the path, so draw half a line inside the edge to keep it all within the control.
    const QRectF r = QRectF(rect()).adjusted(kLineWidth / 2.0, kLineWidth / 2.0, -kLineWidth / 2.0, -kLineWidth / 2.0);
    painter.drawRect(r);
}

QFont tableFont(const FontSpec &spec)
{
    QString family = QString::fromStdString(spec.family);
    if (family == "Arial" || family == "MS Sans Serif")
        family = "Liberation Sans"; // metric-compatible with Arial
    QFont font(family);
    if (spec.points > 0)
        font.setPixelSize(qRound(spec.points * 96.0 / 72.0));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

void fillBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *makeLabel(const ControlSpec &spec, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromStdString(spec.caption));
    label->setFont(tableFont(spec.font));
    // Long captions wrap within the label rather than run past its edge.
    label->setWordWrap(true);
    label->setAlignment(spec.align == Align::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (spec.textColour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(*spec.textColour));
        label->setPalette(palette);
    }
    if (spec.backColour)
        fillBackground(label, toQColor(*spec.backColour));
    if (spec.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(2);
    }
    return label;
}

} // namespace wildcrest
