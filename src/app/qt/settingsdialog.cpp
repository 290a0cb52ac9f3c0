#include "app/qt/settingsdialog.h"

#include "app/qt/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wildcrest
{

namespace
{

    QString helpOf(const std::string &name)
    {
        for (const OptionInfo &option : optionTable())
            if (option.name == name) {
                QString help = QString::fromStdString(option.help);
                help[0] = help[0].toUpper();
                return help + ".";
            }
        return {};
    }

    QSpinBox *milliseconds(QWidget *parent)
    {
        auto *box = new QSpinBox(parent);
        box->setRange(0, 2000);
        box->setSingleStep(50);
        box->setSuffix(" ms");
        return box;
    }

} // namespace

SettingsDialog::SettingsDialog(QString path, QWidget *parent)
    : QDialog(parent)
    , path_(std::move(path))
{
    setWindowTitle("Wildcrest settings");

    scanTime_ = new QDoubleSpinBox(this);
    scanTime_->setRange(0.5, 10);
    scanTime_->setDecimals(2);
    scanTime_->setSingleStep(0.25);
    scanTime_->setSuffix(" s");
    adaptive_ = new QCheckBox("Learn it from the player's presses", this);
    mouseSwitch_ = new QCheckBox("A left click is the switch", this);
    debounce_ = milliseconds(this);
    acceptance_ = milliseconds(this);
    pauseOnFirstOffer_ = new QCheckBox("Twice as long", this);
    highlight_ = new QComboBox(this);
    highlight_->addItem("Lifted", "lift");
    highlight_->addItem("Lifted and framed", "lift+frame");
    soundCue_ = new QCheckBox("A short sound", this);
    speech_ = new QCheckBox("Speak offers, plays and results", this);
    scale_ = new QComboBox(this);
    for (double scale : kTableScales)
        scale_->addItem(QString::fromStdString(scaleText(scale)) + " \u00D7", QString::fromStdString(scaleText(scale)));
    scale_->addItem("As large as the screen allows", "fit");
    cardStyle_ = new QComboBox(this);
    cardStyle_->addItem("Standard", "standard");
    cardStyle_->addItem("Large rank and suit in the corners", "large-index");
    fourColour_ = new QCheckBox("Four colours: diamonds blue, clubs green", this);
    contrast_ = new QComboBox(this);
    contrast_->addItem("Standard", "standard");
    contrast_->addItem("High: dark table, light text", "high");
    connect(adaptive_, &QCheckBox::toggled, scanTime_, &QWidget::setDisabled);

    auto *form = new QFormLayout;
    const auto row = [&](const QString &label, const std::string &option, QWidget *field) {
        const QString help = helpOf(option);
        field->setToolTip(help);
        field->setWhatsThis(help);
        auto *title = new QLabel(label, this);
        title->setBuddy(field);
        title->setToolTip(help);
        form->addRow(title, field);
    };
    row("&Scan time:", "scan-time", scanTime_);
    row("", "scan-time", adaptive_);
    row("&Mouse:", "mouse-switch", mouseSwitch_);
    row("&Debounce:", "debounce", debounce_);
    row("&Acceptance time:", "acceptance", acceptance_);
    row("&First offer:", "pause-on-first-offer", pauseOnFirstOffer_);
    row("&Highlight:", "highlight", highlight_);
    row("S&ound at each offer:", "sound-cue", soundCue_);
    row("S&peech:", "speech", speech_);
    row("Table si&ze:", "scale", scale_);
    row("&Cards:", "card-style", cardStyle_);
    row("", "four-colour", fourColour_);
    row("Co&ntrast:", "contrast", contrast_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *where = new QLabel("For the player, saved in " + path_.toHtmlEscaped() + ". Options given on the command line win over these.", this);
    where->setWordWrap(true);
    layout->addWidget(where);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setSettings(Settings {});
}

void SettingsDialog::setSettings(const Settings &s)
{
    scanTime_->setValue(std::chrono::duration<double>(s.scanTime).count());
    adaptive_->setChecked(s.adaptiveScan);
    scanTime_->setDisabled(s.adaptiveScan);
    mouseSwitch_->setChecked(s.mouseSwitch);
    debounce_->setValue(int(s.debounce.count()));
    acceptance_->setValue(int(s.acceptance.count()));
    pauseOnFirstOffer_->setChecked(s.pauseOnFirstOffer);
    highlight_->setCurrentIndex(s.highlight == Highlight::LiftAndFrame ? 1 : 0);
    soundCue_->setChecked(s.soundCue);
    speech_->setChecked(s.speech);
    scale_->setCurrentIndex(scale_->findData(QString::fromStdString(settingText(s, "scale"))));
    cardStyle_->setCurrentIndex(cardStyle_->findData(QString::fromStdString(settingText(s, "card-style"))));
    fourColour_->setChecked(s.look.fourColour);
    contrast_->setCurrentIndex(contrast_->findData(QString::fromStdString(settingText(s, "contrast"))));
}

Settings SettingsDialog::settings() const
{
    Settings s;
    s.scanTime = std::chrono::milliseconds(std::lround(scanTime_->value() * 1000));
    s.adaptiveScan = adaptive_->isChecked();
    s.mouseSwitch = mouseSwitch_->isChecked();
    s.debounce = std::chrono::milliseconds(debounce_->value());
    s.acceptance = std::chrono::milliseconds(acceptance_->value());
    s.pauseOnFirstOffer = pauseOnFirstOffer_->isChecked();
    s.highlight = highlight_->currentIndex() == 1 ? Highlight::LiftAndFrame : Highlight::Lift;
    s.soundCue = soundCue_->isChecked();
    s.speech = speech_->isChecked();
    // The lists hold only values the options take.
    for (const auto &[name, box] : { std::pair { "scale", scale_ }, std::pair { "card-style", cardStyle_ }, std::pair { "contrast", contrast_ } })
        applySetting(s, name, box->currentData().toString().toStdString());
    s.look.fourColour = fourColour_->isChecked();
    return s;
}

std::string SettingsDialog::save() const
{
    return writeSettingsFile(path_, settings());
}

void SettingsDialog::accept()
{
    const std::string error = save();
    if (!error.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
        return; // stays open: the settings are not lost
    }
    QDialog::accept();
}

} // namespace wildcrest
