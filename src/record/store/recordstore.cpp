// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/store/recordstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <chrono>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace wildcrest
{

QString recordFilePath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // The XDG base directory rules say a relative one is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + "/.local/share";
    return base + "/wildcrest/record.sqlite";
}

std::int64_t wallMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

namespace
{

    // A record tells how a person uses their switch: only they may read it. SQLite
    // gives the file it makes everyone's read access, and its companion files
    // (-wal, -shm) take the file's permissions.
    void keepPrivate(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
        else
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner); // one kept by an earlier version
    }

    // Each connection needs a name of its own: two stores, or a store and a reader, in one process.
    QString newConnectionName(const char *what)
    {
        static std::atomic<int> count { 0 };
        return QString("wildcrest-%1-%2").arg(what).arg(++count);
    }

    const char *const kTables[] = {
        "CREATE TABLE sessions (id INTEGER PRIMARY KEY, player TEXT NOT NULL, started INTEGER NOT NULL, ended INTEGER, settings TEXT NOT NULL)",
        "CREATE TABLE rows (session INTEGER NOT NULL REFERENCES sessions(id), at INTEGER NOT NULL, moment INTEGER NOT NULL, kind TEXT NOT NULL, "
        "outcome TEXT NOT NULL, offer TEXT NOT NULL, item TEXT NOT NULL, place INTEGER NOT NULL, pass INTEGER NOT NULL, reaction INTEGER, "
        "held INTEGER, scan_time INTEGER NOT NULL, switch INTEGER NOT NULL)",
        "CREATE INDEX rows_of_session ON rows(session)",
        "CREATE TABLE rounds (session INTEGER NOT NULL REFERENCES sessions(id), at INTEGER NOT NULL, round INTEGER NOT NULL, "
        "player_score INTEGER NOT NULL, opponent_score INTEGER NOT NULL, match_over INTEGER NOT NULL)",
        "CREATE INDEX rounds_of_session ON rounds(session)",
    };

    // What is wrong with the file as a record of this game, or "" when it is one (or empty).
    std::string whatIsWrong(QSqlDatabase &db)
    {
        QSqlQuery query(db);
        if (!query.exec("PRAGMA user_version") || !query.next())
            return "it is not an SQLite database";
        const int version = query.value(0).toInt();
        if (version > kRecordSchema)
            return "it was written by a newer Wildcrest (record version " + std::to_string(version) + ")";
        if (!query.exec("SELECT name FROM sqlite_master WHERE type = 'table'"))
            return "it is not an SQLite database";
        QStringList tables;
        while (query.next())
            tables << query.value(0).toString();
        if (version == 0 && tables.isEmpty())
            return {};
        tables.sort();
        if (version != kRecordSchema || tables != QStringList { "rounds", "rows", "sessions" })
            return "it holds tables that are not Wildcrest's record";
        return {};
    }

    std::optional<qint64> micros(const std::optional<Moment> &m)
    {
        return m ? std::optional<qint64>(m->count()) : std::nullopt;
    }

    QVariant orNull(const std::optional<qint64> &v)
    {
        return v ? QVariant(*v) : QVariant(QMetaType::fromType<qint64>());
    }

    // A name read back as its value, the last one remembered: rows in a row mostly repeat it.
    template <typename T> class NameReader
    {
    public:
        NameReader(std::optional<T> (*named)(const std::string &), T otherwise)
            : named_(named)
            , value_(otherwise)
            , otherwise_(otherwise)
        {
        }
        T operator()(const QString &name)
        {
            if (name != last_) {
                last_ = name;
                value_ = named_(name.toStdString()).value_or(otherwise_);
            }
            return value_;
        }

    private:
        std::optional<T> (*named_)(const std::string &);
        QString last_;
        T value_, otherwise_;
    };

} // namespace

// The writing thread's side: its connection, and the store's sessions by their ids in the file.
class RecordStore::Writer
{
public:
    Writer(const QString &path, std::ostream &say)
        : path_(path)
        , say_(say)
        , name_(newConnectionName("writer"))
    {
    }
    ~Writer()
    {
        if (QSqlDatabase::contains(name_)) {
            QSqlDatabase::database(name_, false).close();
            QSqlDatabase::removeDatabase(name_);
        }
    }

