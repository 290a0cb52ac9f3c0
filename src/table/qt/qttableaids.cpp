// SPDX-License-Identifier: GPL-3.0-or-later
// The player's aids in the window: the offer's frame, the screen reader's
// focus and names, the cue and the speech.
#include "table/qt/qttableview.h"

#include "table/qt/controlwidgets.h"
#include "table/qt/offerframe.h"
#include "table/qt/timeleftbar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace wildcrest
{

namespace
{

    // The narration line is a notification to assistive technology: a screen
    // reader speaks a notification as it is shown, without the focus going to it.
    class AnnouncedLine : public QAccessibleWidget
    {
    public:
        explicit AnnouncedLine(QWidget *line)
            : QAccessibleWidget(line, QAccessible::Notification)
        {
        }
        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name)
                return static_cast<const QLabel *>(widget())->text();
            return QAccessibleWidget::text(t);
        }
    };

    QAccessibleInterface *announcedLine(const QString &, QObject *object)
    {
        if (object && object->objectName() == QString::fromStdString(NarrationLine.name()) && qobject_cast<QLabel *>(object))
            return new AnnouncedLine(static_cast<QWidget *>(object));
        return nullptr;
    }

} // namespace

void QtTableView::announceThroughNarration()
{
    static const bool installed = [] {
        QAccessible::installFactory(announcedLine);
        return true;
    }();
    (void)installed;
}

void QtTableView::announced(Control c)
{
    // Shown again, the line is a new notification: told without taking the focus.
    QWidget *line = placed(c).widget;
    if (c == NarrationLine && QAccessible::isActive() && line->isVisible()) {
        line->hide();
        line->show();
    }
}

void QtTableView::markOffer(std::optional<Control> c)
{
    offered_ = c;
    placeOfferFrame();
}

void QtTableView::focusOffer(std::optional<Control> c)
{
    names_.offered(c);
    nameControls();
    if (!QAccessible::isActive())
        return; // no screen reader listens: the keyboard focus stays where it is
    if (c)
        placed(*c).widget->setFocus(Qt::OtherFocusReason);
}

void QtTableView::nameControls()
{
    // Kept up to date always, so a screen reader started mid-game finds them.
    for (const auto &[control, p] : controls_) {
        const QString name = QString::fromStdString(names_.nameOf(control));
        if (!name.isEmpty() && p.widget->accessibleName() != name)
            p.widget->setAccessibleName(name);
    }
}

namespace
{
    // What of a control's widget is marked: a picture's drawn area, or all of it.
    QRect markedArea(const QWidget *target)
    {
        const auto *picture = dynamic_cast<const PictureWidget *>(target);
        return picture ? picture->pictureArea() : target->rect();
    }
} // namespace

void QtTableView::placeOfferFrame()
{
    if (offered_ && !placed(*offered_).widget->isHidden()) {
        const QWidget *target = placed(*offered_).widget;
        offerFrame_->frame(target, markedArea(target));
    } else
        offerFrame_->hide();
    if (timed_ && !placed(*timed_).widget->isHidden()) {
        const QWidget *target = placed(*timed_).widget;
        timeLeft_->follow(target, markedArea(target));
    } else
        timeLeft_->hide();
}

void QtTableView::showTimeLeft(std::optional<Control> c, Moment runsFrom, Moment ends)
{
    timed_ = c;
    if (c && !placed(*c).widget->isHidden()) {
        const QWidget *target = placed(*c).widget;
        timeLeft_->run(target, markedArea(target), runsFrom, ends);
    } else
        timeLeft_->hide();
}

std::optional<Moment> QtTableView::spokenToEnd() const
{
    return speech_.heardToEnd();
}

void QtTableView::cue()
{
    bell_.cue();
}

void QtTableView::say(const std::string &text)
{
    speech_.say(text);
}

} // namespace wildcrest
