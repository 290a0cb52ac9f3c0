#include "app/gameform.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "cards/random.h"
#include "table/qt/qttableview.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <chrono>
#include <cstdint>
#include <exception>
#include <iostream>
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
    const CommandLine line = readCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    if (line.then == CommandLine::Then::Exit)
        return line.status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Wildcrest");

    if (line.then == CommandLine::Then::EditSettings) {
        SettingsDialog dialog(line.file);
        dialog.setSettings(line.settings);
        dialog.show();
        return dialog.exec() == QDialog::Accepted ? 0 : 1;
    }
    // applicationDirPath resolves symbolic links: the pictures lie beside the real executable.
    const std::string appdir = QCoreApplication::applicationDirPath().toStdString();

    try {
        QtTableView view(appdir, line.settings.look);
        view.setSwitchOptions(line.settings.mouseSwitch, line.settings.debounce, line.settings.acceptance);
        ClockFoldedRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
        GameForm game(view, random, appdir);
        game.settings = line.settings;
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
