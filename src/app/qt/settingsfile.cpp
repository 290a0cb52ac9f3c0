// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/settingsfile.h"
#include "app/options.h"
#include "app/optiontext.h"
#include "app/qt/players.h"
#include "app/seats.h"

#include "language/qt/qtwording.h"

#include "table/qt/keyname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace wildcrest
{

namespace
{

    // Applies one value to a copy, so that a refused one leaves the settings as they were.
    // Key names are Qt's, and the players' names are their files', so only here can they be checked.
    std::string applyChecked(Settings &settings, const std::string &name, const std::string &value)
    {
        Settings trial = settings;
        std::string error = applySetting(trial, name, value);
        if (error.empty() && trial.secondSwitch.kind == SecondSwitch::Kind::Key && keyCodeOf(trial.secondSwitch.key) == 0)
            error = "second-switch must name a key as Qt writes it, such as key:F8 or key:Tab, not \"" + value + "\"";
        if (error.empty() && trial.playerSwitch.kind == PlayerSwitch::Kind::Key && keyCodeOf(trial.playerSwitch.key) == 0)
            error = "switch must name a key as Qt writes it, such as key:Space or key:F8, not \"" + value + "\"";
        if (error.empty() && trial.opponent != "computer")
            if (const std::string problem = playerNameProblem(trial.opponent); !problem.empty())
                error = "opponent must be computer or a player's name, and " + problem;
        if (error.empty())
            settings = trial;
        return error;
    }

    // QSettings reads "1,5" as a list of two: it is one value as written.
    std::string valueText(const QVariant &value)
    {
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(',').toStdString();
        return value.toString().toStdString();
    }

    // A key someone meant to write, as opposed to a piece of a file that is not settings.
    bool looksLikeAName(const QString &key)
    {
        static const QRegularExpression name("^[A-Za-z][A-Za-z0-9_+./-]{0,39}$");
        return name.match(key).hasMatch();
    }

    bool isCommentOrSection(const QByteArray &line)
    {
        return line.isEmpty() || line.startsWith(';') || line.startsWith('#') || (line.startsWith('[') && line.endsWith(']'));
    }

    // The lines that are neither blank, a comment, a [section] nor name=value:
    // QSettings passes over them without a word.
    std::vector<int> strayLines(const QByteArray &bytes)
    {
        std::vector<int> stray;
        const QList<QByteArray> lines = bytes.split('\n');
        for (int i = 0; i < int(lines.size()); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (!isCommentOrSection(line) && !line.contains('='))
                stray.push_back(i + 1);
        }
        return stray;
    }

    // The line of each key as QSettings names it ("sound/cue" in [sound]); the
    // last, as the last one is the one taken.
    std::map<QString, int> keyLines(const QByteArray &bytes)
    {
        std::map<QString, int> at;
        QString section;
        const QList<QByteArray> lines = bytes.split('\n');
        for (int i = 0; i < int(lines.size()); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (line.startsWith('[') && line.endsWith(']')) {
                section = QString::fromUtf8(line.mid(1, line.size() - 2)).trimmed();
                section = section.compare("General", Qt::CaseInsensitive) == 0 ? QString() : section + "/";
            } else if (!isCommentOrSection(line) && line.contains('='))
                at[section + QString::fromUtf8(line.left(line.indexOf('=')).trimmed())] = i + 1;
        }
        return at;
    }

    // A list of line numbers as a problem names them: "3, 7, 9"; a long one cut short.
    std::string lineList(const std::vector<int> &lines)
    {
        constexpr std::size_t kNamed = 10;
        std::string list;
        for (std::size_t i = 0; i < std::min(lines.size(), kNamed); ++i)
            list += (i ? ", " : "") + std::to_string(lines[i]);
        return lines.size() > kNamed ? list + ", \u2026" : list;
    }

    // What the reading found, and where each key stands, for a conflict found later.
    struct FileRead {
        std::vector<SettingsProblem> problems;
        std::map<QString, int> keyLines;
    };

    const char *kVersion = WILDCREST_VERSION;

} // namespace

QString settingsFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules say a relative one is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + "/.config";
    return base + "/wildcrest/wildcrest.conf";
}

std::string problemText(const SettingsProblem &problem, const Wording &words)
{
    std::string where;
    if (!problem.lines.empty()) {
        const char *lines = problem.lines.size() == 1 ? WILDCREST_TEXT("SettingsFile", "line %1") : WILDCREST_TEXT("SettingsFile", "lines %1");
        where = fill(words.translate("SettingsFile", lines), { lineList(problem.lines) }) + ": ";
    }
    return where + fill(words.translate("SettingsFile", problem.what), problem.args);
}

