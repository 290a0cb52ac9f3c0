// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/optionfields.h"

class QComboBox;

namespace wildcrest
{

// Who plays the top hand: the computer, or one of the players who have a file.
class OpponentField : public OptionField
{
public:
    explicit OpponentField(QWidget *parent);

    void show(const std::string &text) override;
    std::string text() const override;
    void onChange(const std::function<void()> &changed) override;

private:
    QComboBox *list_;
};

} // namespace wildcrest
