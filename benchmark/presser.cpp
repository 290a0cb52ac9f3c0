// SPDX-License-Identifier: GPL-3.0-or-later
#include "presser.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace wildcrest::bench
{

void postPress(QWidget *window)
{
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
}

} // namespace wildcrest::bench