namespace
{

    FileRead readFile(const QString &path, Settings &settings)
    {
        FileRead read;
        const auto problem = [&](std::vector<int> lines, const char *what, std::vector<std::string> args = {}) {
            read.problems.push_back({ std::move(lines), what, std::move(args) });
        };
        const QFileInfo info(path);
        if (!info.exists())
            return read; // nothing was given: nothing is read
        // A folder, a pipe or a device in its place could not be settings, and a pipe would never end.
        QFile probe(path);
        if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
            problem({}, WILDCREST_TEXT("SettingsFile", "cannot be read as a file; using the defaults"));
            return read;
        }
        // Read no further than a settings file can be: a huge file is a mistake, not settings.
        const QByteArray bytes = probe.read(kMaxSettingsFileBytes + 1);
        probe.close();
        if (bytes.size() > kMaxSettingsFileBytes) {
            problem({},
                WILDCREST_TEXT("SettingsFile", "is larger than %1 KiB, so it cannot be settings; using the defaults"),
                { std::to_string(kMaxSettingsFileBytes / 1024) });
            return read;
        }

        read.keyLines = keyLines(bytes);
        const auto linesOf = [&](const QString &key) {
            const auto at = read.keyLines.find(key);
            return at == read.keyLines.end() ? std::vector<int> {} : std::vector<int> { at->second };
        };
        QSettings file(path, QSettings::IniFormat);
        std::vector<int> notSettings = strayLines(bytes);
        bool garbled = file.status() != QSettings::NoError || !notSettings.empty();
        for (const QString &key : file.allKeys()) {
            const std::string name = key.toStdString();
            const OptionInfo *option = optionNamed(name);
            if (!option) {
                if (looksLikeAName(key))
                    problem(linesOf(key), WILDCREST_TEXT("SettingsFile", "%1: there is no such option; it is left out"), { name });
                else { // told once for all, below
                    garbled = true;
                    for (int line : linesOf(key))
                        notSettings.push_back(line);
                }
                continue;
            }
            const std::string error = applyChecked(settings, name, valueText(file.value(key)));
            if (!error.empty())
                problem(linesOf(key), WILDCREST_TEXT("SettingsFile", "%1: %2; using the default %3"), { name, error, option->defaultValue });
        }
        if (garbled) {
            std::sort(notSettings.begin(), notSettings.end());
            notSettings.erase(std::unique(notSettings.begin(), notSettings.end()), notSettings.end());
            problem(notSettings, WILDCREST_TEXT("SettingsFile", "some of it is not settings (lines of name=value); that part is left out"));
        }
        std::stable_sort(read.problems.begin(), read.problems.end(), [](const SettingsProblem &a, const SettingsProblem &b) { return a.lines < b.lines; });
        return read;
    }

    // Options of the file that cannot go together are put back to their defaults.
    void settleFromFile(FileRead &read, Settings &settings)
    {
        if (const std::string conflict = settingsConflict(settings); !conflict.empty()) {
            const auto at = read.keyLines.find("scan-method");
            read.problems.push_back({ at == read.keyLines.end() ? std::vector<int> {} : std::vector<int> { at->second },
                WILDCREST_TEXT("SettingsFile", "%1; using scan-method=auto"),
                { conflict } });
            settleConflict(settings);
        }
    }

    void tell(const QString &path, const std::vector<SettingsProblem> &problems, std::ostream &warnings)
    {
        for (const SettingsProblem &problem : problems)
            warnings << "wildcrest: " << path.toStdString() << ": " << problemText(problem, englishWording()) << std::endl;
    }

} // namespace

std::vector<SettingsProblem> readSettingsFile(const QString &path, Settings &settings, bool settle)
{
    FileRead read = readFile(path, settings);
    if (settle)
        settleFromFile(read, settings);
    return read.problems;
}

void readSettingsFile(const QString &path, Settings &settings, std::ostream &warnings, bool settle)
{
    tell(path, readSettingsFile(path, settings, settle), warnings);
}

std::string writeSettingsFile(const QString &path, const Settings &settings)
{
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir))
        return "cannot make the folder " + dir.toStdString();
    QSettings file(path, QSettings::IniFormat);
    file.clear();
    for (const OptionInfo &option : optionTable())
        file.setValue(QString::fromStdString(option.name), QString::fromStdString(settingText(settings, option.name)));
    file.sync();
    if (file.status() != QSettings::NoError)
        return "cannot write " + path.toStdString();
    return {};
}

