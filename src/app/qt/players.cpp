// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/players.h"

#include "app/qt/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace wildcrest
{

namespace
{
    const QString kSuffix = ".conf";
}

std::string playerNameProblem(const std::string &name, const Wording &words)
{
    // Said in the settings dialog, in its language, where a name is asked for.
    const auto said = [&](const char *what, std::initializer_list<std::string> args = {}) { return fill(words.translate("SettingsDialog", what), args); };
    const QString text = QString::fromStdString(name);
    if (text.trimmed().isEmpty())
        return said(WILDCREST_TEXT("SettingsDialog", "a player's name cannot be empty"));
    if (std::size_t(text.size()) > kLongestPlayerName)
        return said(WILDCREST_TEXT("SettingsDialog", "a player's name is at most %1 characters, not \"%2\""), { std::to_string(kLongestPlayerName), name });
    // The name is a file name: it must not reach out of the players' folder or hide there.
    if (text.contains('/') || text.contains('\\'))
        return said(WILDCREST_TEXT("SettingsDialog", "a player's name cannot have a slash, as \"%1\" has"), { name });
    if (text.startsWith('.') || text.contains(".."))
        return said(WILDCREST_TEXT("SettingsDialog", "a player's name cannot start with a dot or hold \"..\", as \"%1\" does"), { name });
    if (text.trimmed() != text)
        return said(WILDCREST_TEXT("SettingsDialog", "a player's name cannot start or end with a space, as \"%1\" does"), { name });
    for (const QChar c : text)
        if (!c.isPrint())
            return said(WILDCREST_TEXT("SettingsDialog", "a player's name can only have printable characters"));
    return {};
}

std::string playerNameProblem(const std::string &name)
{
    return playerNameProblem(name, englishWording());
}

QString playersFolder()
{
    return QFileInfo(settingsFilePath()).absolutePath() + "/players";
}

QString playerFilePath(const std::string &name)
{
    if (name.empty())
        return settingsFilePath();
    return playersFolder() + "/" + QString::fromStdString(name) + kSuffix;
}

std::vector<std::string> playerNames()
{
    std::vector<std::string> names;
    const QDir folder(playersFolder());
    for (const QFileInfo &file : folder.entryInfoList({ "*" + kSuffix }, QDir::Files | QDir::Readable, QDir::Name)) {
        const std::string name = file.completeBaseName().toStdString();
        if (playerNameProblem(name).empty())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string playerProblem(const std::string &name)
{
    if (std::string problem = playerNameProblem(name); !problem.empty())
        return problem;
    if (QFileInfo(playerFilePath(name)).isFile())
        return {};
    std::string known;
    for (const std::string &player : playerNames())
        known += (known.empty() ? "" : ", ") + player;
    return "there is no player " + name + ", as there is no file " + playerFilePath(name).toStdString() + "; "
        + (known.empty() ? "there are no players yet" : "the players are " + known);
}

std::string renamePlayer(const std::string &from, const std::string &to)
{
    if (const std::string problem = playerNameProblem(to); !problem.empty())
        return problem;
    if (QFileInfo::exists(playerFilePath(to)))
        return "there is a player " + to + " already";
    if (!QFile::rename(playerFilePath(from), playerFilePath(to)))
        return "cannot rename " + playerFilePath(from).toStdString() + " to " + playerFilePath(to).toStdString();
    return {};
}

std::string deletePlayer(const std::string &name)
{
    if (name.empty() || !QFile::remove(playerFilePath(name)))
        return "cannot delete " + playerFilePath(name).toStdString();
    return {};
}

} // namespace wildcrest
