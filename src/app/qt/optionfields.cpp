// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/optionfields.h"
#include "app/qt/opponentfield.h"
#include "app/qt/switchfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace wildcrest
{

namespace
{

    QString dialogText(const std::string &english)
    {
        return QCoreApplication::translate("SettingsDialog", english.c_str());
    }

    // A field whose widget is a W.
    template <typename W> class FieldOf : public OptionField
    {
    protected:
        explicit FieldOf(W *widget)
            : OptionField(widget)
        {
        }
        W *input() const
        {
            return static_cast<W *>(widget());
        }
    };

    // Checked is the second of the option's two values.
    class CheckField : public FieldOf<QCheckBox>
    {
    public:
        CheckField(const OptionInfo &option, QWidget *parent)
            : FieldOf(new QCheckBox(dialogText(option.editor.text), parent))
            , off_(option.editor.items.at(0).value)
            , on_(option.editor.items.at(1).value)
        {
        }
        void show(const std::string &text) override
        {
            input()->setChecked(text == on_);
        }
        std::string text() const override
        {
            return input()->isChecked() ? on_ : off_;
        }
        void onChange(const std::function<void()> &changed) override
        {
            QObject::connect(input(), &QCheckBox::toggled, input(), changed);
        }

    private:
        std::string off_, on_;
    };

    class ListField : public FieldOf<QComboBox>
    {
    public:
        ListField(const OptionInfo &option, QWidget *parent)
            : FieldOf(new QComboBox(parent))
        {
            for (const ChoiceItem &item : option.editor.items)
                input()->addItem(dialogText(item.label), QString::fromStdString(item.value));
        }
        void show(const std::string &text) override
        {
            input()->setCurrentIndex(std::max(0, input()->findData(QString::fromStdString(text))));
        }
        std::string text() const override
        {
            return input()->currentData().toString().toStdString();
        }
        void onChange(const std::function<void()> &changed) override
        {
            QObject::connect(input(), &QComboBox::currentIndexChanged, input(), changed);
        }
    };

    class WholeField : public FieldOf<QSpinBox>
    {
    public:
        WholeField(const OptionInfo &option, QWidget *parent)
            : FieldOf(new QSpinBox(parent))
        {
            input()->setRange(int(option.editor.low), int(option.editor.high));
            input()->setSingleStep(int(option.editor.step));
            input()->setSuffix(dialogText(option.editor.suffix));
            input()->setSpecialValueText(dialogText(option.editor.lowText));
        }
        void show(const std::string &text) override
        {
            input()->setValue(QString::fromStdString(text).toInt());
        }
        std::string text() const override
        {
            return std::to_string(input()->value());
        }
        void onChange(const std::function<void()> &changed) override
        {
            QObject::connect(input(), &QSpinBox::valueChanged, input(), changed);
        }
    };

    // Seconds shown with two decimals, in the locale's way of writing them.
    class SecondsField : public FieldOf<QDoubleSpinBox>
    {
    public:
        SecondsField(const OptionInfo &option, QWidget *parent)
            : FieldOf(new QDoubleSpinBox(parent))
        {
            input()->setRange(option.editor.low, option.editor.high);
            input()->setDecimals(2);
            input()->setSingleStep(option.editor.step);
            input()->setSuffix(dialogText(option.editor.suffix));
        }
        void show(const std::string &text) override
        {
            input()->setValue(QString::fromStdString(text).toDouble()); // the file's way, whatever the locale
        }
        std::string text() const override
        {
            return QString::number(input()->value(), 'f', 3).toStdString();
        }
        void onChange(const std::function<void()> &changed) override
        {
            QObject::connect(input(), &QDoubleSpinBox::valueChanged, input(), changed);
        }
    };

    // Seconds, and on a row of its own a box that leaves them to be learnt ("auto").
    class SecondsOrAutoField : public SecondsField
    {
    public:
        SecondsOrAutoField(const OptionInfo &option, QWidget *parent)
            : SecondsField(option, parent)
            , auto_(new QCheckBox(dialogText(option.editor.text), parent))
        {
            QObject::connect(auto_, &QCheckBox::toggled, input(), &QWidget::setDisabled);
        }
        void show(const std::string &text) override
        {
            // The seconds stay as they were under auto: the file keeps none then.
            if (text != "auto")
                SecondsField::show(text);
            auto_->setChecked(text == "auto");
            input()->setDisabled(auto_->isChecked());
        }
        std::string text() const override
        {
            return auto_->isChecked() ? "auto" : SecondsField::text();
        }
        void onChange(const std::function<void()> &changed) override
        {
            SecondsField::onChange(changed);
            QObject::connect(auto_, &QCheckBox::toggled, auto_, changed);
        }
        void addRows(QFormLayout &form, const QString &label, const QString &help) override
        {
            SecondsField::addRows(form, label, help);
            addRow(form, auto_, {}, help);
        }

    private:
        QCheckBox *auto_;
    };

} // namespace

void OptionField::addRow(QFormLayout &form, QWidget *field, const QString &label, const QString &help)
{
    field->setToolTip(help);
    field->setWhatsThis(help);
    auto *title = new QLabel(label, field->parentWidget());
    title->setBuddy(field);
    title->setToolTip(help);
    form.addRow(title, field);
}

void OptionField::addRows(QFormLayout &form, const QString &label, const QString &help)
{
    addRow(form, widget_, label, help);
}

std::unique_ptr<OptionField> makeOptionField(const OptionInfo &option, QWidget *parent)
{
    switch (option.editor.kind) {
    case EditorKind::OnOff:
        return std::make_unique<CheckField>(option, parent);
    case EditorKind::Choice:
        return std::make_unique<ListField>(option, parent);
    case EditorKind::Whole:
        return std::make_unique<WholeField>(option, parent);
    case EditorKind::Seconds:
        return std::make_unique<SecondsField>(option, parent);
    case EditorKind::SecondsOrAuto:
        return std::make_unique<SecondsOrAutoField>(option, parent);
    case EditorKind::SecondSwitch:
        return makeSecondSwitchField(parent);
    case EditorKind::PlayerSwitch:
        return makePlayerSwitchField(parent);
    case EditorKind::Opponent:
        return std::make_unique<OpponentField>(parent);
    }
    return nullptr;
}

} // namespace wildcrest