    void write(const std::vector<Entry> &batch)
    {
        if (given_up_ || batch.empty() || !(open_ || open()))
            return;
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.transaction();
        QSqlQuery insertRow(db);
        insertRow.prepare("INSERT INTO rows VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        QSqlQuery query(db);
        bool ok = true;
        for (const Entry &entry : batch) {
            if (const auto *start = std::get_if<Start>(&entry)) {
                query.prepare("INSERT INTO sessions (player, started, settings) VALUES (?, ?, ?)");
                query.addBindValue(QString::fromStdString(start->player));
                query.addBindValue(qint64(start->at));
                query.addBindValue(QString::fromStdString(start->settings));
                ok = ok && query.exec();
                ids_.resize(std::max<std::size_t>(ids_.size(), start->session + 1));
                ids_[start->session] = query.lastInsertId().toLongLong();
            } else if (const auto *end = std::get_if<End>(&entry)) {
                query.prepare("UPDATE sessions SET ended = ? WHERE id = ?");
                query.addBindValue(qint64(end->at));
                query.addBindValue(ids_.at(end->session));
                ok = ok && query.exec();
            } else if (const auto *row = std::get_if<Row>(&entry)) {
                const RecordRow &r = row->row;
                for (const QVariant &value : { QVariant(ids_.at(row->session)),
                         QVariant(qint64(row->at)),
                         QVariant(qint64(r.when.count())),
                         QVariant(rowKindName(r.kind)),
                         QVariant(outcomeName(r.outcome)),
                         QVariant(offerKindName(r.offer)),
                         QVariant(QString::fromStdString(r.item)),
                         QVariant(r.place),
                         QVariant(r.pass),
                         orNull(micros(r.reaction)),
                         orNull(micros(r.held)),
                         QVariant(qint64(r.scanTime.count())),
                         QVariant(r.which) })
                    insertRow.addBindValue(value);
                ok = ok && insertRow.exec();
            } else if (const auto *round = std::get_if<Round>(&entry)) {
                const RoundRow &r = round->round;
                query.prepare("INSERT INTO rounds VALUES (?, ?, ?, ?, ?, ?)");
                for (const QVariant &value : { QVariant(ids_.at(round->session)),
                         QVariant(qint64(round->at)),
                         QVariant(r.round),
                         QVariant(r.playerScore),
                         QVariant(r.opponentScore),
                         QVariant(int(r.matchOver)) })
                    query.addBindValue(value);
                ok = ok && query.exec();
            }
            if (!ok)
                break;
        }
        if (!ok || !db.commit()) {
            const QString error = (insertRow.lastError().isValid() ? insertRow.lastError()
                    : query.lastError().isValid()                  ? query.lastError()
                                                                   : db.lastError())
                                      .text();
            db.rollback();
            giveUp("cannot write the record to " + path_.toStdString() + " (" + error.toStdString() + ")");
        }
    }

private:
    bool open()
    {
        const QFileInfo info(path_);
        if (!QDir().mkpath(info.absolutePath())) {
            giveUp("cannot make the folder " + info.absolutePath().toStdString() + " for the record " + path_.toStdString());
            return false;
        }
        if (!connect())
            return false;
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (const std::string wrong = whatIsWrong(db); !wrong.empty()) {
            db.close();
            const QString aside = path_ + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
            for (const char *companion : { "-wal", "-shm", "-journal" })
                QFile::remove(path_ + companion);
            if (!QFile::rename(path_, aside)) {
                giveUp("cannot keep the record in " + path_.toStdString() + ": " + wrong + ", and it cannot be moved aside");
                return false;
            }
            say_ << "wildcrest: " << path_.toStdString() << " is not a record this game can read (" << wrong << "); moved it aside to " << aside.toStdString()
                 << " and started a new record" << std::endl;
            if (!connect())
                return false;
            db = QSqlDatabase::database(name_, false);
        }
        QSqlQuery query(db);
        query.exec("PRAGMA journal_mode = WAL");
        query.exec("PRAGMA synchronous = NORMAL");
        query.exec("PRAGMA user_version");
        if (query.next() && query.value(0).toInt() == 0) {
            db.transaction();
            bool ok = true;
            for (const char *table : kTables)
                ok = ok && query.exec(table);
            ok = ok && query.exec(QString("PRAGMA user_version = %1").arg(kRecordSchema));
            if (!ok || !db.commit()) {
                giveUp("cannot write the record to " + path_.toStdString() + " (" + query.lastError().text().toStdString() + ")");
                return false;
            }
        }
        open_ = true;
        return true;
    }

    bool connect()
    {
        keepPrivate(path_);
        QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false) : QSqlDatabase::addDatabase("QSQLITE", name_);
        db.setDatabaseName(path_);
        if (!db.open()) {
            giveUp("cannot open the record " + path_.toStdString() + " (" + db.lastError().text().toStdString() + ")");
            return false;
        }
        return true;
    }

