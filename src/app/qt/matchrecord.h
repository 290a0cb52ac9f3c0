// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/store/recordstore.h"
#include "settings/settings.h"

#include <QString>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace wildcrest
{

class GameForm;
class ScanRoom;
struct CommandLine;

// --export-record and --forget-record, for the command line's player: what was
// done is said on `out`, what went wrong on `err`; returns the exit status.
int recordCommand(const CommandLine &line, std::ostream &out, std::ostream &err);

// The settings as the settings file writes them, one name=value a line.
std::string settingsLines(const Settings &settings);

// The record of a match, for each player at the table whose settings keep one
// (record=on): a session of their own in the store at `path`, fed by their
// scanning room and told the rounds. With nobody's record on, nothing is
// opened or made. Everything is written and the sessions ended by close(),
// or when it goes.
//
//     MatchRecord record(recordFilePath(), game);
//     record.keep(scan, settings, player);
//     record.keep(secondScan, opponentSettings, opponent, true);
class MatchRecord
{
public:
    MatchRecord(QString path, GameForm &game, std::ostream &say = std::cerr);
    ~MatchRecord();
    // `top`: the player of the top hand, whose score is the opponent's in the game's rounds.
    void keep(ScanRoom &scan, const Settings &settings, const std::string &player, bool top = false);
    void close();

private:
    struct Kept {
        ScanRoom *scan;
        bool top;
        std::unique_ptr<RecordSession> session;
    };
    QString path_;
    GameForm &game_;
    std::ostream &say_;
    std::unique_ptr<RecordStore> store_;
    std::vector<Kept> kept_;
};

} // namespace wildcrest
