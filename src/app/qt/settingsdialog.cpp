// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/settingsdialog.h"
#include "app/options.h"

#include "app/qt/optionfields.h"
#include "app/qt/playerrow.h"
#include "app/qt/players.h"
#include "app/qt/recordreport.h"
#include "app/qt/settingsfile.h"
#include "app/qt/switchtryout.h"
#include "language/qt/qtwording.h"
#include "table/look.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace wildcrest
{

namespace
{

    // The file as it stands now; none when it is not there (or not readable).
    std::optional<QByteArray> fileContents(const QString &path)
    {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.read(kMaxSettingsFileBytes + 1);
    }

    // The option's help as a tooltip: a sentence in the dialog's language.
    QString tooltipOf(const OptionInfo &option)
    {
        QString help = QString::fromStdString(optionHelp(option, InstalledWording {}));
        help[0] = help[0].toUpper();
        return help + ".";
    }

    // What the try-out panel goes by.
    auto switchTuning(const Settings &s)
    {
        return std::tie(s.mouseSwitch, s.joystickSwitch, s.secondSwitch, s.debounce, s.acceptance);
    }

} // namespace

SettingsDialog::SettingsDialog(QString path, QWidget *parent)
    : QDialog(parent)
    , noNamePath_(std::move(path))
    , path_(noNamePath_)
    , players_(new PlayerRow(this))
    , where_(new QLabel(this))
    , onOpen_(fileContents(path_))
    , tryOut_(new SwitchTryOut(this))
    , scroll_(new QScrollArea(this))
    , form_(new QFormLayout(new QWidget))
    , problems_(new QLabel)
    , problemsArea_(new QScrollArea(this))
{
    addRows();
    addRecordNote();
    noteScreenRoom();
    scroll_->setWidget(form_->parentWidget());
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(players_);
    where_->setWordWrap(true);
    layout->addWidget(where_);
    problems_->setObjectName("problems");
    problems_->setWordWrap(true);
    problems_->setTextFormat(Qt::RichText);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problemsArea_->setWidget(problems_);
    problemsArea_->setWidgetResizable(true);
    problemsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    problemsArea_->hide();
    layout->addWidget(problemsArea_);
    layout->addWidget(tryOut_);
    layout->addWidget(scroll_, 1); // takes what the try-out's suggestion needs, so the buttons never move
    layout->addWidget(buttons);

    players_->list("");
    players_->onLeave([this] { return mayLeave(); });
    players_->onChosen([this](const std::string &name) { showPlayer(name); });
    players_->onRenamed([this](const std::string &) {
        path_ = playerFilePath(players_->chosen());
        namePlayer();
    });
    namePlayer();
    setSettings(Settings {});
    fitTheScreen();
    tryOut_->onUseSuggestion([this](std::chrono::milliseconds debounce) { fieldOf("debounce")->show(std::to_string(debounce.count())); });
    tryOut_->setFocus(); // ready for the player's switch when the dialog opens
}

SettingsDialog::~SettingsDialog() = default;

std::string SettingsDialog::choosePlayer(const std::string &name)
{
    if (const std::string problem = name.empty() ? "" : playerNameProblem(name); !problem.empty())
        return problem;
    players_->list(name);
    showPlayer(name);
    return {};
}

const std::string &SettingsDialog::player() const
{
    return players_->chosen();
}

void SettingsDialog::showPlayer(const std::string &name)
{
    path_ = name.empty() ? noNamePath_ : playerFilePath(name);
    onOpen_ = fileContents(path_);
    Settings settings;
    const std::vector<SettingsProblem> problems = readSettingsFile(path_, settings);
    namePlayer();
    setSettings(settings);
    showProblems(problems);
}

void SettingsDialog::namePlayer()
{
    setWindowTitle(tr("Wildcrest settings: %1").arg(playerLabel(player())));
    where_->setText(tr("For the player, saved in %1. Options given on the command line win over these.").arg(path_.toHtmlEscaped()));
}

bool SettingsDialog::mayLeave()
{
    if (!changed())
        return true;
    const QString question = tr("The settings shown have changes that are not saved: keep editing them, save them, or discard them?");
    switch (askSafely(this, windowTitle(), question, { tr("Keep editing"), tr("Save"), tr("Discard") })) {
    case 1:
        return saveChecked();
    case 2:
        return true;
    default:
        return false;
    }
}

void SettingsDialog::fitTheScreen()
{
    QWidget *page = scroll_->widget();
    const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
    scroll_->setMinimumWidth(page->sizeHint().width() + scrollBar);
    const int screenHeight = screen()->availableGeometry().height();
    if (!problemsArea_->isHidden()) {
        // Every problem in sight, wrapped to the dialog's width, unless they would take more than a quarter of the screen.
        const QMargins margins = layout()->contentsMargins();
        const int frame = 2 * problemsArea_->frameWidth();
        const int width = sizeHint().width() - margins.left() - margins.right() - frame - scrollBar;
        problemsArea_->setFixedHeight(std::min(problems_->heightForWidth(width) + frame, screenHeight / 4));
    }
    // The window manager's title bar and frame, which no one can ask for before the window is shown.
    constexpr int kWindowFrame = 48;
    const int wholeForm = sizeHint().height() - scroll_->sizeHint().height() + page->sizeHint().height();
    resize(sizeHint().width(), std::min(wholeForm, screenHeight - kWindowFrame));
}

void SettingsDialog::addRows()
{
    for (DialogGroup group : { DialogGroup::Play, DialogGroup::Look, DialogGroup::Language })
        for (const OptionInfo &option : optionTable())
            if (option.editor.group == group) {
                Row row { &option, makeOptionField(option, this) };
                row.field->addRows(*form_, tr(option.editor.label), tooltipOf(option));
                rows_.push_back(std::move(row));
            }
    for (const Row &row : rows_)
        row.field->onChange([this] { settingsChanged(); });
}

void SettingsDialog::addRecordNote()
{
    QWidget *box = editor("record");
    if (!box)
        return;
    recordNote_ = new QWidget(box->parentWidget());
    recordNote_->setObjectName("recordNote");
    auto *text = new QLabel(tr("Kept: every press of the switch and every offer, each with its time; the scores of the rounds; the settings in "
                               "force. Where: %1. It stays on this computer and is never sent anywhere. It can be deleted at any time, here or "
                               "with wildcrest --forget-record.")
                                .arg(recordFilePath().toHtmlEscaped()),
        recordNote_);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *report = new QPushButton(tr("&View the record…"), recordNote_);
    report->setObjectName("recordReport");
    auto *forget = new QPushButton(tr("Delete this player's record…"), recordNote_);
    forget->setObjectName("forgetRecord");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(report);
    buttons->addWidget(forget);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(recordNote_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    layout->addLayout(buttons);
    box->setAccessibleDescription(text->text());
    connect(report, &QPushButton::clicked, this, [this] {
        auto *window = new RecordReport(recordFilePath(), player(), this);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    connect(forget, &QPushButton::clicked, this, [this] { deleteRecord(); });
    int row = 0;
    QFormLayout::ItemRole role {};
    form_->getWidgetPosition(box, &row, &role);
    form_->insertRow(row + 1, static_cast<QWidget *>(nullptr), recordNote_);
}

void SettingsDialog::deleteRecord()
{
    const QString title = tr("Delete a record");
    const QString question = tr("Delete the record of switch use of %1 from this computer? It cannot be brought back.").arg(playerLabel(player()));
    if (askSafely(this, title, question, { tr("Keep"), tr("Delete") }) != 1)
        return;
    RecordFile file(recordFilePath());
    if (file.exists() && (file.forget(player()) < 0 || !file.problem().empty()))
        QMessageBox::warning(this, title, QString::fromStdString(file.problem()));
}

void SettingsDialog::noteScreenRoom()
{
    const QSize room = screen()->availableGeometry().size();
    const double largest = fitScale(room.width(), room.height());
    if (largest == *std::max_element(std::begin(kTableScales), std::end(kTableScales)))
        return;
    QWidget *sizes = editor("scale");
    auto *note = new QLabel(tr("On this screen: up to %1 ×").arg(QString::fromStdString(scaleText(largest))), sizes->parentWidget());
    note->setObjectName("screenRoom");
    sizes->setAccessibleDescription(note->text());
    int row = 0;
    QFormLayout::ItemRole role {};
    form_->getWidgetPosition(sizes, &row, &role);
    form_->insertRow(row + 1, static_cast<QWidget *>(nullptr), note);
}

void SettingsDialog::showProblems(const std::vector<SettingsProblem> &problems)
{
    problemsArea_->setVisible(!problems.empty());
    QString list;
    for (const SettingsProblem &problem : problems) {
        QString text = QString::fromStdString(problemText(problem, InstalledWording {}));
        text[0] = text[0].toUpper();
        list += "<li>" + text.toHtmlEscaped() + "</li>";
    }
    problems_->setText("<b>" + tr("Some of %1 could not be taken; the fields show what the game plays with instead:").arg(path_).toHtmlEscaped() + "</b><ul>"
        + list + "</ul>");
    fitTheScreen();
}

OptionField *SettingsDialog::fieldOf(const std::string &name) const
{
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const Row &row) { return row.option->name == name; });
    return it == rows_.end() ? nullptr : it->field.get();
}

QWidget *SettingsDialog::editor(const std::string &name) const
{
    OptionField *field = fieldOf(name);
    return field ? field->widget() : nullptr;
}

void SettingsDialog::settingsChanged()
{
    for (const Row &row : rows_)
        if (const std::string &by = row.option->editor.enabledBy; !by.empty())
            row.field->widget()->setEnabled(fieldOf(by)->text() != optionNamed(by)->editor.items.front().value);
    if (recordNote_)
        recordNote_->setVisible(fieldOf("record")->text() == "on");
    // The try-out follows what is on screen, saved or not; it starts afresh only when what it goes by changes.
    if (switchTuning(settings()) != switchTuning(tuned_))
        retuneTryOut();
}

void SettingsDialog::retuneTryOut()
{
    tuned_ = settings();
    tryOut_->retune(tuned_);
}

void SettingsDialog::setSettings(const Settings &s)
{
    for (const Row &row : rows_)
        row.field->show(row.option->write(s));
    settingsChanged();
    retuneTryOut();
    unchanged_ = fieldTexts();
}

std::vector<std::string> SettingsDialog::fieldTexts() const
{
    std::vector<std::string> texts;
    for (const Row &row : rows_)
        texts.push_back(row.field->text());
    return texts;
}

bool SettingsDialog::changed() const
{
    return fieldTexts() != unchanged_;
}

Settings SettingsDialog::settings() const
{
    Settings s;
    // Every field holds a text its option takes, but for a key not named yet, which accept() refuses.
    for (const Row &row : rows_)
        row.option->read(s, row.field->text());
    return s;
}

std::string SettingsDialog::save()
{
    // Someone else's change to the file is never lost without a word.
    const std::optional<QByteArray> now = fileContents(path_);
    if (now != onOpen_) {
        onOpen_ = now;
        return tr("The settings file %1 was changed by something else while this dialog was open. Save again to replace it with the settings shown "
                  "here, or Cancel to keep it as it is now.")
            .arg(path_)
            .toStdString();
    }
    std::string error = writeSettingsFile(path_, settings());
    if (error.empty()) {
        onOpen_ = fileContents(path_);
        unchanged_ = fieldTexts();
    }
    return error;
}

void SettingsDialog::accept()
{
    if (saveChecked())
        QDialog::accept();
}

bool SettingsDialog::saveChecked()
{
    for (const Row &row : rows_)
        if (const auto fault = row.field->fault()) {
            QMessageBox::warning(this, windowTitle(), fault->why);
            fault->where->setFocus();
            return false;
        }
    if (const std::string conflict = settingsConflict(settings()); !conflict.empty()) {
        QMessageBox::warning(this, windowTitle(), tr("Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning."));
        editor("scan-method")->setFocus();
        return false;
    }
    const std::string error = save();
    if (!error.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
        return false; // stays open: the settings are not lost
    }
    return true;
}

} // namespace wildcrest
