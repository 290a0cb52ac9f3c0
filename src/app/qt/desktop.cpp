// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/desktop.h"

#include <QScreen>
#include <QtGlobal>

#include <cstdlib>
#include <iostream>

namespace wildcrest
{

namespace
{

    bool isSet(const EnvironmentLookup &environment, const char *name)
    {
        const char *value = environment(name);
        return value && *value;
    }

    std::string describe(const char *name)
    {
        const char *value = std::getenv(name);
        return std::string(name) + (value && *value ? "=" + std::string(value) : " not set");
    }

    QtMessageHandler previousHandler = nullptr;

    void endWithoutDesktop(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtFatalMsg) {
            if (previousHandler)
                previousHandler(type, context, message);
            return;
        }
        // Qt's own words (a plugin to reinstall) would mislead: what it could not reach is said above them.
        (void)message;
        std::cerr << "wildcrest: cannot open a window on the graphical desktop (" << describe("DISPLAY") << ", " << describe("WAYLAND_DISPLAY")
                  << "); start it from the desktop itself" << std::endl;
        // Qt would abort and leave a core: nothing has been started that needs ending.
        std::_Exit(1);
    }

} // namespace

std::optional<std::string> missingDesktop(const std::vector<std::string> &args, const EnvironmentLookup &environment)
{
    // A window system named on purpose (-platform offscreen, QT_QPA_PLATFORM) is the caller's to answer for.
    for (const std::string &arg : args)
        if (arg == "-platform" || arg.rfind("-platform=", 0) == 0)
            return std::nullopt;
    if (isSet(environment, "QT_QPA_PLATFORM") || isSet(environment, "DISPLAY") || isSet(environment, "WAYLAND_DISPLAY"))
        return std::nullopt;
    return "wildcrest: needs a graphical desktop to open its window, and there is none here:\n"
           "neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set. Start it from the\n"
           "desktop's menu or a terminal on the desktop, not over a plain remote shell.\n";
}

TableLook lookOnScreen(const TableLook &chosen, const QScreen *screen, const Wording &words, std::ostream &told)
{
    TableLook look = chosen;
    look.fitScale = false;
    if (!screen)
        return look;
    const QSize room = screen->availableGeometry().size();
    look.scale = scaleOnScreen(chosen, room.width(), room.height());
    if (!chosen.fitScale && look.scale != chosen.scale)
        told << "wildcrest: "
             << fill(words.translate("Messages", "scale %1 does not fit this screen (%2 × %3 available); playing at %4"),
                    { scaleText(chosen.scale), std::to_string(room.width()), std::to_string(room.height()), scaleText(look.scale) })
             << std::endl;
    return look;
}

DesktopStartGuard::DesktopStartGuard()
{
    previousHandler = qInstallMessageHandler(endWithoutDesktop);
}

DesktopStartGuard::~DesktopStartGuard()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace wildcrest
