// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/settingsfile.h"
#include "app/options.h"

#include "language/qt/qtwording.h"

#include "table/qt/keyname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <sstream>

namespace wildcrest
{

namespace
{

    // Applies one value to a copy, so that a refused one leaves the settings as they were.
    // Key names are Qt's, so only here can they be checked.
    std::string applyChecked(Settings &settings, const std::string &name, const std::string &value)
    {
        Settings trial = settings;
        std::string error = applySetting(trial, name, value);
        if (error.empty() && trial.secondSwitch.kind == SecondSwitch::Kind::Key && keyCodeOf(trial.secondSwitch.key) == 0)
            error = "second-switch must name a key as Qt writes it, such as key:F8 or key:Tab, not \"" + value + "\"";
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

    // Lines that are neither blank, a comment, a [section] nor name=value: QSettings
    // passes over them without a word.
    bool hasStrayLines(const QByteArray &bytes)
    {
        for (const QByteArray &raw : bytes.split('\n')) {
            const QByteArray line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
                continue;
            if (line.startsWith('[') && line.endsWith(']'))
                continue;
            if (!line.contains('='))
                return true;
        }
        return false;
    }

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

namespace
{

    void settleFromFile(const QString &path, Settings &settings, std::ostream &warnings)
    {
        if (const std::string conflict = settingsConflict(settings); !conflict.empty()) {
            warnings << "wildcrest: " << path.toStdString() << ": " << conflict << "; using scan-method=auto" << std::endl;
            settleConflict(settings);
        }
    }

} // namespace

void readSettingsFile(const QString &path, Settings &settings, std::ostream &warnings, bool settle)
{
    const QFileInfo info(path);
    if (!info.exists())
        return; // nothing was given: nothing is read
    const std::string where = "wildcrest: " + path.toStdString() + ": ";
    // A folder, a pipe or a device in its place could not be settings, and a pipe would never end.
    QFile probe(path);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        warnings << where << "cannot be read as a file; using the defaults" << std::endl;
        return;
    }
    // Read no further than a settings file can be: a huge file is a mistake, not settings.
    const QByteArray bytes = probe.read(kMaxSettingsFileBytes + 1);
    probe.close();
    if (bytes.size() > kMaxSettingsFileBytes) {
        warnings << where << "is larger than " << kMaxSettingsFileBytes / 1024 << " KiB, so it cannot be settings; using the defaults" << std::endl;
        return;
    }

    QSettings file(path, QSettings::IniFormat);
    bool garbled = file.status() != QSettings::NoError || hasStrayLines(bytes);
    for (const QString &key : file.allKeys()) {
        const std::string name = key.toStdString();
        const OptionInfo *option = optionNamed(name);
        if (!option) {
            if (looksLikeAName(key))
                warnings << where << name << ": there is no such option; it is left out" << std::endl;
            else
                garbled = true; // told once for all, below
            continue;
        }
        const std::string error = applyChecked(settings, name, valueText(file.value(key)));
        if (!error.empty())
            warnings << where << name << ": " << error << "; using the default " << option->defaultValue << std::endl;
    }
    if (garbled)
        warnings << where << "some of it is not settings (lines of name=value); that part is left out" << std::endl;
    if (settle)
        settleFromFile(path, settings, warnings);
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
        "Usage: wildcrest [--OPTION=VALUE]...\n"
        "       wildcrest --settings | --help | --version\n"
        "\n"
        "A card game played with one switch: each choice is offered in turn and one\n"
        "press of any key, a click or any joystick button takes it. Esc ends the game.\n")
         << "\n"
         << fill(words.translate("Usage", "Options (also read from %1,\nwhere the command line wins):"), { settingsFilePath().toStdString() }) << "\n";
    for (const OptionInfo &option : optionTable()) {
        text << "  --" << option.name << "=" << option.values << "\n"
             << "      " << fill(words.translate("Usage", "%1 (default %2)"), { optionHelp(option, words), option.defaultValue }) << "\n";
    }
    text << "  --settings\n"
         << "      " << words.translate("Usage", "open the settings dialog, which writes that file") << "\n"
         << "  --help\n"
         << "      " << words.translate("Usage", "show this text") << "\n"
         << "  --version\n"
         << "      " << words.translate("Usage", "show the version") << "\n";
    return text.str();
}

namespace
{

    // The language to tell the usage in: the command line's, the settings file's, or the desktop's.
    QtWording usageWording(const std::vector<std::string> &args)
    {
        Settings settings;
        std::ostringstream ignored;
        readSettingsFile(settingsFilePath(), settings, ignored, false);
        for (const std::string &arg : args)
            if (arg.rfind("--language=", 0) == 0)
                applySetting(settings, "language", arg.substr(11));
        return QtWording(chosenLanguage(settings.language));
    }

} // namespace

CommandLine readCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    CommandLine line;
    std::vector<std::pair<std::string, std::string>> given;
    const auto fail = [&](const std::string &message) {
        err << "wildcrest: " << message << "\n\n" << usageText(usageWording(args));
        line.then = CommandLine::Then::Exit;
        line.status = 2;
        return line;
    };
    for (const std::string &arg : args) {
        if (arg.rfind("--", 0) != 0)
            continue; // Qt's own (-platform offscreen, ...)
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
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
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
    line.file = settingsFilePath();
    readSettingsFile(line.file, line.settings, err, false);
    bool namesTheScan = false;
    for (const auto &[name, value] : given) {
        applySetting(line.settings, name, value);
        namesTheScan = namesTheScan || name == "scan-method" || name == "second-switch";
    }
    // A conflict the command line made stops it; one left from the file is told as the file's.
    if (const std::string conflict = settingsConflict(line.settings); !conflict.empty() && namesTheScan)
        return fail(conflict);
    settleFromFile(line.file, line.settings, err);
    return line;
}

} // namespace wildcrest
