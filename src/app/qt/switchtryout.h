// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"
#include "switch/switchtrial.h"

#include <QCoreApplication>
#include <QFrame>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace wildcrest
{

class JoystickSwitch;
class QtSwitches;

// "Press the player's switch": the person setting up sees each press arrive,
// with the source, the switch, how long it was held, the time since the last
// one and the filter's verdict under the debounce and acceptance on screen.
// It reads the switches as the game's window does (QtSwitches), so a key held
// down is one press here too. While it has the focus it takes every key (Esc
// and Tab excepted) and clicks inside it, and while the dialog is in front
// every joystick button, so no press acts on the dialog's controls. It writes
// nothing.
//
//     auto *tryout = new SwitchTryOut(dialog);
//     tryout->retune(settingsOnScreen);
//     connect(tryout, ..., [](milliseconds debounce) { ... });  // via onSuggestion
class SwitchTryOut : public QFrame
{
    Q_DECLARE_TR_FUNCTIONS(SwitchTryOut)

public:
    explicit SwitchTryOut(QWidget *parent = nullptr);
    ~SwitchTryOut() override;

    // The wiring and filter times to try; presses listed so far stay.
    void retune(const Settings &settings);
    // Called with the suggested debounce when "Use it" is chosen.
    void onUseSuggestion(std::function<void(std::chrono::milliseconds)> use);
    // Takes one switch event, as the window would pass it on.
    void take(const SwitchEvent &e);
    // The lines listed, oldest first.
    QStringList lines() const;
    QString suggestionText() const;
    JoystickSwitch *joysticks() const;
    Moment now() const;

private:
    QListWidget *list_;
    QLabel *suggestion_;
    QPushButton *useSuggestion_;
    SwitchTrial trial_;
    std::unique_ptr<QtSwitches> switches_;
    std::function<void(std::chrono::milliseconds)> use_;
};

} // namespace wildcrest
