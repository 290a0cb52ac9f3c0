// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/matchrecord.h"
#include "app/options.h"
#include "app/qt/settingsfile.h"
#include "game/gameform.h"
#include "player/scanroom.h"

#include <utility>

namespace wildcrest
{

std::string settingsLines(const Settings &settings)
{
    std::string lines;
    for (const OptionInfo &option : optionTable())
        lines += option.name + "=" + option.write(settings) + "\n";
    return lines;
}

int recordCommand(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    const QString path = recordFilePath();
    const std::string who = line.player.empty() ? std::string("the player with no name") : line.player;
    RecordFile file(path);
    const std::vector<SessionInfo> sessions = file.sessions(line.player);
    if (!file.problem().empty()) {
        err << "wildcrest: " << file.problem() << std::endl;
        return 1;
    }
    if (line.then == CommandLine::Then::ForgetRecord) {
        if (sessions.empty()) {
            out << "wildcrest: there is no record of " << who << " in " << path.toStdString() << "; nothing to delete" << std::endl;
            return 0;
        }
        const int forgotten = file.forget(line.player);
        if (forgotten < 0) {
            err << "wildcrest: " << file.problem() << std::endl;
            return 1;
        }
        out << "wildcrest: deleted the record of " << who << " (" << forgotten << " sessions) from " << path.toStdString() << std::endl;
        return 0;
    }
    if (sessions.empty()) {
        err << "wildcrest: there is no record of " << who << " in " << path.toStdString() << "; nothing was written to " << line.exportFile << std::endl;
        return 1;
    }
    if (const std::string error = exportCsv(file, sessions, line.exportFile); !error.empty()) {
        err << "wildcrest: " << error << std::endl;
        return 1;
    }
    out << "wildcrest: wrote the record of " << who << " (" << sessions.size() << " sessions) to " << line.exportFile << std::endl;
    return 0;
}

MatchRecord::MatchRecord(QString path, GameForm &game, std::ostream &say)
    : path_(std::move(path))
    , game_(game)
    , say_(say)
{
}

MatchRecord::~MatchRecord()
{
    close();
}

void MatchRecord::keep(ScanRoom &scan, const Settings &settings, const std::string &player, bool top)
{
    if (!settings.record)
        return;
    if (!store_)
        store_ = std::make_unique<RecordStore>(path_, say_);
    kept_.push_back({ &scan, top, store_->startSession(player, settingsLines(settings)) });
    scan.record.sendTo(kept_.back().session.get());
    game_.onRoundEnd([this](const RoundRow &round) {
        for (Kept &kept : kept_) {
            RoundRow own = round;
            if (kept.top)
                std::swap(own.playerScore, own.opponentScore);
            kept.scan->record.roundEnded(own);
        }
    });
}

void MatchRecord::close()
{
    if (!store_)
        return;
    for (Kept &kept : kept_) {
        kept.scan->record.flush(kept.scan->view().now());
        kept.scan->record.sendTo(nullptr);
        kept.session.reset();
    }
    kept_.clear();
    store_->close();
    store_.reset();
}

} // namespace wildcrest
