// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/opponentfield.h"
#include "app/qt/players.h"

#include <QComboBox>
#include <QCoreApplication>

namespace wildcrest
{

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
