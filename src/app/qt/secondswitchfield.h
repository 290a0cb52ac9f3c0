// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/optionfields.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace wildcrest
{

// The second switch: its kind from a list, and beside it the joystick
// button's number or the key's name when the kind needs one.
class SecondSwitchField : public OptionField
{
public:
    explicit SecondSwitchField(QWidget *parent);

    void show(const std::string &text) override;
    std::string text() const override;
    void onChange(const std::function<void()> &changed) override;
    // A key that Qt has no name for cannot be the switch.
    std::optional<Fault> fault() const override;

private:
    void showTheKindsOwnField();

    QComboBox *kind_;
    QSpinBox *button_;
    QLineEdit *key_;
};

} // namespace wildcrest