std::string usageText(const Wording &words)
{
    std::ostringstream text;
    text << words.translate("Usage",
        "Usage: wildcrest [--player=NAME] [--OPTION=VALUE]...\n"
        "       wildcrest --settings | --help | --version\n"
        "       wildcrest [--player=NAME] --record | --export-record=FILE.csv | --forget-record\n"
        "\n"
        "A card game played with one switch: each choice is offered in turn and one\n"
        "press of any key, a click or any joystick button takes it. Esc ends the game.\n")
         << "\n"
         << fill(words.translate("Usage", "Options (also read from %1,\nwhere the command line wins):"), { settingsFilePath().toStdString() }) << "\n";
    for (const OptionInfo &option : optionTable()) {
        text << "  --" << option.name << "=" << option.values << "\n"
             << "      " << fill(words.translate("Usage", "%1 (default %2)"), { optionHelp(option, words), option.defaultValue }) << "\n";
    }
    text << "  --player=NAME\n"
         << "      "
         << words.translate("Usage", "play with the settings of the player NAME, kept in players/NAME.conf beside that file; with --settings, edit them")
         << "\n"
         << "  --new-match\n"
         << "      " << words.translate("Usage", "start a new match, whatever match was saved at the last stop") << "\n"
         << "  --settings\n"
         << "      " << words.translate("Usage", "open the settings dialog, which writes that file") << "\n"
         << "  --record\n"
         << "      " << words.translate("Usage", "open the report on the player's record of switch use (kept with record=on)") << "\n"
         << "  --export-record=FILE.csv\n"
         << "      " << words.translate("Usage", "write the player's record to FILE.csv, one line for each press and offer") << "\n"
         << "  --forget-record\n"
         << "      " << words.translate("Usage", "delete the player's record from this computer") << "\n"
         << "  --help\n"
         << "      " << words.translate("Usage", "show this text") << "\n"
         << "  --version\n"
         << "      " << words.translate("Usage", "show the version") << "\n";
    return text.str();
}

namespace
{

    // The number of words a Qt argument is (-platform offscreen: 2, -reverse: 1), or
    // none when `arg` is not one of Qt's. Qt takes "--platform" as "-platform",
    // but with two dashes these are the game's own.
    std::optional<int> qtArgumentWords(const std::string &arg)
    {
        static const std::set<std::string> withAValue { "platform",
            "platformpluginpath",
            "platformtheme",
            "plugin",
            "qwindowgeometry",
            "qwindowicon",
            "qwindowtitle",
            "session",
            "style",
            "stylesheet",
            "display",
            "geometry",
            "icon",
            "name",
            "title",
            "visual" };
        static const std::set<std::string> alone { "reverse", "testability", "widgetcount", "nograb", "dograb", "sync" };
        if (arg.size() < 2 || arg[0] != '-' || arg[1] == '-')
            return std::nullopt;
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(1, equals == std::string::npos ? std::string::npos : equals - 1);
        if (name == "qmljsdebugger" || (equals != std::string::npos && withAValue.count(name)))
            return 1;
        if (withAValue.count(name))
            return 2;
        if (alone.count(name))
            return 1;
        return std::nullopt;
    }

    const std::string kPlayerOption = "--player=";
    const std::string kExportOption = "--export-record=";

    // The language to tell the usage in: the command line's, the player's file's, or the desktop's.
    QtWording usageWording(const std::vector<std::string> &args)
    {
        QString file = settingsFilePath();
        for (const std::string &arg : args) {
            const std::string player = arg.rfind(kPlayerOption, 0) == 0 ? arg.substr(kPlayerOption.size()) : "";
            if (!player.empty() && playerProblem(player).empty())
                file = playerFilePath(player);
        }
        Settings settings;
        readSettingsFile(file, settings, false); // its problems are told when the game starts
        for (const std::string &arg : args)
            if (arg.rfind("--language=", 0) == 0)
                applySetting(settings, "language", arg.substr(11));
        return QtWording(chosenLanguage(settings.language));
    }

    // A player as a message names them.
    std::string who(const std::string &player)
    {
        return player.empty() ? "the player of " + settingsFilePath().toStdString() : player;
    }