    // Said once; the game plays on, and nothing more is written.
    void giveUp(const std::string &why)
    {
        if (!given_up_)
            say_ << "wildcrest: " << why << "; the game goes on without keeping its record" << std::endl;
        given_up_ = true;
    }

    QString path_;
    std::ostream &say_;
    QString name_;
    bool open_ = false;
    bool given_up_ = false;
    std::vector<qint64> ids_; // the file's session id of each of the store's sessions
};

RecordStore::RecordStore(QString path, std::ostream &say)
    : path_(std::move(path))
    , say_(say)
    , thread_([this] { run(); })
{
}

RecordStore::~RecordStore()
{
    close();
}

void RecordStore::run()
{
    // A batch at most this long after its first entry: a killed game loses less than a second.
    constexpr auto kBatch = std::chrono::milliseconds(250);
    // Behind the game's own thread whenever both want the processor.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
    Writer writer(path_, say_);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
        if (!quit_)
            wake_.wait_for(lock, kBatch, [this] { return quit_; });
        std::vector<Entry> batch;
        batch.swap(queue_);
        const bool last = quit_;
        lock.unlock();
        writer.write(batch);
        lock.lock();
        done_ += batch.size();
        written_.notify_all();
        if (last && queue_.empty())
            return;
    }
}

void RecordStore::queue(Entry entry)
{
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        if (quit_)
            return;
        first = queue_.empty();
        queue_.push_back(std::move(entry));
        ++queued_;
    }
    // Only the first entry of a batch wakes the writer: the rest wait for it without a word.
    if (first)
        wake_.notify_one();
}

std::unique_ptr<RecordSession> RecordStore::startSession(const std::string &player, const std::string &settings)
{
    const int id = sessions_++;
    queue(Start { id, player, settings, wallMs() });
    return std::unique_ptr<RecordSession>(new RecordSession(*this, id));
}

void RecordStore::flush()
{
    std::unique_lock lock(mutex_);
    const std::uint64_t target = queued_;
    wake_.notify_one();
    written_.wait(lock, [&] { return done_ >= target || !thread_.joinable(); });
}

void RecordStore::close()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

RecordSession::~RecordSession()
{
    store_.queue(RecordStore::End { id_, wallMs() });
}

std::int64_t RecordSession::wallOf(Moment when)
{
    const std::int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(when).count();
    if (!offset_)
        offset_ = wallMs() - ms;
    return ms + *offset_;
}

void RecordSession::row(const RecordRow &row)
{
    store_.queue(RecordStore::Row { id_, wallOf(row.when), row });
}

void RecordSession::round(const RoundRow &round)
{
    store_.queue(RecordStore::Round { id_, wallOf(round.when), round });
}

RecordFile::RecordFile(const QString &path)
    : path_(path)
    , connection_(newConnectionName("reader"))
{
}

RecordFile::~RecordFile()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool RecordFile::exists() const
{
    return QFileInfo(path_).isFile();
}

bool RecordFile::open()
{
    if (opened_)
        return true;
    if (!exists())
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path_);
    if (!db.open()) {
        problem_ = "cannot open " + path_.toStdString() + " (" + db.lastError().text().toStdString() + ")";
        return false;
    }
    if (const std::string wrong = whatIsWrong(db); !wrong.empty()) {
        problem_ = path_.toStdString() + ": " + wrong;
        return false;
    }
    opened_ = true;
    return true;
}

std::vector<std::string> RecordFile::players()
{
    std::vector<std::string> names;
    if (!open())
        return names;
    QSqlQuery query("SELECT DISTINCT player FROM sessions ORDER BY player", QSqlDatabase::database(connection_, false));
    while (query.next())
        names.push_back(query.value(0).toString().toStdString());
    return names;
}

