// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "table/look.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class QScreen;

namespace wildcrest
{

// What the game says when there is no graphical desktop to open its window on,
// as when it is started over ssh: Qt would abort with a core instead.
//
//     if (auto why = missingDesktop(args, getenv)) { std::cerr << *why; return 1; }
//     DesktopStartGuard guard;          // around QApplication's construction
//     QApplication app(argc, argv);
using EnvironmentLookup = std::function<const char *(const char *)>;
std::optional<std::string> missingDesktop(const std::vector<std::string> &args, const EnvironmentLookup &environment);

// While it lives, a desktop that cannot be reached (a DISPLAY with no X server
// behind it, a missing window-system plugin) ends the program with a plain
// message and status 1 instead of Qt's abort.
class DesktopStartGuard
{
public:
    DesktopStartGuard();
    ~DesktopStartGuard();
    DesktopStartGuard(const DesktopStartGuard &) = delete;
    DesktopStartGuard &operator=(const DesktopStartGuard &) = delete;
};

// The look the table plays in on `screen`, whose window is never larger than
// the screen's room: fit, and a scale too large for it, play at the largest
// scale that fits. A scale that did not fit is told on `told`, in the
// language of `words`. No screen: the look as chosen, fit at 1.
TableLook lookOnScreen(const TableLook &chosen, const QScreen *screen, const Wording &words, std::ostream &told);

} // namespace wildcrest
