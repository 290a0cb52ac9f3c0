// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/matchrecord.h"
#include "app/qt/recordreport.h"
#include "cards/random.h"
#include "player/scanroom.h"
#include "record/recordfigures.h"
#include "record/store/recordcsv.h"
#include "settings/speeds.h"
#include "switchuser.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineSeries>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

using namespace wildcrest;
using namespace wildcrest::simulation;
using namespace std::chrono_literals;

namespace
{

// Passes every row on to the store and keeps a copy.
struct Copying : RecordSink {
    RecordSink *to;
    std::vector<RecordRow> rows;
    void row(const RecordRow &r) override
    {
        rows.push_back(r);
        to->row(r);
    }
    void round(const RoundRow &r) override
    {
        to->round(r);
    }
};

// One whole match on the headless view's clock, a switch user pressing at random
// moments; `wire` is given the game and the room before it starts, and runs it.
template <typename Wire> void playMatch(const Settings &settings, Wire wire)
{
    HeadlessView view;
    view.setTimeLimit(24h);
    ClockFoldedRandom random(7);
    ScanRoom scan(view, settings);
    GameForm game(view, random, scan);
    std::mt19937_64 rng(3);
    SwitchUser user(view, game, [&](const Situation &s) -> std::optional<Moment> {
        if (s.wait == Wait::Other || ((s.wait == Wait::Offer || s.wait == Wait::Suit) && rng() % 3))
            return std::nullopt;
        return std::min(Moment(200ms + Moment(rng() % 900'000)), s.deadline - s.now - 1us);
    });
    game.onTurnEnd([&](const GameForm &g) {
        user.turnEnded();
        if (g.reset == kTrue && g.match.gamecount == 1)
            view.closeAt(view.now());
    });
    wire(game, scan, [&] {
        try {
            game.load();
            game.activate();
        } catch (const GameEnded &) {
        }
    });
}

std::vector<RecordRow> rowsOf(RecordFile &file, std::int64_t session)
{
    std::vector<RecordRow> rows;
    for (const StoredRow &s : file.rows(session))
        rows.push_back(s.row);
    return rows;
}

bool sameRow(const RecordRow &a, const RecordRow &b)
{
    return a.kind == b.kind && a.when == b.when && a.outcome == b.outcome && a.offer == b.offer && a.item == b.item && a.place == b.place && a.pass == b.pass
        && a.reaction == b.reaction && a.held == b.held && a.scanTime == b.scanTime && a.which == b.which;
}

} // namespace

TEST(Record, AMatchWithTheRecordOffWritesNothingAndWithItOnASessionWithItsRounds)
{
    QTemporaryDir data;
    const QString path = data.path() + "/wildcrest/record.sqlite";
    std::ostringstream said;
    Settings settings;
    for (bool on : { false, true }) {
        settings.record = on;
        playMatch(settings, [&](GameForm &game, ScanRoom &scan, auto run) {
            MatchRecord record(path, game, said);
            record.keep(scan, settings, "Sam");
            run();
        });
        if (!on) {
            EXPECT_TRUE(QDir(data.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        }
    }
    RecordFile file(path);
    const std::vector<SessionInfo> sessions = file.sessions("Sam");
    ASSERT_EQ(sessions.size(), 1u);
    EXPECT_TRUE(sessions[0].ended);
    EXPECT_NE(sessions[0].settings.find("record=on\n"), std::string::npos);
    const std::vector<RoundRow> rounds = file.rounds(sessions[0].id);
    ASSERT_FALSE(rounds.empty());
    EXPECT_TRUE(rounds.back().matchOver);
    EXPECT_GT(figuresOf(rowsOf(file, sessions[0].id)).taken, 5u);
    EXPECT_EQ(said.str(), "");
    // How a person uses their switch is theirs alone to read.
    const QDir folder(data.path() + "/wildcrest");
    for (const QString &name : folder.entryList(QDir::Files))
        EXPECT_FALSE(QFileInfo(folder, name).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) << name.toStdString();
}

TEST(Record, RowsReadBackAsWrittenGiveTheSameFiguresAndCsv)
{
    QTemporaryDir data;
    const QString path = data.path() + "/record.sqlite";
    Copying copy;
    {
        RecordStore store(path);
        std::unique_ptr<RecordSession> session = store.startSession("", "scan-time=2\n");
        copy.to = session.get();
        playMatch(Settings {}, [&](GameForm &, ScanRoom &scan, auto run) {
            scan.record.sendTo(&copy);
            run();
            scan.record.flush(scan.view().now());
        });
    }
    RecordFile file(path);
    const std::vector<SessionInfo> sessions = file.sessions("");
    ASSERT_EQ(sessions.size(), 1u);
    const std::vector<RecordRow> back = rowsOf(file, sessions[0].id);
    ASSERT_EQ(back.size(), copy.rows.size());
    for (std::size_t i = 0; i < back.size(); ++i)
        EXPECT_TRUE(sameRow(back[i], copy.rows[i])) << "row " << i << ": " << back[i].item;
    const SessionFigures written = figuresOf(copy.rows), read = figuresOf(back);
    EXPECT_GT(written.taken, 5u);
    EXPECT_EQ(read.taken, written.taken);
    EXPECT_EQ(read.late, written.late);
    EXPECT_EQ(read.noPressPasses, written.noPressPasses);
    EXPECT_EQ(read.suggestedScanTime, written.suggestedScanTime);

    const std::string csv = data.path().toStdString() + "/record.csv";
    ASSERT_EQ(exportCsv(file, sessions, csv), "");
    std::ifstream lines(csv);
    std::size_t count = 0, taken = 0;
    for (std::string line; std::getline(lines, line); ++count)
        taken += line.find(",press,taken,card,") != std::string::npos;
    EXPECT_EQ(count, back.size() + 1);
    EXPECT_EQ(taken, std::size_t(std::count_if(back.begin(), back.end(), [](const RecordRow &r) {
        return r.kind == RowKind::Press && r.outcome == Outcome::Taken && r.offer == OfferKind::Card;
    })));
    EXPECT_EQ(csvField("eight, \"named\" clubs"), "\"eight, \"\"named\"\" clubs\"");
    EXPECT_EQ(
        exportCsv(file, sessions, data.path().toStdString() + "/no/such/folder.csv"), "cannot write " + data.path().toStdString() + "/no/such/folder.csv");

    // Forgotten, the player has no sessions left.
    EXPECT_EQ(file.forget(""), 1);
    EXPECT_TRUE(file.sessions("").empty());
    EXPECT_TRUE(file.rows(sessions[0].id).empty());
}

// The child of the next test: writes a row every 20 ms, each naming when it was queued, until killed.
int writeUntilKilled(const QString &path)
{
    RecordStore store(path);
    std::unique_ptr<RecordSession> session = store.startSession("", "");
    for (int i = 0;; ++i) {
        RecordRow row;
        row.when = Moment(i * 20'000);
        row.item = std::to_string(i) + "@" + std::to_string(wallMs());
        session->row(row);
        std::this_thread::sleep_for(20ms);
    }
}

TEST(Record, AKilledGameLosesAtMostTheLastSecondAndTheNextRunAppendsASession)
{
    QTemporaryDir data;
    const QString path = data.path() + "/record.sqlite";
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { "--write-until-killed=" + path });
    ASSERT_TRUE(child.waitForStarted());
    std::this_thread::sleep_for(2500ms);
    const std::int64_t killed = wallMs();
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();

    RecordFile file(path);
    const std::vector<StoredRow> rows = file.rows(file.sessions("").at(0).id);
    ASSERT_FALSE(rows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].row.item.substr(0, rows[i].row.item.find('@')), std::to_string(i));
    const std::string &last = rows.back().row.item;
    EXPECT_GE(std::stoll(last.substr(last.find('@') + 1)), killed - 1000);
    {
        RecordStore again(path);
        again.startSession("", "");
    }
    EXPECT_EQ(file.sessions("").size(), 2u);
}

TEST(Record, AFileNotARecordIsMovedAsideAndAFolderNotWritableIsSaidOnce)
{
    QTemporaryDir data;
    const QString path = data.path() + "/record.sqlite";
    std::string random(4096, '\0');
    std::mt19937 bytes(5);
    for (char &c : random)
        c = char(bytes());
    std::ofstream(path.toStdString(), std::ios::binary) << random;
    std::ostringstream said;
    {
        RecordStore store(path, said);
        store.startSession("Sam", "");
    }
    const QStringList aside = QDir(data.path()).entryList({ "record.sqlite.damaged-*" });
    ASSERT_EQ(aside.size(), 1);
    QFile moved(data.path() + "/" + aside[0]);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll().toStdString(), random);
    const std::string message = said.str();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find(path.toStdString() + " "), std::string::npos) << message;
    EXPECT_NE(message.find(aside[0].toStdString()), std::string::npos) << message;
    EXPECT_EQ(RecordFile(path).sessions("Sam").size(), 1u);

    said.str("");
    const QString blocked = data.path() + "/a-file/record.sqlite";
    std::ofstream(data.path().toStdString() + "/a-file") << "not a folder";
    {
        RecordStore store(blocked, said);
        std::unique_ptr<RecordSession> session = store.startSession("", "");
        store.flush();
        session->row(RecordRow {});
    }
    EXPECT_EQ(said.str(),
        "wildcrest: cannot make the folder " + data.path().toStdString() + "/a-file for the record " + blocked.toStdString()
            + "; the game goes on without keeping its record\n");
}

TEST(Record, TheReportDrawsEachSessionOfThePlayerAndSavesAPdf)
{
    QTemporaryDir data;
    const QString path = data.path() + "/record.sqlite";
    std::vector<RecordRow> all;
    {
        RecordStore store(path);
        for (int s = 0; s < 3; ++s) {
            std::unique_ptr<RecordSession> session = store.startSession("Sam", "");
            RecordRow offer;
            offer.scanTime = 2s;
            session->row(offer);
            all.push_back(offer);
            for (int i = 0; i < 12; ++i) {
                RecordRow row;
                row.kind = RowKind::Press;
                row.outcome = i % 4 ? Outcome::Taken : Outcome::Late;
                row.offer = OfferKind::Card;
                row.when = Moment(i * 3s);
                row.reaction = Moment(500ms + s * 100ms + i * 10ms);
                row.scanTime = 2s;
                session->row(row);
                all.push_back(row);
            }
        }
        store.startSession("Alex", "");
        store.startSession("Sam", ""); // opened and closed: nothing taken
    }
    RecordReport report(path, "Sam");
    EXPECT_EQ(report.sessionCount(), 4u);
    // The empty session has no point on the shares (no 0 % of nothing), and the
    // fatigue curve shown first is of the last session with presses.
    std::vector<qsizetype> latePoints;
    for (const QChartView *view : report.findChildren<QChartView *>())
        for (const QAbstractSeries *series : view->chart()->series())
            if (series->name() == "Late")
                latePoints.push_back(static_cast<const QLineSeries *>(series)->count());
    EXPECT_EQ(latePoints, std::vector<qsizetype> { 3 });
    std::vector<int> chosen;
    for (const QComboBox *box : report.findChildren<QComboBox *>())
        if (box->count() == 4)
            chosen.push_back(box->currentIndex());
    EXPECT_EQ(chosen, std::vector<int> { 2 });
    const SessionFigures whole = figuresOf(all);
    EXPECT_EQ(report.suggestionText().toStdString(),
        "Suggested scan time: " + QString::number(double(whole.suggestedScanTime->count()) / 1e6, 'f', 2).toStdString()
            + " s (mean reaction / 0.65, from 27 presses); in force: 2.00 s");
    const QString pdf = data.path() + "/report.pdf";
    ASSERT_EQ(report.savePdf(pdf), "");
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

int main(int argc, char *argv[])
{
    if (argc == 2 && QString(argv[1]).startsWith("--write-until-killed=")) {
        QCoreApplication app(argc, argv);
        return writeUntilKilled(QString(argv[1]).section('=', 1));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
