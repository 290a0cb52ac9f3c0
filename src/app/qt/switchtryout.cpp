// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/switchtryout.h"

#include "joystick/joystickswitch.h"
#include "language/qt/qtwording.h"

#include <QApplication>
#include <QKeyEvent>
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

    // Keys come to whichever widget has the focus; clicks to the widget under the pointer.
    qApp->installEventFilter(this);
    retune(Settings {});
}

SwitchTryOut::~SwitchTryOut()
{
    qApp->removeEventFilter(this);
}

void SwitchTryOut::retune(const Settings &settings)
{
    keys_ = SwitchKeys(settings.wiring());
    trial_.retune(settings.debounce, settings.acceptance);
    if (!settings.wiring().wantsJoysticks())
        joysticks_.reset();
    else if (!joysticks_)
        joysticks_ = std::make_unique<JoystickSwitch>([this](int button, bool pressed, bool unplugged) { joystickButton(button, pressed, unplugged); });
}

void SwitchTryOut::onUseSuggestion(std::function<void(std::chrono::milliseconds)> use)
{
    use_ = std::move(use);
}

JoystickSwitch *SwitchTryOut::joysticks() const
{
    return joysticks_.get();
}

Moment SwitchTryOut::now() const
{
    return std::chrono::duration_cast<Moment>(std::chrono::steady_clock::now().time_since_epoch());
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
        list_->addItem(lineOf(*press, buttons_[press->which == 2 ? 1 : 0]));
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

void SwitchTryOut::joystickButton(int button, bool pressed, bool /*unplugged: a release all the same*/)
{
    const int which = keys_.wiring().joystickButton(button);
    if (which == 0 || (pressed && !window()->isActiveWindow()))
        return;
    if (pressed)
        buttons_[which - 1] = button;
    take(SwitchEvent { which, pressed, now(), SwitchSource::Joystick });
}

// Whether the event is the panel's: a key while it has the focus, a click inside it.
bool SwitchTryOut::takes(QObject *watched, const QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::ShortcutOverride: // taken here, it triggers no shortcut of the dialog
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (!hasFocus() || widget->window() != window() || key->key() == Qt::Key_Escape)
            return false;
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        return !tab || keys_.switchOf(event, now()).value_or(SwitchEvent {}).which == 2;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return (widget == this || isAncestorOf(widget)) && widget != useSuggestion_;
    default:
        return false;
    }
}

bool SwitchTryOut::eventFilter(QObject *watched, QEvent *event)
{
    if (!takes(watched, event))
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress)
        setFocus(Qt::MouseFocusReason);
    if (const auto e = keys_.switchOf(event, now()))
        take(*e);
    return true;
}

} // namespace wildcrest
