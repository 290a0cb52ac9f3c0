// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"
#include "switch/switchtrial.h"
#include "table/qt/switchkeys.h"

#include <QCoreApplication>
#include <QFrame>

#include <array>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace wildcrest
{

class JoystickSwitch;

// "Press the player's switch": the person setting up sees each press arrive,
// with the source, the switch, how long it was held, the time since the last
// one and the filter's verdict under the debounce and acceptance on screen.
// While it has the focus it takes every key (Esc and Tab excepted) and clicks
// inside it, and while the dialog is in front every joystick button, so no
// press acts on the dialog's controls. It writes nothing.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takes(QObject *watched, const QEvent *event);
    void joystickButton(int button, bool pressed, bool unplugged);

    QListWidget *list_;
    QLabel *suggestion_;
    QPushButton *useSuggestion_;
    SwitchKeys keys_;
    SwitchTrial trial_;
    std::unique_ptr<JoystickSwitch> joysticks_;
    std::function<void(std::chrono::milliseconds)> use_;
    std::array<int, 2> buttons_ { -1, -1 }; // the joystick button last down, by switch
};

} // namespace wildcrest
