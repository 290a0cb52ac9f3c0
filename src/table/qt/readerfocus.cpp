// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/readerfocus.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace wildcrest
{

namespace
{

    const QString kNoticeName = QStringLiteral("ScreenReaderNotice");

    // A notice has the notification role: when one is shown, a screen reader
    // (Orca) speaks it, wherever the focus is.
    QAccessibleInterface *noticeInterface(const QString &, QObject *object)
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (widget && widget->objectName() == kNoticeName)
            return new QAccessibleWidget(widget, QAccessible::Notification);
        return nullptr;
    }

    QWidget *quietChild(QWidget *window, const QString &objectName, const QString &name, const QRect &area)
    {
        auto *w = new QWidget(window);
        w->setObjectName(objectName);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setAccessibleName(name);
        w->setGeometry(area);
        return w;
    }

    // The one before goes once the new one is there: no moment with none.
    void replace(QWidget *&current, QWidget *next)
    {
        if (current)
            current->deleteLater();
        current = next;
    }

} // namespace

ReaderFocus::ReaderFocus(QWidget *window)
    : window_(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    (void)installed;
}

void ReaderFocus::focusOn(const QWidget *offered, const QString &name)
{
    QRect area(offered->mapTo(window_, QPoint(0, 0)), offered->size());
    // Orca takes a new object with the name, role and extents of the one that
    // had the focus for that one, and says nothing: the same card offered
    // again stands a pixel shorter, which no one sees.
    if (standIn_ && standIn_->geometry() == area && standIn_->accessibleName() == name)
        area.setHeight(area.height() - 1);
    QWidget *standIn = quietChild(window_, QStringLiteral("OfferStandIn"), name, area);
    // Focusable, as a screen reader expects what has the focus to be; never by a click or Tab.
    standIn->setFocusPolicy(Qt::ClickFocus);
    standIn->show();
    standIn->setFocus(Qt::OtherFocusReason);
    replace(standIn_, standIn);
}

void ReaderFocus::notify(const QString &text)
{
    QWidget *notice = quietChild(window_, kNoticeName, text, QRect(0, 0, 1, 1));
    notice->show();
    replace(notice_, notice);
}

} // namespace wildcrest
