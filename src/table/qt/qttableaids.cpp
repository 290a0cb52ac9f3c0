// SPDX-License-Identifier: GPL-3.0-or-later
// The player's aids in the window: the offer's frame, the screen reader's
// focus and names, the cue and the speech.
#include "table/qt/qttableview.h"

#include "table/qt/controlwidgets.h"
#include "table/qt/offerframe.h"
#include "table/qt/timeleftbar.h"

#include <QAccessible>

namespace wildcrest
{

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
        readerFocus_->focusOn(placed(*c).widget, QString::fromStdString(names_.offerName(*c)));
}

void QtTableView::notifyScreenReader(const std::string &text)
{
    if (!QAccessible::isActive())
        return;
    readerFocus_->notify(QString::fromStdString(text));
    // Orca says "notification" and then the text. espeak-ng at Orca's usual rate
    // (170 words a minute) took 3.05 s for "notification Computer played the
    // ace of clubs.": about 15 characters a second.
    constexpr int kCharactersASecond = 15;
    newsSaidBy_ = now() + Moment(std::chrono::seconds(std::string("notification ").size() + text.size())) / kCharactersASecond;
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
