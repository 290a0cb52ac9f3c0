// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/secondswitchfield.h"
#include "app/optiontext.h"
#include "table/qt/keyname.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace wildcrest
{

SecondSwitchField::SecondSwitchField(QWidget *parent)
    : OptionField(new QWidget(parent))
    , kind_(new QComboBox(widget()))
    , button_(new QSpinBox(widget()))
    , key_(new QLineEdit(widget()))
{
    // In the order of SecondSwitch::Kind.
    for (const char *kind : { QT_TRANSLATE_NOOP("SettingsDialog", "None"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Return or Enter"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Right click"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Joystick button"),
             QT_TRANSLATE_NOOP("SettingsDialog", "Key") })
        kind_->addItem(QCoreApplication::translate("SettingsDialog", kind));
    button_->setRange(0, 31);
    button_->setAccessibleName(QCoreApplication::translate("SettingsDialog", "Joystick button number"));
    key_->setPlaceholderText("F8");
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

void SecondSwitchField::show(const std::string &text)
{
    const SecondSwitch second = parseSecondSwitch(text).value_or(SecondSwitch {});
    kind_->setCurrentIndex(int(second.kind));
    button_->setValue(second.button);
    key_->setText(QString::fromStdString(second.key));
}

std::string SecondSwitchField::text() const
{
    SecondSwitch second { SecondSwitch::Kind(kind_->currentIndex()), 0, {} };
    if (second.kind == SecondSwitch::Kind::Button)
        second.button = button_->value();
    if (second.kind == SecondSwitch::Kind::Key)
        second.key = key_->text().trimmed().toStdString();
    return secondSwitchText(second);
}

void SecondSwitchField::onChange(const std::function<void()> &changed)
{
    QObject::connect(kind_, &QComboBox::currentIndexChanged, kind_, changed);
    QObject::connect(button_, &QSpinBox::valueChanged, button_, changed);
    QObject::connect(key_, &QLineEdit::textChanged, key_, changed);
}

std::optional<OptionField::Fault> SecondSwitchField::fault() const
{
    if (SecondSwitch::Kind(kind_->currentIndex()) != SecondSwitch::Kind::Key || keyCodeOf(key_->text().trimmed().toStdString()) != 0)
        return std::nullopt;
    return Fault { QCoreApplication::translate("SettingsDialog", "The second switch's key needs a name as Qt writes it, such as F8 or Tab."), key_ };
}

void SecondSwitchField::showTheKindsOwnField()
{
    const auto kind = SecondSwitch::Kind(kind_->currentIndex());
    button_->setVisible(kind == SecondSwitch::Kind::Button);
    key_->setVisible(kind == SecondSwitch::Kind::Key);
}

} // namespace wildcrest
