// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/optionfields.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace wildcrest
{

// The player's own switch at a shared table: any input from a list, or a key,
// a joystick button or the right click, with the key's name or the button's
// number beside it when the kind needs one.
class PlayerSwitchField : public OptionField
{
public:
    explicit PlayerSwitchField(QWidget *parent);

    void show(const std::string &text) override;
    std::string text() const override;
    void onChange(const std::function<void()> &changed) override;
    // A key that Qt has no name for cannot be the switch.
    std::optional<Fault> fault() const override;

private:
    void showTheKindsOwnField();

    QComboBox *kind_;
    QLineEdit *key_;
    QSpinBox *button_;
};

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
