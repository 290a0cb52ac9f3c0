// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/optionfields.h"

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace wildcrest
{

// An input named from a list of kinds, with the key's name or the joystick
// button's number beside the list when the kind needs one: the second switch,
// and a player's own switch at a shared table.
class SwitchField : public OptionField
{
public:
    // What the field shows: the kind's place in the list, and its key or button.
    struct Input {
        int kind = 0;
        std::string key;
        int button = 0;
    };
    struct Kinds {
        std::vector<const char *> names; // the list, marked for the translators in context "SettingsDialog"
        int key = -1; // the kind that takes a key's name
        int button = -1; // the kind that takes a button's number
        const char *keyExample = ""; // shown in the empty key field
        const char *keyFault = ""; // said of a key Qt cannot name, context "SettingsDialog"
        std::function<Input(const std::string &)> read; // the option's text as the field shows it
        std::function<std::string(const Input &)> write; // and back
    };

    SwitchField(QWidget *parent, Kinds kinds);

    void show(const std::string &text) override;
    std::string text() const override;
    void onChange(const std::function<void()> &changed) override;
    // A key that Qt has no name for cannot be a switch.
    std::optional<Fault> fault() const override;

private:
    void showTheKindsOwnField();

    Kinds kinds_;
    QComboBox *kind_;
    QSpinBox *button_;
    QLineEdit *key_;
};

// The second switch: none, Return or Enter, the right click, a joystick button or a key.
std::unique_ptr<OptionField> makeSecondSwitchField(QWidget *parent);
// A player's own switch: any, a key, a joystick button or the right click.
std::unique_ptr<OptionField> makePlayerSwitchField(QWidget *parent);

} // namespace wildcrest
