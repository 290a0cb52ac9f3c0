// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/switchtryout.h"

#include "language/qt/qtwording.h"
#include "table/qt/qtswitches.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wildcrest
{

namespace
{
    QString milliseconds(Moment t)
    {
        return SwitchTryOut::tr("%1 ms").arg(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
    }

    // `button`: the joystick button of a joystick's press, -1 otherwise.
    QString lineOf(const TriedPress &press, int button)
    {
        QString line = SwitchTryOut::tr(sourceName(press.source).c_str());
        if (press.source == SwitchSource::Joystick && button >= 0)
            line = SwitchTryOut::tr("%1 button %2").arg(line).arg(button);
        line = SwitchTryOut::tr("%1, switch %2").arg(line).arg(press.which);
        if (press.verdict != Verdict::AlreadyHeld)
            line = SwitchTryOut::tr("%1, held %2").arg(line, milliseconds(press.held));
        line =
            press.sinceLast ? SwitchTryOut::tr("%1, %2 since the last").arg(line, milliseconds(*press.sinceLast)) : SwitchTryOut::tr("%1, the first").arg(line);
        return SwitchTryOut::tr("%1: %2").arg(line, QString::fromStdString(verdictText(press, InstalledWording())));
    }
} // namespace

SwitchTryOut::SwitchTryOut(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    auto *heading = new QLabel("<b>" + tr("Press the player's switch") + "</b>", this);
    auto *hint = new QLabel(tr("Keys and clicks here, and any joystick button, are shown as the game would take them "
                               "under the debounce and acceptance set below. Tab leaves this panel."),
        this);
    hint->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setMinimumHeight(120);
    list_->setWordWrap(true); // every line whole, however narrow the dialog
    list_->setAlternatingRowColors(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    list_->setAccessibleName(tr("Presses seen"));
    suggestion_ = new QLabel(tr("After %1 presses a debounce is suggested from the bounces seen.").arg(SwitchTrial::kPressesForSuggestion), this);
    suggestion_->setWordWrap(true);
    useSuggestion_ = new QPushButton(tr("Use this debounce"), this);
    useSuggestion_->hide();
    connect(useSuggestion_, &QPushButton::clicked, this, [this] {
        if (use_ && trial_.suggestion())
            use_(*trial_.suggestion());
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addWidget(list_);
    layout->addWidget(suggestion_);
    layout->addWidget(useSuggestion_, 0, Qt::AlignLeft);

    switches_ = std::make_unique<QtSwitches>(this, QtSwitches::Reach::Panel, [this](const SwitchEvent &e) { take(e); });
    switches_->letClicksThrough(useSuggestion_);
    retune(Settings {});
}

SwitchTryOut::~SwitchTryOut() = default;

void SwitchTryOut::retune(const Settings &settings)
{
    switches_->rewire(settings.wiring());
    trial_.retune(settings.debounce, settings.acceptance);
}

void SwitchTryOut::onUseSuggestion(std::function<void(std::chrono::milliseconds)> use)
{
    use_ = std::move(use);
}

JoystickSwitch *SwitchTryOut::joysticks() const
{
    return switches_->joysticks();
}

Moment SwitchTryOut::now() const
{
    return SwitchFeed::now();
}

QStringList SwitchTryOut::lines() const
{
    QStringList all;
    for (int i = 0; i < list_->count(); ++i)
        all << list_->item(i)->text();
    return all;
}

QString SwitchTryOut::suggestionText() const
{
    return suggestion_->text();
}

void SwitchTryOut::take(const SwitchEvent &e)
{
    const std::optional<TriedPress> press = trial_.take(e);
    if (press) {
        list_->addItem(lineOf(*press, switches_->joystickButton(press->which)));
        list_->scrollToBottom();
    }
    const auto debounce = trial_.suggestion();
    if (!debounce) {
        suggestion_->setText(tr("After %1 presses a debounce is suggested from the bounces seen.").arg(SwitchTrial::kPressesForSuggestion));
        useSuggestion_->hide();
    } else if (debounce->count() == 0) {
        suggestion_->setText(tr("No bounces in %1 presses: no debounce is needed.").arg(trial_.presses()));
        useSuggestion_->hide();
    } else {
        suggestion_->setText(tr("Bounces up to %1 in %2 presses: a debounce of %3 ms is suggested.")
                                 .arg(milliseconds(trial_.longestBounce()))
                                 .arg(trial_.presses())
                                 .arg(debounce->count()));
        useSuggestion_->show();
    }
}

} // namespace wildcrest
