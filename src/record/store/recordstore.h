// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/switchrecord.h"

#include <QString>

#include <condition_variable>
#include <cstdint>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

namespace wildcrest
{

// $XDG_DATA_HOME/wildcrest/record.sqlite (~/.local/share/wildcrest/ by default).
QString recordFilePath();

// The version of the tables below, kept as the file's PRAGMA user_version.
constexpr int kRecordSchema = 1;

// Wall-clock time in milliseconds since 1970.
std::int64_t wallMs();

class RecordSession;

// The record on disk: sessions of play, each with its rows and rounds, in one
// SQLite file. Rows are queued by the game's thread and written in batches by
// a thread of its own (with its own connection), at least once a second, so a
// killed game loses at most the last second. The file and its folder are made
// only when the first row arrives. A file that is not a record of this game is
// moved aside and a new one begun; a file that cannot be written is said once
// on `say`, and the game plays on without the record.
//
//     RecordStore store(recordFilePath());
//     std::unique_ptr<RecordSession> session = store.startSession("Sam", "scan-time=2.5\n...");
//     scan.record.sendTo(session.get());
//     ...                                     // the game plays
//     session.reset();                        // the session's end time
//     store.close();                          // everything queued is on disk
class RecordStore
{
public:
    explicit RecordStore(QString path, std::ostream &say = std::cerr);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // A session of `player` ("" for the player with no name), with the settings
    // in force as the settings file writes them.
    std::unique_ptr<RecordSession> startSession(const std::string &player, const std::string &settings);
    // Writes everything queued and waits until it is on disk.
    void flush();
    // Writes everything queued and ends the writing thread; nothing more is kept.
    void close();
    const QString &path() const
    {
        return path_;
    }

private:
    friend class RecordSession;
    struct Start {
        int session;
        std::string player;
        std::string settings;
        std::int64_t at;
    };
    struct End {
        int session;
        std::int64_t at;
    };
    struct Row {
        int session;
        std::int64_t at;
        RecordRow row;
    };
    struct Round {
        int session;
        std::int64_t at;
        RoundRow round;
    };
    using Entry = std::variant<Start, End, Row, Round>;
    void queue(Entry entry);
    void run();
    class Writer;

    QString path_;
    std::ostream &say_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable written_;
    std::vector<Entry> queue_;
    std::uint64_t queued_ = 0, done_ = 0; // entries queued and written (or given up) so far
    bool quit_ = false;
    int sessions_ = 0;
    std::thread thread_;
};

// One player's session in the store: the sink their ScanRoom's record writes to.
// Its end is written when it is destroyed.
class RecordSession : public RecordSink
{
public:
    ~RecordSession() override;
    void row(const RecordRow &row) override;
    void round(const RoundRow &round) override;

private:
    friend class RecordStore;
    RecordSession(RecordStore &store, int id)
        : store_(store)
        , id_(id)
    {
    }
    // The wall clock of a moment on the view's clock, anchored at the first one seen.
    std::int64_t wallOf(Moment when);

    RecordStore &store_;
    int id_;
    std::optional<std::int64_t> offset_; // wall ms minus the view clock's ms
};

// A session as read back.
struct SessionInfo {
    std::int64_t id = 0;
    std::string player;
    std::int64_t started = 0; // wall ms
    std::optional<std::int64_t> ended;
    std::string settings; // name=value lines
};

// A row as read back, with its session and wall-clock time.
struct StoredRow {
    std::int64_t session = 0;
    std::int64_t at = 0; // wall ms
    RecordRow row;
};

// The record read back (and forgotten), in the calling thread. A file that is
// not there is read as empty and not made.
class RecordFile
{
public:
    explicit RecordFile(const QString &path);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    bool exists() const;
    // What went wrong opening or reading it, or "".
    const std::string &problem() const
    {
        return problem_;
    }
    std::vector<std::string> players();
    // The player's sessions that started from `from` up to `to` (wall ms), oldest first.
    std::vector<SessionInfo> sessions(const std::string &player, std::int64_t from = 0, std::int64_t to = INT64_MAX);
    // `items`: with what was on offer, as speech says it (the figures need it not).
    std::vector<StoredRow> rows(std::int64_t session, bool items = true);
    std::vector<RoundRow> rounds(std::int64_t session);
    // Deletes the player's sessions with their rows and rounds; returns how many sessions.
    int forget(const std::string &player);

private:
    bool open();
    QString path_;
    QString connection_;
    bool opened_ = false;
    std::string problem_;
};

} // namespace wildcrest

namespace wildcrest
{

// Writes the rows of `sessions` to the file `csv`, a header line first;
// returns what went wrong, naming the file, or "".
std::string exportCsv(RecordFile &file, const std::vector<SessionInfo> &sessions, const std::string &csv);

} // namespace wildcrest
