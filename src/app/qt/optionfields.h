// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/options.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFormLayout;
class QWidget;

namespace wildcrest
{

// One option's editor in the settings dialog, made from the option's row of
// the option table. It shows and gives back the option's text form, so the
// dialog saves nothing the settings file would not read back.
class OptionField
{
public:
    virtual ~OptionField() = default;

    // Puts the option's text (as the option writes it) on screen.
    virtual void show(const std::string &text) = 0;
    // What is on screen, as the option reads it.
    virtual std::string text() const = 0;
    // Calls `changed` whenever what is on screen changes.
    virtual void onChange(const std::function<void()> &changed) = 0;

    // Something on screen the option cannot take, said for the user, and where to put it right.
    struct Fault {
        QString why;
        QWidget *where;
    };
    virtual std::optional<Fault> fault() const
    {
        return std::nullopt;
    }

    // The field on the form: it takes the focus from its label's accelerator.
    QWidget *widget() const
    {
        return widget_;
    }
    // Adds the field to the form under `label`, with `help` as its tooltip.
    virtual void addRows(QFormLayout &form, const QString &label, const QString &help);

protected:
    explicit OptionField(QWidget *widget)
        : widget_(widget)
    {
    }
    // One row of the form: the label, its accelerator leading to `field`, and the help on both.
    static void addRow(QFormLayout &form, QWidget *field, const QString &label, const QString &help);

private:
    QWidget *widget_;
};

// The editor the option's row asks for, its widgets children of `parent`.
std::unique_ptr<OptionField> makeOptionField(const OptionInfo &option, QWidget *parent);

} // namespace wildcrest
