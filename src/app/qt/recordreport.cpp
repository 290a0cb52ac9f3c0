// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/recordreport.h"
#include "app/qt/playerrow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace wildcrest
{

namespace
{

    QChartView *chartView(QChart *chart, QWidget *parent)
    {
        chart->legend()->setAlignment(Qt::AlignBottom);
        auto *view = new QChartView(chart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(420, 260);
        return view;
    }

    QLineSeries *line(const QString &name, const std::vector<QPointF> &points)
    {
        auto *series = new QLineSeries;
        series->setName(name);
        for (const QPointF &p : points)
            series->append(p);
        series->setPointsVisible(true);
        return series;
    }

    // Axes from 0 to a round value above the highest, sessions numbered from 1.
    void setAxes(QChart *chart, const QString &x, double xHigh, const QString &y, double yHigh, bool wholeX)
    {
        for (QAbstractAxis *axis : chart->axes())
            chart->removeAxis(axis);
        auto *across = new QValueAxis;
        across->setTitleText(x);
        across->setRange(wholeX ? 0.5 : 0, std::max(xHigh + (wholeX ? 0.5 : 0), wholeX ? 1.5 : 1.0));
        if (wholeX) {
            across->setLabelFormat("%d");
            across->setTickType(QValueAxis::TicksDynamic);
            across->setTickAnchor(1);
            across->setTickInterval(std::max(1.0, std::ceil(xHigh / 10)));
        }
        auto *up = new QValueAxis;
        up->setTitleText(y);
        up->setRange(0, yHigh > 0 ? yHigh * 1.1 : 1);
        up->applyNiceNumbers(); // ticks at round values: 0, 500, 1000 ms rather than 369.9
        chart->addAxis(across, Qt::AlignBottom);
        chart->addAxis(up, Qt::AlignLeft);
        for (QAbstractSeries *series : chart->series()) {
            series->attachAxis(across);
            series->attachAxis(up);
        }
    }

    QString seconds(Moment m)
    {
        return QString::number(double(m.count()) / 1e6, 'f', 2);
    }

    QDateTime dateOf(std::int64_t ms)
    {
        return QDateTime::fromMSecsSinceEpoch(ms);
    }

} // namespace

RecordReport::RecordReport(const QString &path, const std::string &player, QWidget *parent)
    : QWidget(parent)
    , file_(path)
    , player_(player)
    , players_(new QComboBox(this))
    , from_(new QDateEdit(this))
    , to_(new QDateEdit(this))
    , session_(new QComboBox(this))
    , page_(new QWidget(this))
    , heading_(new QLabel(page_))
    , reaction_(new QChart)
    , variation_(new QChart)
    , errors_(new QChart)
    , fatigue_(new QChart)
    , suggestion_(new QLabel(page_))
{
    setWindowTitle(tr("Wildcrest: record of switch use"));
    reaction_->setTitle(tr("Reaction time per session: mean and ±1 SD"));
    variation_->setTitle(tr("Coefficient of variation per session"));
    errors_->setTitle(tr("Late presses, passes with no press, ignored presses"));
    fatigue_->setTitle(tr("Fatigue curve: rolling median reaction in the session"));

    std::vector<std::string> names = file_.players();
    if (std::find(names.begin(), names.end(), player) == names.end())
        names.insert(names.begin(), player);
    for (const std::string &name : names)
        players_->addItem(playerLabel(name), QString::fromStdString(name));
    players_->setCurrentIndex(int(std::find(names.begin(), names.end(), player) - names.begin()));

    const std::vector<SessionInfo> all = file_.sessions(player);
    const QDate today = QDate::currentDate();
    from_->setCalendarPopup(true);
    to_->setCalendarPopup(true);
    from_->setDate(all.empty() ? today.addDays(-30) : dateOf(all.front().started).date());
    to_->setDate(today);

    auto *choices = new QHBoxLayout;
    const auto labelled = [&](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        choices->addWidget(label);
        choices->addWidget(field);
    };
    labelled(tr("&Player:"), players_);
    labelled(tr("&From:"), from_);
    labelled(tr("&To:"), to_);
    labelled(tr("&Session:"), session_);
    choices->addStretch(1);

    heading_->setWordWrap(true);
    suggestion_->setObjectName("suggestion");
    suggestion_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bigger = suggestion_->font();
    bigger.setBold(true);
    suggestion_->setFont(bigger);
    auto *plots = new QGridLayout;
    plots->addWidget(chartView(reaction_, page_), 0, 0);
    plots->addWidget(chartView(variation_, page_), 0, 1);
    plots->addWidget(chartView(errors_, page_), 1, 0);
    plots->addWidget(chartView(fatigue_, page_), 1, 1);
    auto *pageLayout = new QVBoxLayout(page_);
    pageLayout->addWidget(heading_);
    pageLayout->addLayout(plots, 1);
    pageLayout->addWidget(suggestion_);

    auto *exportButton = new QPushButton(tr("Export &CSV…"), this);
    auto *pdfButton = new QPushButton(tr("Save as P&DF…"), this);
    auto *closeButton = new QPushButton(tr("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(page_, 1);
    layout->addLayout(buttons);

    connect(players_, &QComboBox::currentIndexChanged, this, [this] { choosePlayer(players_->currentData().toString().toStdString()); });
    connect(from_, &QDateEdit::dateChanged, this, [this] { reload(); });
    connect(to_, &QDateEdit::dateChanged, this, [this] { reload(); });
    connect(session_, &QComboBox::currentIndexChanged, this, [this] { drawFatigue(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { savePdfAsked(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    reload();
    // Within the screen, leaving room for the window's frame: on 1024 x 768 the
    // buttons at the foot stay in sight.
    const QSize room = screen()->availableGeometry().size() * 0.9;
    resize(QSize(1100, 800).boundedTo(room).expandedTo(minimumSizeHint()));
}

RecordReport::~RecordReport() = default;

void RecordReport::choosePlayer(const std::string &player)
{
    player_ = player;
    reload();
}

void RecordReport::reload()
{
    const std::int64_t from = QDateTime(from_->date(), QTime(0, 0)).toMSecsSinceEpoch();
    const std::int64_t to = QDateTime(to_->date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch() - 1;
    sessions_ = file_.sessions(player_, from, to);
    rows_.clear();
    starts_.assign(1, 0);
    for (const SessionInfo &session : sessions_) {
        for (StoredRow &stored : file_.rows(session.id, false))
            rows_.push_back(std::move(stored.row));
        starts_.push_back(rows_.size());
    }
    drawSessions();
    const QSignalBlocker quiet(session_);
    session_->clear();
    for (std::size_t i = 0; i < sessions_.size(); ++i)
        session_->addItem(tr("%1: %2").arg(i + 1).arg(QLocale().toString(dateOf(sessions_[i].started), QLocale::ShortFormat)));
    // The last session the player took something in: one only opened and closed has no curve.
    int last = int(sessions_.size()) - 1;
    for (int i = last; i >= 0; --i)
        if (figuresOf(sessionRows(std::size_t(i))).taken > 0) {
            last = i;
            break;
        }
    session_->setCurrentIndex(last);
    drawFatigue();
}

void RecordReport::drawSessions()
{
    std::vector<QPointF> mean, low, high, variation, late, noPress, ignored;
    double highest = 0, highestShare = 0, highestVariation = 0;
    for (std::size_t i = 0; i < sessions_.size(); ++i) {
        const SessionFigures f = figuresOf(sessionRows(i));
        // A session with no right selection has no mean and no share of them: no point, not a 0.
        if (f.taken == 0)
            continue;
        const double x = double(i + 1);
        late.emplace_back(x, 100 * f.lateShare);
        noPress.emplace_back(x, 100 * f.noPressShare);
        ignored.emplace_back(x, 100 * f.ignoredShare);
        highestShare = std::max({ highestShare, 100 * f.lateShare, 100 * f.noPressShare, 100 * f.ignoredShare });
        mean.emplace_back(x, f.meanReactionMs);
        low.emplace_back(x, std::max(0.0, f.meanReactionMs - f.sdReactionMs));
        high.emplace_back(x, f.meanReactionMs + f.sdReactionMs);
        variation.emplace_back(x, f.variation);
        highest = std::max(highest, f.meanReactionMs + f.sdReactionMs);
        highestVariation = std::max(highestVariation, f.variation);
    }
    const double sessions = double(sessions_.size());

    reaction_->removeAllSeries();
    // An error bar for each session: from one standard deviation below the mean to one above.
    const QColor barColour(70, 130, 180);
    for (std::size_t i = 0; i < low.size(); ++i) {
        QLineSeries *bar = line(tr("±1 SD"), { low[i], high[i] });
        bar->setColor(barColour);
        bar->setPointsVisible(false);
        bar->setPen(QPen(barColour, 2));
        reaction_->addSeries(bar);
        for (QLegendMarker *marker : reaction_->legend()->markers(bar))
            marker->setVisible(i == 0);
    }
    QLineSeries *means = line(tr("Mean reaction (ms)"), mean);
    means->setColor(QColor(200, 80, 30));
    means->setMarkerSize(9);
    reaction_->addSeries(means);
    setAxes(reaction_, tr("Session"), sessions, tr("ms"), highest, true);

    variation_->removeAllSeries();
    variation_->addSeries(line(tr("SD / mean"), variation));
    setAxes(variation_, tr("Session"), sessions, tr("Coefficient of variation"), highestVariation, true);

    errors_->removeAllSeries();
    errors_->addSeries(line(tr("Late"), late));
    errors_->addSeries(line(tr("Passes with no press"), noPress));
    errors_->addSeries(line(tr("Ignored"), ignored));
    QLineSeries *limit =
        line(tr("%1 % of right selections").arg(100 * kErrorLine), { { 0.5, 100 * kErrorLine }, { std::max(1.5, sessions + 0.5), 100 * kErrorLine } });
    limit->setPointsVisible(false);
    QPen dashed(Qt::red, 1.5, Qt::DashLine);
    limit->setPen(dashed);
    errors_->addSeries(limit);
    setAxes(errors_, tr("Session"), sessions, tr("% of right selections"), std::max(highestShare, 100 * kErrorLine), true);

    const SessionFigures whole = figuresOf(rows_);
    const QString inForce = whole.scanTime.count() ? tr("%1 s").arg(seconds(whole.scanTime)) : tr("not known");
    suggestion_->setText(whole.suggestedScanTime ? tr("Suggested scan time: %1 s (mean reaction / %2, from %3 presses); in force: %4")
                                                       .arg(seconds(*whole.suggestedScanTime))
                                                       .arg(kScanRule)
                                                       .arg(whole.taken)
                                                       .arg(inForce)
                                                 : tr("Suggested scan time: none yet (no offer taken in time by a press); in force: %1").arg(inForce));
    heading_->setText(tr("%1, from %2 to %3: sessions %4; presses taken in time %5")
                          .arg(playerLabel(player_))
                          .arg(QLocale().toString(from_->date(), QLocale::ShortFormat))
                          .arg(QLocale().toString(to_->date(), QLocale::ShortFormat))
                          .arg(sessions_.size())
                          .arg(whole.taken));
}

std::span<const RecordRow> RecordReport::sessionRows(std::size_t session) const
{
    return std::span<const RecordRow>(rows_).subspan(starts_[session], starts_[session + 1] - starts_[session]);
}

void RecordReport::drawFatigue()
{
    fatigue_->removeAllSeries();
    const int chosen = session_->currentIndex();
    std::vector<QPointF> points;
    double highest = 0, longest = 0;
    const std::span<const RecordRow> rows = chosen >= 0 && chosen < int(sessions_.size()) ? sessionRows(chosen) : std::span<const RecordRow> {};
    if (!rows.empty()) {
        const Moment start = rows.front().when;
        for (const auto &[when, median] : fatigueCurve(rows)) {
            const double minutes = double((when - start).count()) / 60e6;
            const double ms = double(median.count()) / 1000;
            points.emplace_back(minutes, ms);
            highest = std::max(highest, ms);
            longest = std::max(longest, minutes);
        }
    }
    fatigue_->addSeries(line(tr("Rolling median of 10 (ms)"), points));
    setAxes(fatigue_, tr("Minutes into the session"), longest, tr("ms"), highest, false);
}

void RecordReport::exportCsv()
{
    const QString name =
        QFileDialog::getSaveFileName(this, tr("Export the record as CSV"), QDir::homePath() + "/wildcrest-record.csv", tr("CSV files (*.csv)"));
    if (name.isEmpty())
        return;
    if (const std::string error = wildcrest::exportCsv(file_, sessions_, name.toStdString()); !error.empty())
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
}

void RecordReport::savePdfAsked()
{
    const QString name = QFileDialog::getSaveFileName(this, tr("Save the report as PDF"), QDir::homePath() + "/wildcrest-record.pdf", tr("PDF files (*.pdf)"));
    if (name.isEmpty())
        return;
    if (const std::string error = savePdf(name); !error.empty())
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
}

std::string RecordReport::savePdf(const QString &file)
{
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    pdf.setTitle(windowTitle());
    pdf.setCreator("Wildcrest");
    QPainter painter;
    if (!painter.begin(&pdf))
        return tr("Cannot write %1").arg(file).toStdString();
    const QRect room = painter.viewport();
    const QSize size = page_->size();
    const double scale = std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
    painter.scale(scale, scale);
    page_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return {};
}

QString RecordReport::suggestionText() const
{
    return suggestion_->text();
}

} // namespace wildcrest