    // Reads the file of the opponent the player's settings name; returns what
    // stops the two playing at one table, or "".
    std::string readOpponent(CommandLine &line, std::ostream &err)
    {
        const std::string &name = line.settings.opponent;
        if (name == line.player)
            return "opponent=" + name + ": a player cannot play against themself";
        if (const std::string problem = playerProblem(name); !problem.empty())
            return "opponent=" + name + ": " + problem;
        line.opponent = name;
        readSettingsFile(playerFilePath(name), line.opponentSettings, err);
        if (sameSwitch(line.settings.playerSwitch, line.opponentSettings.playerSwitch))
            return who(line.player) + " and " + name + " both have switch=" + playerSwitchText(line.settings.playerSwitch)
                + ": each player at the table needs a switch of their own";
        return {};
    }

} // namespace

CommandLine readCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    CommandLine line;
    std::vector<std::pair<std::string, std::string>> given;
    bool playerGiven = false;
    const auto fail = [&](const std::string &message) {
        err << "wildcrest: " << message << "\n\n" << usageText(usageWording(args));
        line.then = CommandLine::Then::Exit;
        line.status = 2;
        return line;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (const std::optional<int> words = qtArgumentWords(arg)) {
            i += *words - 1; // Qt's own (-platform offscreen, ...)
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            // Not to be passed over: the game would start without what was meant.
            const std::string bare = arg.substr(std::min(arg.find_first_not_of('-'), arg.size()));
            if (optionNamed(bare.substr(0, bare.find('='))))
                return fail(arg + " is not an option: options start with two dashes, --" + bare);
            return fail("\"" + arg + "\" is not an option: options are written --NAME=VALUE");
        }
        if (arg == "--help") {
            out << usageText(usageWording(args));
            line.then = CommandLine::Then::Exit;
            line.status = 0;
            return line;
        }
        if (arg == "--version") {
            out << "wildcrest " << kVersion << "\n";
            line.then = CommandLine::Then::Exit;
            line.status = 0;
            return line;
        }
        if (arg == "--settings") {
            line.then = CommandLine::Then::EditSettings;
            continue;
        }
        if (arg == "--record") { // with a value, it is the option
            line.then = CommandLine::Then::Report;
            continue;
        }
        if (arg == "--forget-record") {
            line.then = CommandLine::Then::ForgetRecord;
            continue;
        }
        if (arg.rfind(kExportOption, 0) == 0) {
            line.exportFile = arg.substr(kExportOption.size());
            if (line.exportFile.empty())
                return fail("--export-record needs a file: --export-record=FILE.csv");
            line.then = CommandLine::Then::ExportRecord;
            continue;
        }
        if (arg == "--export-record")
            return fail("--export-record needs a file: --export-record=FILE.csv");
        if (arg == "--new-match") {
            line.newMatch = true;
            continue;
        }
        if (arg.rfind(kPlayerOption, 0) == 0) {
            line.player = arg.substr(kPlayerOption.size());
            if (const std::string problem = playerProblem(line.player); !problem.empty())
                return fail(arg + ": " + problem);
            playerGiven = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (name == "player")
            return fail("--player needs a value: --player=NAME");
        if (!optionNamed(name))
            return fail("unknown option " + arg);
        if (equals == std::string::npos)
            return fail("--" + name + " needs a value: --" + name + "=" + optionNamed(name)->values);
        given.emplace_back(name, arg.substr(equals + 1));
    }
    // The values are checked before any file is read, so a mistake is told as the mistake it is.
    for (const auto &[name, value] : given) {
        Settings scratch;
        const std::string error = applyChecked(scratch, name, value);
        if (!error.empty())
            return fail("--" + name + ": " + error);
    }
    line.file = playerFilePath(line.player);
    FileRead read = readFile(line.file, line.settings);
    bool namesTheScan = false;
    for (const auto &[name, value] : given) {
        applySetting(line.settings, name, value);
        namesTheScan = namesTheScan || name == "scan-method" || name == "second-switch";
    }
    // A conflict the command line made stops it; one left from the file is told as the file's.
    if (const std::string conflict = settingsConflict(line.settings); !conflict.empty() && namesTheScan)
        return fail(conflict);
    settleFromFile(read, line.settings);
    line.fileProblems = std::move(read.problems);
    tell(line.file, line.fileProblems, err);
    if (line.settings.opponent != "computer")
        if (const std::string problem = readOpponent(line, err); !problem.empty())
            return fail(problem);
    line.choosePlayer = !playerGiven && line.then == CommandLine::Then::Play && playerNames().size() >= 2;
    return line;
}

} // namespace wildcrest
