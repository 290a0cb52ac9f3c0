// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/switchfield.h"
#include "app/optiontext.h"
#include "table/qt/keyname.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace wildcrest
{

SwitchField::SwitchField(QWidget *parent, Kinds kinds)
    : OptionField(new QWidget(parent))
    , kinds_(std::move(kinds))
    , kind_(new QComboBox(widget()))
    , button_(new QSpinBox(widget()))
    , key_(new QLineEdit(widget()))
{
    for (const char *kind : kinds_.names)
        kind_->addItem(QCoreApplication::translate("SettingsDialog", kind));
    button_->setRange(0, 31);
    button_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Joystick button number"));
    key_->setPlaceholderText(kinds_.keyExample);
    key_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Key name"));
    auto *row = new QHBoxLayout(widget());
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(kind_);
    row->addWidget(button_);
    row->addWidget(key_);
    widget()->setFocusProxy(kind_); // the label's accelerator leads to the list
    QObject::connect(kind_, &QComboBox::currentIndexChanged, kind_, [this] { showTheKindsOwnField(); });
    showTheKindsOwnField();
}

void SwitchField::show(const std::string &text)
{
    const Input input = kinds_.read(text);
    kind_->setCurrentIndex(input.kind);
    button_->setValue(input.button);
    key_->setText(QString::fromStdString(input.key));
}

std::string SwitchField::text() const
{
    Input input { kind_->currentIndex(), {}, 0 };
    if (input.kind == kinds_.button)
        input.button = button_->value();
    if (input.kind == kinds_.key)
        input.key = key_->text().trimmed().toStdString();
    return kinds_.write(input);
}

void SwitchField::onChange(const std::function<void()> &changed)
{
    QObject::connect(kind_, &QComboBox::currentIndexChanged, kind_, changed);
    QObject::connect(button_, &QSpinBox::valueChanged, button_, changed);
    QObject::connect(key_, &QLineEdit::textChanged, key_, changed);
}

std::optional<OptionField::Fault> SwitchField::fault() const
{
    if (kind_->currentIndex() != kinds_.key || keyCodeOf(key_->text().trimmed().toStdString()) != 0)
        return std::nullopt;
    return Fault { QCoreApplication::translate("SettingsDialog", kinds_.keyFault), key_ };
}

void SwitchField::showTheKindsOwnField()
{
    button_->setVisible(kind_->currentIndex() == kinds_.button);
    key_->setVisible(kind_->currentIndex() == kinds_.key);
}

std::unique_ptr<OptionField> makeSecondSwitchField(QWidget *parent)
{
    using Kind = SecondSwitch::Kind;
    return std::make_unique<SwitchField>(parent,
        SwitchField::Kinds { // in the order of SecondSwitch::Kind
            { QT_TRANSLATE_NOOP("SettingsDialog", "None"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Return or Enter"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Right click"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Joystick button"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Key") },
            int(Kind::Key),
            int(Kind::Button),
            "F8",
            QT_TRANSLATE_NOOP("SettingsDialog", "The second switch's key needs a name as Qt writes it, such as F8 or Tab."),
            [](const std::string &text) {
                const SecondSwitch second = parseSecondSwitch(text).value_or(SecondSwitch {});
                return SwitchField::Input { int(second.kind), second.key, second.button };
            },
            [](const SwitchField::Input &input) {
                return secondSwitchText(SecondSwitch { Kind(input.kind), input.button, input.key });
            } });
}

std::unique_ptr<OptionField> makePlayerSwitchField(QWidget *parent)
{
    using Kind = PlayerSwitch::Kind;
    return std::make_unique<SwitchField>(parent,
        SwitchField::Kinds { // in the order of PlayerSwitch::Kind
            { QT_TRANSLATE_NOOP("SettingsDialog", "Any, less the other player's switch"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Key"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Joystick button"),
                QT_TRANSLATE_NOOP("SettingsDialog", "Right click") },
            int(Kind::Key),
            int(Kind::Button),
            "Space",
            QT_TRANSLATE_NOOP("SettingsDialog", "The player's own switch needs a key name as Qt writes it, such as Space or F8."),
            [](const std::string &text) {
                const PlayerSwitch own = parsePlayerSwitch(text).value_or(PlayerSwitch {});
                return SwitchField::Input { int(own.kind), own.key, own.button };
            },
            [](const SwitchField::Input &input) {
                return playerSwitchText(PlayerSwitch { Kind(input.kind), input.key, input.button });
            } });
}

} // namespace wildcrest
