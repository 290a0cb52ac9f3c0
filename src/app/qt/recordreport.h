// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordfigures.h"
#include "record/store/recordstore.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>
#include <string>
#include <span>
#include <vector>

class QChart;
class QComboBox;
class QDateEdit;
class QLabel;

namespace wildcrest
{

// The therapist's report on the record at `path`: for a player and a range of
// dates, the reaction time of each session (its mean with one standard
// deviation either side) and its coefficient of variation; each session's
// late presses, passes with no press and ignored presses against the 25 %
// line; the fatigue curve of one session; and the scan time the record
// suggests beside the one in force. Exported as CSV, or saved as a PDF.
//
//     RecordReport report(recordFilePath(), "Sam");
//     report.show();
class RecordReport : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(RecordReport)

public:
    RecordReport(const QString &path, const std::string &player, QWidget *parent = nullptr);
    ~RecordReport() override;

    // Draws the plots and figures on pages of a PDF; returns what went wrong, or "".
    std::string savePdf(const QString &file);
    // The line of the suggested scan time, as shown.
    QString suggestionText() const;
    std::size_t sessionCount() const
    {
        return sessions_.size();
    }

private:
    void choosePlayer(const std::string &player);
    // Reads the player's sessions in the date range and draws them.
    void reload();
    void drawSessions();
    void drawFatigue();
    void exportCsv();
    void savePdfAsked();

    RecordFile file_;
    std::string player_;
    std::vector<SessionInfo> sessions_;
    std::vector<RecordRow> rows_; // of every session shown, one after another
    std::vector<std::size_t> starts_; // where each session's rows start in rows_, and their end
    std::span<const RecordRow> sessionRows(std::size_t session) const;
    QComboBox *players_;
    QDateEdit *from_;
    QDateEdit *to_;
    QComboBox *session_;
    QWidget *page_; // what the PDF shows
    QLabel *heading_;
    QChart *reaction_;
    QChart *variation_;
    QChart *errors_;
    QChart *fatigue_;
    QLabel *suggestion_;
};

} // namespace wildcrest
