// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/desktop.h"
#include "app/qt/matchrecord.h"
#include "app/qt/players.h"
#include "app/qt/recordreport.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "app/seats.h"
#include "cards/random.h"
#include "computer/strategy.h"
#include "game/gameform.h"
#include "game/resumeoffer.h"
#include "language/qt/qtwording.h"
#include "player/playerchoice.h"
#include "player/scanroom.h"
#include "save/savefile.h"
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
#include <memory>
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

// The window, drawn in the look the settings ask for on this screen.
std::unique_ptr<QtTableView> openTable(const std::string &appdir, const Settings &settings, const Wording &words)
{
    return std::make_unique<QtTableView>(appdir, lookOnScreen(settings.look, QGuiApplication::primaryScreen(), words, std::cerr), words);
}

// Shows the window in front, as the game's pacing and the switch need. "minimal"
// has no window activation at all, so it is not waited for there.
void showInFront(QtTableView &view)
{
    view.show();
    view.activateWindow();
    if (QGuiApplication::platformName() != "minimal")
        while (!view.isActiveWindow())
            view.waitForEvent();
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before Qt starts, so that --help and a wrong option need no display.
    const std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine line = readCommandLine(args, std::cout, std::cerr);
    if (line.then == CommandLine::Then::Exit)
        return line.status;
    if (line.then == CommandLine::Then::ExportRecord || line.then == CommandLine::Then::ForgetRecord) {
        QCoreApplication app(argc, argv); // for the database driver, no display
        return recordCommand(line, std::cout, std::cerr);
    }
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
        SettingsDialog dialog(settingsFilePath());
        if (!line.player.empty())
            dialog.choosePlayer(line.player);
        dialog.setSettings(line.settings);
        dialog.showProblems(line.fileProblems);
        dialog.show();
        dialog.exec();
        return 0; // Cancel is an answer too, not a failure
    }
    if (line.then == CommandLine::Then::Report) {
        RecordReport report(recordFilePath(), line.player);
        report.show();
        return app.exec();
    }
    // applicationDirPath resolves symbolic links: the pictures are found from the real executable.
    const std::string appdir = pictureFolder(QCoreApplication::applicationDirPath().toStdString());

    try {
        std::unique_ptr<QtTableView> table = openTable(appdir, line.settings, words);
        const bool chosenOnTitle = line.choosePlayer;
        if (chosenOnTitle) {
            // The players pick themselves on the title, scanned as the settings with no name say.
            table->setSwitchWiring(line.settings.wiring());
            showInFront(*table);
            const std::vector<std::string> names = playerNames();
            std::size_t who = 0;
            {
                SwitchWaits waits(*table);
                ScanRoom scan(*table, line.settings);
                scan.tune(waits.switches());
                who = chooseplayer(*table, scan, waits, names);
            }
            std::vector<std::string> asPlayer = args;
            asPlayer.push_back("--player=" + names[who]);
            const TableLook look = line.settings.look;
            line = readCommandLine(asPlayer, std::cout, std::cerr);
            if (line.then == CommandLine::Then::Exit)
                return line.status;
            if (!(line.settings.look == look))
                table = openTable(appdir, line.settings, words); // the player's own size and contrast
        }
        QtTableView &view = *table;
        ClockFoldedRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
        ScanRoom scan(view, line.settings);
        std::optional<ScanRoom> secondScan;
        if (!line.opponent.empty())
            secondScan.emplace(view, line.opponentSettings);
        view.setSwitchWiring(seatWiring(line.settings, secondScan ? &line.opponentSettings : nullptr));
        GameForm game(view, random, scan);
        game.computer().playBy(makeStrategy(line.settings.computer));
        if (secondScan)
            game.seatSecondPlayer(*secondScan, line.settings.hands == Hands::Handover);
        game.nameSides(line.player, line.opponent);
        game.narrate(line.settings.narration);
        // Written and closed as this block is left, whichever way the game ends.
        MatchRecord record(recordFilePath(), game);
        record.keep(scan, line.settings, line.player);
        if (secondScan)
            record.keep(*secondScan, line.opponentSettings, line.opponent, true);
        if (chosenOnTitle)
            game.skipTitle();
        // The match is kept after every turn for these players, and offered at the next start.
        SavedMatchStart start;
        start.path = savePath(line.player, line.opponent, [](const char *name) -> const char * { return std::getenv(name); });
        start.resume = line.settings.resume;
        start.newMatch = line.newMatch;
        start.bottom = line.player;
        start.top = line.opponent;
        SavedMatch shape;
        shape.computer = line.settings.computer;
        shape.scanMethod = line.settings.scanMethod;
        shape.opponent = line.opponent.empty() ? "computer" : line.opponent;
        FileKeeper keeper(start.path, shape, std::cerr);
        game.keepWith(keeper);
        game.load();
        showInFront(view);
        startSavedMatch(game, start, std::cerr);
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
