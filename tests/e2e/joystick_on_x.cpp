// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on a real X server takes a press of a joystick button and
// plays the lifted card. The joystick is one of SDL's virtual joysticks, so it
// lives in this program: the game is put together here as main() does it,
// with the switches of the default settings, and its button is pressed
// whenever the game waits for the switch.
//
//     DISPLAY=:5 wildcrest_joystick_on_x      # status 0 once a press played a card
#include "cards/random.h"
#include "game/gameform.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"
#include "settings/settings.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

using namespace wildcrest;

namespace
{

// The player's place whose card is lifted, or 0.
int liftedPlace(const QtTableView &view)
{
    for (int k = 1; k <= kHandPlaces; ++k)
        if (view.top(playerslot(k)) < playerslotRect(k).top)
            return k;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtTableView view(WILDCREST_GAME_DIR);
    view.setSwitchWiring(Settings {}.wiring());
    VirtualJoystick pad;
    if (!view.joysticks() || !pad.attached()) {
        std::cerr << "FAIL: no virtual joystick: " << pad.error() << "\n";
        return 1;
    }
    view.joysticks()->pump();
    ClockFoldedRandom random(7);
    GameForm game(view, random);
    game.load();
    view.show();
    view.activateWindow();
    while (!view.isActiveWindow())
        view.waitForEvent();

    const auto press = [&] {
        pad.set(0, true);
        view.joysticks()->pump();
        QTimer::singleShot(80, &view, [&] {
            pad.set(0, false);
            view.joysticks()->pump();
        });
    };
    Card pressedFor; // the card lifted when the button went down
    bool played = false;
    int idleTicks = 0;
    QTimer player;
    player.setInterval(100);
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (view.widgetOf(Frame1)->isVisible()) {
            std::cout << "the title screen: a press" << std::endl;
            press();
        } else if (const int k = liftedPlace(view); k != 0 && pressedFor.empty()) {
            pressedFor = game.match.hand[k][kPlayer];
            std::cout << "place " << k << " lifted (" << pressedFor << "): a press" << std::endl;
            press();
        } else if (view.widgetOf(Shape2)->isVisible() || ++idleTicks > 120) {
            press(); // a suit to name, or nothing to play for 12 s: draw
            idleTicks = 0;
        }
    });
    game.onTurnEnd([&](const GameForm &g) {
        if (pressedFor.empty())
            return;
        played = g.match.backdeckplace > 1 && g.match.backdeck[g.match.backdeckplace - 1] == pressedFor;
        if (played)
            view.closeWindow();
        pressedFor = {};
    });
    QTimer::singleShot(90000, &view, [&] { view.closeWindow(); });
    player.start();
    try {
        game.activate();
    } catch (const GameEnded &) {
    }
    if (!played) {
        std::cerr << "FAIL: no joystick press played a card in 90 s\n";
        return 1;
    }
    std::cout << "a joystick button played the lifted card onto the pile" << std::endl;
    return 0;
}
