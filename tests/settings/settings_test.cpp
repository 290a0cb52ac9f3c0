// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file and the players' files, the command line over them, and the dialog that writes them.
#include "app/options.h"
#include "app/qt/desktop.h"
#include "app/qt/players.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "app/seats.h"
#include "language/qt/qtwording.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace wildcrest;
using namespace std::chrono_literals;

namespace
{

// Every option, as text, so that two settings compare as a whole.
std::vector<std::string> texts(const Settings &s)
{
    std::vector<std::string> all;
    for (const OptionInfo &option : optionTable())
        all.push_back(option.name + "=" + settingText(s, option.name));
    return all;
}

int count(const std::string &text, const std::string &part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// A config home of its own, so that no real settings file is read.
class SettingsTest : public ::testing::Test
{
protected:
    SettingsTest()
        : saved_(qgetenv("XDG_CONFIG_HOME"))
        , hadSaved_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    }
    ~SettingsTest() override
    {
        if (hadSaved_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QString path() const
    {
        return home.path() + "/wildcrest/wildcrest.conf";
    }
    void writeFile(const QByteArray &bytes) const
    {
        QDir().mkpath(home.path() + "/wildcrest");
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    Settings readFile()
    {
        Settings s;
        readSettingsFile(path(), s, warnings);
        return s;
    }
    CommandLine run(const std::vector<std::string> &args)
    {
        return readCommandLine(args, out, warnings);
    }

    QTemporaryDir home;
    std::ostringstream out;
    std::ostringstream warnings;

private:
    QByteArray saved_;
    bool hadSaved_;
};

} // namespace

TEST_F(SettingsTest, TheFileLiesInTheConfigHome)
{
    EXPECT_EQ(settingsFilePath(), path());
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsFilePath(), QDir::homePath() + "/.config/wildcrest/wildcrest.conf");
}

TEST_F(SettingsTest, NoFileAndNoOptionsLeaveTheGameAsItIs)
{
    const CommandLine line = run({});
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_EQ(texts(line.settings), texts(Settings {}));
    EXPECT_EQ(line.file, path());
    EXPECT_EQ(warnings.str(), "");
    EXPECT_FALSE(QFile::exists(path())) << "reading must not write";
}

TEST_F(SettingsTest, EveryGoodValueOfTheFileIsTaken)
{
    writeFile("scan-time=3.5\nmouse-switch=off\ndebounce=150\nacceptance=300\npause-on-first-offer=on\n"
              "highlight=lift+frame\nsound-cue=on\nspeech=yes\n");
    const Settings s = readFile();
    EXPECT_EQ(s.scanTime, 3500ms);
    EXPECT_FALSE(s.adaptiveScan);
    EXPECT_FALSE(s.mouseSwitch);
    EXPECT_EQ(s.debounce, 150ms);
    EXPECT_EQ(s.acceptance, 300ms);
    EXPECT_TRUE(s.pauseOnFirstOffer);
    EXPECT_EQ(s.highlight, Highlight::LiftAndFrame);
    EXPECT_TRUE(s.soundCue);
    EXPECT_TRUE(s.speech);
    EXPECT_EQ(warnings.str(), "");

    writeFile("[General]\nscan-time=auto\n");
    EXPECT_TRUE(readFile().adaptiveScan);
}

TEST_F(SettingsTest, ABadValueIsToldOnceAndOnlyItsKeyKeepsTheDefault)
{
    writeFile("scan-time=fast\ndebounce=1,5\nacceptance=400\nhighlight=lift+frame\nscale=1,5\ncontrast=dark\ncard-style=large-index\n");
    const Settings s = readFile();
    EXPECT_EQ(s.look.scale, 1);
    EXPECT_EQ(s.look.contrast, Contrast::Standard);
    EXPECT_EQ(s.look.cardStyle, CardStyle::LargeIndex);
    EXPECT_EQ(s.scanTime, Settings {}.scanTime);
    EXPECT_EQ(s.debounce, 0ms);
    EXPECT_EQ(s.acceptance, 400ms);
    EXPECT_EQ(s.highlight, Highlight::LiftAndFrame);
    const std::string said = warnings.str();
    const std::string where = "wildcrest: " + path().toStdString() + ": ";
    EXPECT_EQ(count(said, where + "line 1: scan-time: "), 1) << said;
    EXPECT_EQ(count(said, "\"fast\"; using the default 2\n"), 1) << said;
    EXPECT_EQ(count(said, where + "line 2: debounce: "), 1) << said;
    EXPECT_EQ(count(said, where + "line 5: scale: scale must be 1, 1.5, 2, 2.5, 3 or fit, not \"1,5\"; using the default 1\n"), 1) << said;
    EXPECT_EQ(count(said, where + "line 6: contrast: "), 1) << said;
    EXPECT_EQ(count(said, "\n"), 4) << said;
    EXPECT_LT(said.find("scan-time: "), said.find("contrast: ")) << "in the order of the file";
}

TEST_F(SettingsTest, TheSwitchOptionsOfTheFileAndTheirMistakes)
{
    writeFile("joystick-switch=off\nsecond-switch=key:F8\n");
    Settings s = readFile();
    EXPECT_FALSE(s.joystickSwitch);
    EXPECT_EQ(s.secondSwitch, (SecondSwitch { SecondSwitch::Kind::Key, 0, "F8" }));
    EXPECT_EQ(warnings.str(), "");

    writeFile("joystick-switch=sometimes\nsecond-switch=key:F99\nmouse-switch=off\n");
    s = readFile();
    EXPECT_TRUE(s.joystickSwitch);
    EXPECT_EQ(s.secondSwitch.kind, SecondSwitch::Kind::None);
    EXPECT_FALSE(s.mouseSwitch);
    const std::string said = warnings.str();
    const std::string where = "wildcrest: " + path().toStdString() + ": ";
    EXPECT_EQ(count(said, where + "line 1: joystick-switch: "), 1) << said;
    EXPECT_EQ(count(said, where + "line 2: second-switch: "), 1) << said;
    EXPECT_EQ(count(said, "\"key:F99\"; using the default none\n"), 1) << said;
    EXPECT_EQ(count(said, "\n"), 2) << said;
}

TEST_F(SettingsTest, AnUnknownKeyAndALineOfNoSettingAreToldWithTheirLinesAndTheRestTaken)
{
    writeFile("colour=red\nspeech=on\nplay it louder\n[sound]\ncue=on\n\n; the player's\nalso no setting\n");
    const Settings s = readFile();
    EXPECT_TRUE(s.speech);
    EXPECT_FALSE(s.soundCue);
    const std::string said = warnings.str();
    EXPECT_EQ(count(said, path().toStdString() + ": line 1: colour: there is no such option"), 1) << said;
    EXPECT_EQ(count(said, path().toStdString() + ": line 5: sound/cue: there is no such option"), 1) << said;
    EXPECT_EQ(count(said, path().toStdString() + ": lines 3, 8: some of it is not settings"), 1) << said;
}

TEST_F(SettingsTest, AGarbageFileIsToldOnceAndPlaysWithTheDefaults)
{
    QByteArray garbage;
    for (int i = 0; i < 600; ++i)
        garbage.append(char((i * 37 + 11) % 256));
    writeFile(garbage);
    const Settings s = readFile();
    EXPECT_EQ(texts(s), texts(Settings {}));
    EXPECT_EQ(count(warnings.str(), "some of it is not settings"), 1) << warnings.str();
    EXPECT_EQ(warnings.str().rfind("wildcrest: " + path().toStdString() + ": line", 0), 0u) << warnings.str();
    EXPECT_LE(count(warnings.str(), "\n"), 3) << "garbage is not to be listed line by line:\n" << warnings.str();
}

TEST_F(SettingsTest, AnUnreadableFileIsToldAndPlaysWithTheDefaults)
{
    QDir().mkpath(path()); // a folder where the file should be: it cannot be read as one
    const CommandLine line = run({});
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_EQ(texts(line.settings), texts(Settings {}));
    EXPECT_EQ(warnings.str(), "wildcrest: " + path().toStdString() + ": cannot be read as a file; using the defaults\n");
}

TEST_F(SettingsTest, AFileTooLargeToBeSettingsIsRefusedWholeWithoutReadingIt)
{
    // Good settings at its start, then a hundred megabytes (sparse: nothing is written to disk).
    writeFile("scan-time=3\n");
    {
        QFile big(path());
        ASSERT_TRUE(big.resize(100 * 1024 * 1024));
    }
    const CommandLine line = run({});
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_EQ(texts(line.settings), texts(Settings {}));
    EXPECT_EQ(warnings.str(), "wildcrest: " + path().toStdString() + ": is larger than 64 KiB, so it cannot be settings; using the defaults\n");

    // Just at the limit it is still read.
    writeFile("scan-time=3\n#" + QByteArray(int(kMaxSettingsFileBytes) - 14, 'x') + "\n");
    warnings.str("");
    EXPECT_EQ(QFileInfo(path()).size(), kMaxSettingsFileBytes);
    EXPECT_EQ(run({}).settings.scanTime, std::chrono::milliseconds(3000)) << warnings.str();
}

TEST_F(SettingsTest, APipeInPlaceOfTheFileIsNotWaitedOn)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    const CommandLine line = run({}); // would block for ever if the pipe were opened
    EXPECT_EQ(texts(line.settings), texts(Settings {}));
    EXPECT_NE(warnings.str().find("cannot be read as a file"), std::string::npos) << warnings.str();
}

TEST_F(SettingsTest, EachOptionOnTheCommandLine)
{
    const CommandLine line = run({ "--scan-time=0.5",
        "--mouse-switch=off",
        "--joystick-switch=off",
        "--second-switch=button:31",
        "--debounce=2000",
        "--acceptance=1",
        "--pause-on-first-offer=on",
        "--highlight=lift+frame",
        "--sound-cue=on",
        "--speech=on",
        "--speech-pacing=off",
        "--time-left=bar",
        "--scale=2.5",
        "--card-style=large-index",
        "--four-colour=on",
        "--contrast=high",
        "--scan-method=step",
        "--scan-loops=10",
        "--prompts=on",
        "--switch-menu=long-press",
        "--menu-hold=1.5",
        "--computer=clever",
        "--language=nl",
        "--switch=button:3",
        "--hands=open",
        "--narration=on",
        "--resume=never",
        "--record=on",
        "--rest-offer=on" });
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_EQ(texts(line.settings),
        (std::vector<std::string> { "scan-time=0.5",
            "mouse-switch=off",
            "joystick-switch=off",
            "second-switch=button:31",
            "debounce=2000",
            "acceptance=1",
            "pause-on-first-offer=on",
            "highlight=lift+frame",
            "sound-cue=on",
            "speech=on",
            "speech-pacing=off",
            "time-left=bar",
            "scale=2.5",
            "card-style=large-index",
            "four-colour=on",
            "contrast=high",
            "scan-method=step",
            "scan-loops=10",
            "prompts=on",
            "switch-menu=long-press",
            "menu-hold=1.5",
            "computer=clever",
            "language=nl",
            "switch=button:3",
            "opponent=computer",
            "hands=open",
            "narration=on",
            "resume=never",
            "record=on",
            "rest-offer=on" }));
    EXPECT_TRUE(run({ "--scan-time=auto" }).settings.adaptiveScan);
    for (const std::string second : { "none", "enter", "right-click", "button:0", "key:F8", "key:Tab", "key:A" })
        EXPECT_EQ(settingText(run({ "--second-switch=" + second }).settings, "second-switch"), second);
    for (const std::string own : { "any", "key:Space", "button:31", "right-click" })
        EXPECT_EQ(settingText(run({ "--switch=" + own }).settings, "switch"), own);
    EXPECT_TRUE(run({ "--scale=fit" }).settings.look.fitScale);
    EXPECT_EQ(run({ "--settings" }).then, CommandLine::Then::EditSettings);
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(SettingsTest, TheCommandLineWinsOverTheFile)
{
    writeFile("scan-time=auto\ndebounce=100\nspeech=on\n");
    const CommandLine line = run({ "--scan-time=4", "--speech=off" });
    EXPECT_FALSE(line.settings.adaptiveScan);
    EXPECT_EQ(line.settings.scanTime, 4000ms);
    EXPECT_FALSE(line.settings.speech);
    EXPECT_EQ(line.settings.debounce, 100ms) << "what the command line leaves comes from the file";
}

TEST_F(SettingsTest, HelpAndVersionAnswerAndEnd)
{
    CommandLine line = run({ "--speech=on", "--help" });
    EXPECT_EQ(line.then, CommandLine::Then::Exit);
    EXPECT_EQ(line.status, 0);
    const std::string usage = out.str();
    for (const OptionInfo &option : optionTable()) {
        EXPECT_NE(usage.find("--" + option.name + "=" + option.values), std::string::npos) << option.name;
        EXPECT_NE(usage.find(option.help + " (default " + option.defaultValue + ")"), std::string::npos) << option.name;
    }
    out.str("");
    line = run({ "--version" });
    EXPECT_EQ(line.then, CommandLine::Then::Exit);
    EXPECT_EQ(line.status, 0);
    EXPECT_EQ(out.str().rfind("wildcrest ", 0), 0u) << out.str();
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(SettingsTest, TheUsageIsToldInTheLanguageOfTheCommandLineOrTheFile)
{
    run({ "--help" });
    const std::string english = out.str();
    for (const char *language : { "de", "fr", "es", "nl" }) {
        SCOPED_TRACE(language);
        const QtWording words(language);
        out.str("");
        run({ "--language=" + std::string(language), "--help" });
        const std::string usage = out.str();
        EXPECT_NE(usage, english);
        EXPECT_EQ(usage.back(), '\n');
        for (const OptionInfo &option : optionTable()) {
            EXPECT_NE(usage.find("--" + option.name + "=" + option.values + "\n"), std::string::npos) << option.name;
            const std::string help = optionHelp(option, words);
            EXPECT_NE(help, option.help);
            EXPECT_NE(usage.find(help), std::string::npos) << option.name;
        }
    }

    // The file's language, when the command line names none; a mistake is still told in English.
    writeFile("language=fr\n");
    out.str("");
    run({ "--help" });
    const std::string french = out.str();
    EXPECT_NE(french, english);
    warnings.str("");
    const CommandLine line = run({ "--colour=red" });
    EXPECT_EQ(line.status, 2);
    EXPECT_EQ(warnings.str().rfind("wildcrest: unknown option --colour=red\n\n", 0), 0u) << warnings.str();
    EXPECT_NE(warnings.str().find(french), std::string::npos);
    out.str("");
    run({ "--language=en", "--help" });
    EXPECT_EQ(out.str(), english);
}

TEST_F(SettingsTest, AWrongOptionEndsWithItsNameAndTheUsage)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>> { { "--colour=red" },
             { "--scan-time=11" },
             { "--debounce=fast" },
             { "--speech" },
             { "--highlight=glow" },
             { "--joystick-switch=maybe" },
             { "--second-switch=button:32" },
             { "--second-switch=button:-1" },
             { "--second-switch=button:" },
             { "--second-switch=key:NoSuchKey" },
             { "--second-switch=key:Ctrl+A" },
             { "--second-switch=key:Esc" },
             { "--second-switch=middle" },
             { "--scale=4" },
             { "--card-style=huge" },
             { "--four-colour=maybe" },
             { "--contrast=dark" },
             { "--scan-method=scan" },
             { "--scan-method=step" }, // no second switch to take the card
             { "--scan-loops=11" },
             { "--scan-loops=-1" },
             { "--prompts=loud" },
             { "--switch-menu=on" },
             { "--menu-hold=1" },
             { "--menu-hold=10.5" },
             { "--language=pt" },
             { "--language=DE" },
             { "--switch=button:32" },
             { "--switch=key:Nope" },
             { "--switch=enter" },
             { "--opponent=a/b" },
             { "--opponent= Sam" },
             { "--hands=closed" },
             { "--narration=loud" },
             // Words that are no option are not passed over.
             { "scan-time=3" },
             { "-scan-time=3" },
             { "speech" },
             { "-platformx" } }) {
        warnings.str("");
        const CommandLine line = run(args);
        EXPECT_EQ(line.then, CommandLine::Then::Exit) << args[0];
        EXPECT_EQ(line.status, 2) << args[0];
        const std::string said = warnings.str();
        const std::string name = args[0].substr(0, args[0].find('='));
        EXPECT_EQ(said.rfind("wildcrest: ", 0), 0u) << said;
        EXPECT_NE(said.find(name), std::string::npos) << said;
        EXPECT_NE(said.find("Usage: wildcrest"), std::string::npos) << said;
    }
    EXPECT_EQ(out.str(), "");
}

TEST_F(SettingsTest, StepScanningWithoutASecondSwitchIsRefused)
{
    writeFile("scan-method=step\nscan-loops=3\n");
    CommandLine line = run({});
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_EQ(line.settings.scanMethod, "auto");
    EXPECT_EQ(line.settings.scanLoops, 3);
    const std::string said = warnings.str();
    EXPECT_NE(said.find(path().toStdString()), std::string::npos) << said;
    EXPECT_NE(said.find("scan-method=step needs a second switch"), std::string::npos) << said;

    warnings.str("");
    line = run({ "--second-switch=enter" });
    EXPECT_EQ(line.settings.scanMethod, "step") << "the second switch may come from the command line";
    EXPECT_EQ(warnings.str(), "");

    writeFile("scan-method=step\nsecond-switch=enter\n");
    line = run({ "--second-switch=none" });
    EXPECT_EQ(line.then, CommandLine::Then::Exit);
    EXPECT_EQ(line.status, 2);
}

TEST_F(SettingsTest, QtsOwnArgumentsAreLeftToIt)
{
    const CommandLine line = run({ "-platform", "offscreen", "-style=Fusion", "-reverse", "-session", "1a2b", "-name", "wild", "--sound-cue=on" });
    EXPECT_EQ(line.then, CommandLine::Then::Play);
    EXPECT_TRUE(line.settings.soundCue);
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(SettingsTest, TheDialogWillNotSaveStepScanningWithoutASecondSwitch)
{
    Settings chosen;
    chosen.scanMethod = "step";
    SettingsDialog dialog(path());
    dialog.setSettings(chosen);
    QTimer::singleShot(0, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(dialog.focusWidget(), dialog.editor("scan-method"));
}

TEST_F(SettingsTest, TheDialogWritesAFileThatReadsBackTheSame)
{
    Settings chosen;
    chosen.scanTime = 3250ms;
    chosen.mouseSwitch = false;
    chosen.joystickSwitch = false;
    chosen.secondSwitch = SecondSwitch { SecondSwitch::Kind::Key, 0, "F8" };
    chosen.debounce = 250ms;
    chosen.acceptance = 600ms;
    chosen.pauseOnFirstOffer = true;
    chosen.highlight = Highlight::LiftAndFrame;
    chosen.soundCue = true;
    chosen.speech = true;
    chosen.look.scale = 1.5;
    chosen.look.cardStyle = CardStyle::LargeIndex;
    chosen.look.fourColour = true;
    chosen.look.contrast = Contrast::High;
    chosen.language = "fr";
    chosen.scanMethod = "step";
    chosen.scanLoops = 4;
    chosen.prompts = true;
    chosen.longPressMenu = true;
    chosen.menuHold = 2500ms;
    chosen.playerSwitch = PlayerSwitch { PlayerSwitch::Kind::Key, "Space", 0 };
    chosen.hands = Hands::Open;
    chosen.narration = true;
    QDir().mkpath(playersFolder());
    ASSERT_TRUE(QFile(playerFilePath("Alex")).open(QIODevice::WriteOnly)); // an opponent with a file of defaults
    chosen.opponent = "Alex";
    {
        SettingsDialog dialog(path());
        dialog.setSettings(chosen);
        dialog.accept(); // Save
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    ASSERT_TRUE(QFile::exists(path())) << "Save makes the folder and the file";
    const CommandLine line = run({});
    EXPECT_EQ(texts(line.settings), texts(chosen));
    EXPECT_EQ(warnings.str(), "");

    // Auto, and back to the defaults; Cancel writes nothing.
    chosen = Settings {};
    chosen.adaptiveScan = true;
    chosen.secondSwitch = SecondSwitch { SecondSwitch::Kind::Button, 7, {} };
    chosen.playerSwitch = PlayerSwitch { PlayerSwitch::Kind::Button, {}, 9 };
    chosen.look.fitScale = true;
    chosen.scanMethod = "inverse";
    {
        SettingsDialog dialog(path());
        dialog.setSettings(chosen);
        EXPECT_EQ(dialog.save(), "");
    }
    EXPECT_EQ(texts(run({}).settings), texts(chosen));
    {
        SettingsDialog dialog(path());
        dialog.setSettings(Settings {});
        dialog.reject();
    }
    EXPECT_TRUE(run({}).settings.adaptiveScan);
}

TEST_F(SettingsTest, TheDialogSaysWhenItCannotWrite)
{
    writeFile("x"); // a file where the folder should be
    SettingsDialog dialog(home.path() + "/wildcrest/wildcrest.conf/inner.conf");
    EXPECT_NE(dialog.save(), "");

    // A folder the user may not write in: said, and the settings on screen kept for another try.
    const QString locked = home.path() + "/locked";
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) { // root writes anywhere
        SettingsDialog inLocked(locked + "/wildcrest.conf");
        Settings chosen;
        chosen.speech = true;
        inLocked.setSettings(chosen);
        EXPECT_NE(inLocked.save(), "");
        EXPECT_TRUE(inLocked.settings().speech);
        EXPECT_FALSE(QFile::exists(locked + "/wildcrest.conf"));
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(SettingsTest, AFileChangedWhileTheDialogIsOpenIsNotWrittenOverWithoutAWord)
{
    writeFile("scan-time=3\n");
    SettingsDialog dialog(path());
    dialog.setSettings(readFile());
    writeFile("scan-time=4\nspeech=on\n"); // someone edits it by hand meanwhile
    const std::string said = dialog.save();
    EXPECT_NE(said.find("was changed by something else"), std::string::npos) << said;
    EXPECT_EQ(readFile().scanTime, std::chrono::milliseconds(4000)) << "the other change was lost";
    // Saving again, having been told, replaces it.
    EXPECT_EQ(dialog.save(), "");
    EXPECT_EQ(readFile().scanTime, std::chrono::milliseconds(3000));
    EXPECT_FALSE(readFile().speech);
    // And a dialog whose file nobody touched saves at once.
    SettingsDialog quiet(path());
    EXPECT_EQ(quiet.save(), "");
}

// The real program, as a shell runs it: the exit statuses.
TEST_F(SettingsTest, TheProgramsExitStatuses)
{
    const auto status = [](const QStringList &args, QString *output) {
        QProcess run;
        run.start(WILDCREST_EXE, args);
        EXPECT_TRUE(run.waitForFinished(20000)) << args.join(' ').toStdString();
        *output = QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError());
        return run.exitCode();
    };
    QString said;
    EXPECT_EQ(status({ "--help" }, &said), 0);
    EXPECT_TRUE(said.contains("--acceptance=MILLISECONDS")) << said.toStdString();
    EXPECT_EQ(status({ "--version" }, &said), 0);
    EXPECT_TRUE(said.startsWith("wildcrest ")) << said.toStdString();
    EXPECT_EQ(status({ "--no-such-thing" }, &said), 2);
    EXPECT_TRUE(said.contains("--no-such-thing") && said.contains("Usage:")) << said.toStdString();
    EXPECT_EQ(status({ "--scan-time=0" }, &said), 2);
    EXPECT_TRUE(said.contains("scan-time") && said.contains("Usage:")) << said.toStdString();
    EXPECT_EQ(status({ "scan-time=3" }, &said), 2);
    EXPECT_TRUE(said.contains("--scan-time=3") && said.contains("Usage:")) << said.toStdString();
}

TEST(Desktop, OnlyAMissingDisplayAndWaylandWithNoPlatformNamedIsNoDesktop)
{
    const auto lookup = [](std::map<std::string, std::string> env) {
        return [env](const char *name) -> const char * {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        };
    };
    const auto none = missingDesktop({}, lookup({}));
    ASSERT_TRUE(none.has_value());
    EXPECT_NE(none->find("DISPLAY"), std::string::npos);
    EXPECT_NE(none->find("WAYLAND_DISPLAY"), std::string::npos);
    EXPECT_TRUE(missingDesktop({}, lookup({ { "DISPLAY", "" }, { "WAYLAND_DISPLAY", "" } })).has_value());
    EXPECT_FALSE(missingDesktop({}, lookup({ { "DISPLAY", ":0" } })).has_value());
    EXPECT_FALSE(missingDesktop({}, lookup({ { "WAYLAND_DISPLAY", "wayland-0" } })).has_value());
    EXPECT_FALSE(missingDesktop({}, lookup({ { "QT_QPA_PLATFORM", "offscreen" } })).has_value());
    EXPECT_FALSE(missingDesktop({ "-platform", "offscreen" }, lookup({})).has_value());
}

// The offscreen screen has room for 800 x 800, less than the table at 1.
TEST(Desktop, AScaleTooLargeForTheScreenPlaysAtTheLargestThatFitsAndIsToldButFitIsNoNews)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->availableGeometry().size(), QSize(800, 800));
    TableLook look;
    look.scale = 3;
    std::ostringstream told;
    EXPECT_EQ(lookOnScreen(look, screen, englishWording(), told).scale, 1);
    look.fitScale = true;
    EXPECT_FALSE(lookOnScreen(look, screen, englishWording(), told).fitScale);
    EXPECT_EQ(told.str(), "wildcrest: scale 3 does not fit this screen (800 \u00D7 800 available); playing at 1\n");
}

// The real program started with no desktop at all, as over ssh.
TEST(Desktop, WithoutOneTheProgramSaysSoAndEndsWithOneAndNoCore)
{
    const auto run = [](const QStringList &args, const QString &display, QString *out, QString *err) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            env.remove(name);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        p.setProcessEnvironment(env);
        p.start(WILDCREST_EXE, args);
        EXPECT_TRUE(p.waitForFinished(20000)) << args.join(' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << args.join(' ').toStdString() << " crashed";
        *out = QString::fromLocal8Bit(p.readAllStandardOutput());
        *err = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitCode();
    };
    QString out, err;
    EXPECT_EQ(run({}, {}, &out, &err), 1);
    EXPECT_TRUE(err.contains("needs a graphical desktop") && err.contains("DISPLAY") && err.contains("WAYLAND_DISPLAY")) << err.toStdString();
    EXPECT_EQ(run({ "--settings" }, {}, &out, &err), 1);
    EXPECT_TRUE(err.contains("needs a graphical desktop")) << err.toStdString();

    // A display named but with no X server behind it.
    EXPECT_EQ(run({}, ":93517", &out, &err), 1);
    EXPECT_TRUE(err.contains("cannot open a window on the graphical desktop (DISPLAY=:93517")) << err.toStdString();

    // What needs no window still answers.
    EXPECT_EQ(run({ "--help" }, {}, &out, &err), 0);
    EXPECT_TRUE(out.startsWith("Usage:") && out.endsWith("\n")) << out.toStdString();
    EXPECT_EQ(run({ "--version" }, {}, &out, &err), 0);
    EXPECT_TRUE(out.startsWith("wildcrest ") && out.endsWith("\n")) << out.toStdString();
    EXPECT_EQ(run({ "--no-such-thing" }, {}, &out, &err), 2);
    EXPECT_TRUE(err.contains("Usage:")) << err.toStdString();
}

// Whoever can write the settings file can make the game load or run nothing:
// no option takes a path, a program or a library.
TEST_F(SettingsTest, NoOptionTakesAPathOrAProgram)
{
    for (const OptionInfo &option : optionTable()) {
        for (const char *hostile : { "/etc/passwd", "../../.ssh/id_rsa", "file:///tmp/x.so", "$(rm -rf ~)", "`id`", "|sh", "/usr/lib/libevil.so" }) {
            Settings s;
            const bool taken = applySetting(s, option.name, hostile).empty();
            // A player's name is only ever the name of a file in the players' folder.
            if (option.name == "opponent" && taken)
                EXPECT_EQ(QFileInfo(playerFilePath(s.opponent)).absolutePath(), playersFolder()) << hostile;
            else
                EXPECT_FALSE(taken) << option.name << "=" << hostile << " was taken";
        }
    }
    writeFile("scan-time=/etc/passwd\nspeech=/bin/sh\nhighlight=../Card.bmp\n");
    const Settings s = readFile();
    EXPECT_EQ(texts(s), texts(Settings {}));
}

namespace
{

// Sam, who names Alex as the opponent, and Alex, each with a file of their own.
class PlayersTest : public SettingsTest
{
protected:
    PlayersTest()
    {
        writeFile("scan-time=5\n");
        writePlayer("Sam", "scan-time=3\nswitch=button:0\nopponent=Alex\n");
        writePlayer("Alex", "switch=button:1\nspeech=on\nscan-time=fast\n");
    }
    static void writePlayer(const std::string &name, const QByteArray &bytes)
    {
        QDir().mkpath(playersFolder());
        QFile file(playerFilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Ends with status 2 and a message holding every one of `said`.
    void expectRefused(const std::vector<std::string> &args, const std::vector<std::string> &said)
    {
        warnings.str("");
        const CommandLine line = run(args);
        EXPECT_EQ(line.status, 2) << args[0];
        for (const std::string &part : said)
            EXPECT_NE(warnings.str().find(part), std::string::npos) << part << " not in: " << warnings.str();
    }
};

} // namespace

TEST_F(PlayersTest, APlayerIsReadFromTheirFileWithTheOpponentsBesideIt)
{
    CommandLine line = run({ "--player=Sam", "--speech=on" });
    ASSERT_EQ(line.then, CommandLine::Then::Play) << warnings.str();
    EXPECT_EQ(line.player, "Sam");
    EXPECT_EQ(line.file, playerFilePath("Sam"));
    EXPECT_EQ(line.settings.scanTime, 3000ms) << "the player's file, not wildcrest.conf";
    EXPECT_TRUE(line.settings.speech) << "the command line goes over the file";
    EXPECT_EQ(line.opponent, "Alex");
    EXPECT_EQ(line.opponentSettings.playerSwitch, (PlayerSwitch { PlayerSwitch::Kind::Button, {}, 1 }));
    EXPECT_TRUE(line.opponentSettings.speech);
    EXPECT_EQ(line.opponentSettings.scanTime, Settings {}.scanTime) << "a bad value of the opponent's file keeps its default";
    EXPECT_EQ(warnings.str().rfind("wildcrest: " + playerFilePath("Alex").toStdString() + ": line 3: scan-time: ", 0), 0u) << warnings.str();
    EXPECT_FALSE(line.choosePlayer);

    // With no --player, the player with no name plays, and the title offers the two players.
    line = run({});
    EXPECT_EQ(line.settings.scanTime, 5000ms);
    EXPECT_EQ(line.opponent, "");
    EXPECT_TRUE(line.choosePlayer);
    EXPECT_FALSE(run({ "--settings" }).choosePlayer);
    QFile::remove(playerFilePath("Alex"));
    EXPECT_FALSE(run({}).choosePlayer) << "one player is no choice";
}

TEST_F(PlayersTest, ABadOrUnknownPlayerIsRefusedByName)
{
    expectRefused({ "--player=a/b" }, { "--player=a/b", "slash" });
    expectRefused({ "--player=.." }, { "--player=..", "dot" });
    expectRefused({ "--player=" }, { "cannot be empty" });
    expectRefused({ "--player=" + std::string(41, 'x') }, { "at most 40 characters" });
    expectRefused({ "--player" }, { "--player=NAME" });
    expectRefused({ "--player=Bob" }, { "there is no player Bob", "the players are Alex, Sam", "Usage: wildcrest" });
    EXPECT_EQ(run({ "--player=" + std::string(40, 'x') }).status, 2) << "a good name, but no file";
}

TEST_F(PlayersTest, AnOpponentWhoCannotSitAtTheTableIsRefused)
{
    expectRefused({ "--player=Sam", "--opponent=Sam" }, { "opponent=Sam", "against themself" });
    expectRefused({ "--player=Sam", "--opponent=Carl" }, { "there is no player Carl", "the players are Alex, Sam" });
    // The same switch named by both players, whichever kind it is.
    for (const std::string own : { "button:1", "key:Space", "right-click" }) {
        writePlayer("Alex", QByteArray::fromStdString("switch=" + own + "\n"));
        expectRefused({ "--player=Sam", "--switch=" + own }, { "Sam and Alex both have switch=" + own });
    }
    // The player with no name, against Alex; both leaving their switch to any is no clash.
    writePlayer("Alex", "switch=any\n");
    const CommandLine line = run({ "--opponent=Alex" });
    EXPECT_EQ(line.then, CommandLine::Then::Play) << warnings.str();
    EXPECT_EQ(line.opponent, "Alex");
}

TEST(SeatWiring, EachSeatLeavesTheSwitchTheOtherNames)
{
    Settings sam, alex;
    sam.playerSwitch = { PlayerSwitch::Kind::Button, {}, 0 };
    sam.mouseSwitch = false;
    std::vector<SwitchWiring> seats = seatWiring(sam, nullptr);
    ASSERT_EQ(seats.size(), 1u);
    EXPECT_EQ(seats[0].own, sam.playerSwitch);
    EXPECT_FALSE(seats[0].mouse);
    EXPECT_TRUE(seats[0].others.empty());

    // Alex takes any input but Sam's button; Alex names none for Sam to leave.
    seats = seatWiring(sam, &alex);
    ASSERT_EQ(seats.size(), 2u);
    EXPECT_TRUE(seats[0].others.empty());
    EXPECT_TRUE(seats[1].mouse);
    EXPECT_EQ(seats[1].others, std::vector<PlayerSwitch> { sam.playerSwitch });

    alex.playerSwitch = { PlayerSwitch::Kind::Key, "Space", 0 };
    seats = seatWiring(sam, &alex);
    EXPECT_EQ(seats[0].others, std::vector<PlayerSwitch> { alex.playerSwitch });
    EXPECT_EQ(seats[1].others, std::vector<PlayerSwitch> { sam.playerSwitch });
}

TEST_F(PlayersTest, TheRecordsActionsAreToldFromTheRecordOption)
{
    EXPECT_EQ(run({ "--record" }).then, CommandLine::Then::Report);
    const CommandLine on = run({ "--record=on" });
    EXPECT_EQ(on.then, CommandLine::Then::Play);
    EXPECT_TRUE(on.settings.record);
    const CommandLine exported = run({ "--player=Sam", "--export-record=/tmp/sam.csv" });
    EXPECT_EQ(exported.then, CommandLine::Then::ExportRecord);
    EXPECT_EQ(exported.exportFile, "/tmp/sam.csv");
    EXPECT_EQ(exported.player, "Sam");
    EXPECT_EQ(run({ "--forget-record", "--player=Alex" }).then, CommandLine::Then::ForgetRecord);
    expectRefused({ "--export-record" }, { "--export-record needs a file" });
    expectRefused({ "--export-record=" }, { "--export-record needs a file" });
}
