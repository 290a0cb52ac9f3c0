// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/playerfields.h"
#include "app/optiontext.h"
#include "app/qt/players.h"
#include "table/qt/keyname.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace wildcrest
{

PlayerSwitchField::PlayerSwitchField(QWidget *parent)
    : OptionField(new QWidget(parent))
    , kind_(new QComboBox(widget()))
    , key_(new QLineEdit(widget()))
    , button_(new QSpinBox(widget()))
{
    // In the order of PlayerSwitch::Kind.
    for (const char *kind : { QT_TRANSLATE_NOOP("SettingsDialog", "Any, less the other player's switch"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Key"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Joystick button"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Right click") })
        kind_->addItem(QCoreApplication::translate("SettingsDialog", kind));
    key_->setPlaceholderText("Space");
    key_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Key name"));
    button_->setRange(0, 31);
    button_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Joystick button number"));
    auto *row = new QHBoxLayout(widget());
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(kind_);
    row->addWidget(key_);
    row->addWidget(button_);
    widget()->setFocusProxy(kind_); // the label's accelerator leads to the list
    QObject::connect(kind_, &QComboBox::currentIndexChanged, kind_, [this] { showTheKindsOwnField(); });
    showTheKindsOwnField();
}

void PlayerSwitchField::show(const std::string &text)
{
    const PlayerSwitch own = parsePlayerSwitch(text).value_or(PlayerSwitch {});
    kind_->setCurrentIndex(int(own.kind));
    key_->setText(QString::fromStdString(own.key));
    button_->setValue(own.button);
}

std::string PlayerSwitchField::text() const
{
    PlayerSwitch own { PlayerSwitch::Kind(kind_->currentIndex()), {}, 0 };
    if (own.kind == PlayerSwitch::Kind::Key)
        own.key = key_->text().trimmed().toStdString();
    if (own.kind == PlayerSwitch::Kind::Button)
        own.button = button_->value();
    return playerSwitchText(own);
}

void PlayerSwitchField::onChange(const std::function<void()> &changed)
{
    QObject::connect(kind_, &QComboBox::currentIndexChanged, kind_, changed);
    QObject::connect(key_, &QLineEdit::textChanged, key_, changed);
    QObject::connect(button_, &QSpinBox::valueChanged, button_, changed);
}

std::optional<OptionField::Fault> PlayerSwitchField::fault() const
{
    if (PlayerSwitch::Kind(kind_->currentIndex()) != PlayerSwitch::Kind::Key || keyCodeOf(key_->text().trimmed().toStdString()) != 0)
        return std::nullopt;
    return Fault { QCoreApplication::translate("SettingsDialog", "The player's own switch needs a key name as Qt writes it, such as Space or F8."), key_ };
}

void PlayerSwitchField::showTheKindsOwnField()
{
    const auto kind = PlayerSwitch::Kind(kind_->currentIndex());
    key_->setVisible(kind == PlayerSwitch::Kind::Key);
    button_->setVisible(kind == PlayerSwitch::Kind::Button);
}

OpponentField::OpponentField(QWidget *parent)
    : OptionField(new QComboBox(parent))
    , list_(static_cast<QComboBox *>(widget()))
{
    list_->addItem(QCoreApplication::translate("SettingsDialog", "The computer"), QString("computer"));
    for (const std::string &name : playerNames())
        list_->addItem(QString::fromStdString(name), QString::fromStdString(name));
}

void OpponentField::show(const std::string &text)
{
    const QString name = QString::fromStdString(text);
    // A player whose file is gone stays as the file has them, rather than turn into the computer unseen.
    if (list_->findData(name) < 0)
        list_->addItem(name, name);
    list_->setCurrentIndex(list_->findData(name));
}

std::string OpponentField::text() const
{
    return list_->currentData().toString().toStdString();
}

void OpponentField::onChange(const std::function<void()> &changed)
{
    QObject::connect(list_, &QComboBox::currentIndexChanged, list_, changed);
}

} // namespace wildcrest
