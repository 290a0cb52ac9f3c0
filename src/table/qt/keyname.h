// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>

#include <string>

namespace wildcrest
{

// The Qt key a name such as "F8", "Tab" or "A" stands for, as Qt writes key
// names; 0 when it names no single key without modifiers, or names Esc (which
// is never a switch).
inline int keyCodeOf(const std::string &name)
{
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return key == Qt::Key_unknown || key == Qt::Key_Escape ? 0 : key;
}

} // namespace wildcrest
