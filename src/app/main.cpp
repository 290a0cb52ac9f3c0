// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/desktop.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "cards/random.h"
#include "computer/strategy.h"
#include "game/gameform.h"
#include "language/qt/qtwording.h"
#include "player/scanroom.h"
#include "table/qt/picturefolder.h"
#include "table/qt/qttableview.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace wildcrest;

namespace
{

// Said on stderr always, and in a box too where someone can see one.
void report(const std::string &message)
{
    std::cerr << "wildcrest: " << message << std::endl;
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen" && platform != "minimal")
        QMessageBox::critical(nullptr, "Wildcrest", QString::fromStdString(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before Qt starts, so that --help and a wrong option need no display.
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine line = readCommandLine(args, std::cout, std::cerr);
    if (line.then == CommandLine::Then::Exit)
        return line.status;
    if (const auto why = missingDesktop(args, [](const char *name) { return std::getenv(name); })) {
        std::cerr << *why;
        return 1;
    }

    std::optional<DesktopStartGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName("Wildcrest");
    // The window's application id on Wayland (its class on X): the desktop entry's
    // name, by which the compositor finds the icon.
    QGuiApplication::setDesktopFileName(WILDCREST_APP_ID);
    QtWording words(chosenLanguage(line.settings.language));
    words.install();
    // Numbers in the settings dialog as the language writes them ("2,50 s").
    if (words.language() != "en")
        QLocale::setDefault(QLocale(QString::fromStdString(words.language())));

    if (line.then == CommandLine::Then::EditSettings) {
        SettingsDialog dialog(line.file);
        dialog.setSettings(line.settings);
        dialog.showProblems(line.fileProblems);
        dialog.show();
        dialog.exec();
        return 0; // Cancel is an answer too, not a failure
    }
    // applicationDirPath resolves symbolic links: the pictures are found from the real executable.
    const std::string appdir = pictureFolder(QCoreApplication::applicationDirPath().toStdString());

    try {
        QtTableView view(appdir, lookOnScreen(line.settings.look, QGuiApplication::primaryScreen(), words, std::cerr), words);
        view.setSwitchWiring(line.settings.wiring());
        ClockFoldedRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
        ScanRoom scan(view, line.settings);
        GameForm game(view, random, scan);
        game.computer().playBy(makeStrategy(line.settings.computer));
        game.load();
        view.show();
        view.activateWindow();
        // The game's pacing and the switch both need the window in front with the
        // keyboard. "minimal" has no window activation at all, so do not wait there.
        if (QGuiApplication::platformName() != "minimal")
            while (!view.isActiveWindow())
                view.waitForEvent();
        game.activate();
    } catch (const GameEnded &) {
        return 0;
    } catch (const PictureError &e) {
        report(e.what());
        return 1;
    } catch (const std::exception &e) {
        report(std::string("unexpected failure: ") + e.what());
        return 1;
    }
    return 0;
}