std::vector<SessionInfo> RecordFile::sessions(const std::string &player, std::int64_t from, std::int64_t to)
{
    std::vector<SessionInfo> out;
    if (!open())
        return out;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare("SELECT id, player, started, ended, settings FROM sessions WHERE player = ? AND started >= ? AND started <= ? ORDER BY started, id");
    query.addBindValue(QString::fromStdString(player));
    query.addBindValue(qint64(from));
    query.addBindValue(qint64(to));
    query.exec();
    while (query.next()) {
        SessionInfo s;
        s.id = query.value(0).toLongLong();
        s.player = query.value(1).toString().toStdString();
        s.started = query.value(2).toLongLong();
        if (!query.value(3).isNull())
            s.ended = query.value(3).toLongLong();
        s.settings = query.value(4).toString().toStdString();
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<StoredRow> RecordFile::rows(std::int64_t session, bool items)
{
    std::vector<StoredRow> out;
    if (!open())
        return out;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(
        QString("SELECT at, moment, kind, outcome, offer, %1, place, pass, reaction, held, scan_time, switch FROM rows WHERE session = ? ORDER BY rowid")
            .arg(items ? "item" : "''"));
    query.addBindValue(qint64(session));
    query.exec();
    NameReader<RowKind> kind(rowKindNamed, RowKind::Offer);
    NameReader<Outcome> outcome(outcomeNamed, Outcome::Shown);
    NameReader<OfferKind> offer(offerKindNamed, OfferKind::None);
    while (query.next()) {
        StoredRow s;
        s.session = session;
        s.at = query.value(0).toLongLong();
        RecordRow &r = s.row;
        r.when = Moment(query.value(1).toLongLong());
        r.kind = kind(query.value(2).toString());
        r.outcome = outcome(query.value(3).toString());
        r.offer = offer(query.value(4).toString());
        if (items)
            r.item = query.value(5).toString().toStdString();
        r.place = query.value(6).toInt();
        r.pass = query.value(7).toInt();
        if (!query.value(8).isNull())
            r.reaction = Moment(query.value(8).toLongLong());
        if (!query.value(9).isNull())
            r.held = Moment(query.value(9).toLongLong());
        r.scanTime = Moment(query.value(10).toLongLong());
        r.which = query.value(11).toInt();
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<RoundRow> RecordFile::rounds(std::int64_t session)
{
    std::vector<RoundRow> out;
    if (!open())
        return out;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare("SELECT round, player_score, opponent_score, match_over FROM rounds WHERE session = ? ORDER BY rowid");
    query.addBindValue(qint64(session));
    query.exec();
    while (query.next()) {
        RoundRow r;
        r.round = query.value(0).toInt();
        r.playerScore = query.value(1).toInt();
        r.opponentScore = query.value(2).toInt();
        r.matchOver = query.value(3).toBool();
        out.push_back(r);
    }
    return out;
}

int RecordFile::forget(const std::string &player)
{
    if (!open())
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QString name = QString::fromStdString(player);
    const QString ofPlayer = "(SELECT id FROM sessions WHERE player = ?)";
    QSqlQuery count(db);
    count.prepare("SELECT COUNT(*) FROM sessions WHERE player = ?");
    count.addBindValue(name);
    const int sessions = count.exec() && count.next() ? count.value(0).toInt() : 0;
    db.transaction();
    bool ok = true;
    for (const QString &statement : { "DELETE FROM rows WHERE session IN " + ofPlayer,
             "DELETE FROM rounds WHERE session IN " + ofPlayer,
             QString("DELETE FROM sessions WHERE player = ?") }) {
        QSqlQuery query(db);
        query.prepare(statement);
        query.addBindValue(name);
        ok = ok && query.exec();
        if (!ok)
            problem_ = "cannot delete from " + path_.toStdString() + " (" + query.lastError().text().toStdString() + ")";
    }
    if (!ok || !db.commit()) {
        db.rollback();
        return -1;
    }
    QSqlQuery(db).exec("VACUUM"); // the deleted rows leave no trace in the file
    return sessions;
}

} // namespace wildcrest

#include "record/store/recordcsv.h"

#include <fstream>

namespace wildcrest
{

std::string exportCsv(RecordFile &file, const std::vector<SessionInfo> &sessions, const std::string &csv)
{
    std::ofstream out(csv, std::ios::binary | std::ios::trunc);
    if (!out)
        return "cannot write " + csv;
    writeCsvHeader(out);
    for (const SessionInfo &session : sessions)
        for (const StoredRow &row : file.rows(session.id))
            writeCsvLine(out, session.player, session.id, row.at, row.row);
    out.close();
    if (!out)
        return "cannot write " + csv;
    return {};
}

} // namespace wildcrest
