// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/settingsdialog.h"
#include "app/options.h"
#include "player/scanmethod.h"

#include "app/qt/settingsfile.h"
#include "app/qt/switchtryout.h"
#include "table/qt/keyname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace wildcrest
{

namespace
{

    QString helpOf(const std::string &name)
    {
        for (const OptionInfo &option : optionTable())
            if (option.name == name) {
                QString help = QCoreApplication::translate("Options", option.help.c_str());
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
        box->setSuffix(QCoreApplication::translate("SettingsDialog", " ms"));
        return box;
    }

} // namespace

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

} // namespace

SettingsDialog::SettingsDialog(QString path, QWidget *parent)
    : QDialog(parent)
    , path_(std::move(path))
    , onOpen_(fileContents(path_))
{
    setWindowTitle(tr("Wildcrest settings"));

    scanTime_ = new QDoubleSpinBox(this);
    scanTime_->setRange(0.5, 10);
    scanTime_->setDecimals(2);
    scanTime_->setSingleStep(0.25);
    scanTime_->setSuffix(tr(" s"));
    adaptive_ = new QCheckBox(tr("Learn it from the player's presses"), this);
    tryOut_ = new SwitchTryOut(this);
    mouseSwitch_ = new QCheckBox(tr("A left click is the switch"), this);
    joystickSwitch_ = new QCheckBox(tr("Any joystick or gamepad button is the switch"), this);
    secondSwitch_ = new QComboBox(this);
    // In the order of SecondSwitch::Kind.
    secondSwitch_->addItem(tr("None"));
    secondSwitch_->addItem(tr("Return or Enter"));
    secondSwitch_->addItem(tr("Right click"));
    secondSwitch_->addItem(tr("Joystick button"));
    secondSwitch_->addItem(tr("Key"));
    secondButton_ = new QSpinBox(this);
    secondButton_->setRange(0, 31);
    secondButton_->setAccessibleName(tr("Joystick button number"));
    secondKey_ = new QLineEdit(this);
    secondKey_->setPlaceholderText("F8");
    secondKey_->setAccessibleName(tr("Key name"));
    auto *second = new QWidget(this);
    auto *secondRow = new QHBoxLayout(second);
    secondRow->setContentsMargins(0, 0, 0, 0);
    secondRow->addWidget(secondSwitch_);
    secondRow->addWidget(secondButton_);
    secondRow->addWidget(secondKey_);
    debounce_ = milliseconds(this);
    acceptance_ = milliseconds(this);
    pauseOnFirstOffer_ = new QCheckBox(tr("Twice as long"), this);
    highlight_ = new QComboBox(this);
    highlight_->addItem(tr("Lifted"), "lift");
    highlight_->addItem(tr("Lifted and framed"), "lift+frame");
    soundCue_ = new QCheckBox(tr("A short sound"), this);
    speech_ = new QCheckBox(tr("Speak offers, plays and results"), this);
    scale_ = new QComboBox(this);
    for (double scale : kTableScales)
        scale_->addItem(QString::fromStdString(scaleText(scale)) + " \u00D7", QString::fromStdString(scaleText(scale)));
    scale_->addItem(tr("As large as the screen allows"), "fit");
    cardStyle_ = new QComboBox(this);
    cardStyle_->addItem(tr("Standard"), "standard");
    cardStyle_->addItem(tr("Large rank and suit in the corners"), "large-index");
    fourColour_ = new QCheckBox(tr("Four colours: diamonds blue, clubs green"), this);
    contrast_ = new QComboBox(this);
    contrast_->addItem(tr("Standard"), "standard");
    contrast_->addItem(tr("High: dark table, light text"), "high");
    scanMethod_ = new QComboBox(this);
    for (const ScanMethodEntry &method : scanMethods())
        scanMethod_->addItem(tr(method.label), method.name);
    scanLoops_ = new QSpinBox(this);
    scanLoops_->setRange(0, 10);
    scanLoops_->setSpecialValueText(tr("Endless"));
    scanLoops_->setSuffix(tr(" passes"));
    prompts_ = new QCheckBox(tr("Say what a press will do"), this);
    switchMenu_ = new QCheckBox(tr("A long press opens the menu"), this);
    menuHold_ = new QDoubleSpinBox(this);
    menuHold_->setRange(1.5, 10);
    menuHold_->setDecimals(2);
    menuHold_->setSingleStep(0.5);
    menuHold_->setSuffix(tr(" s"));
    connect(adaptive_, &QCheckBox::toggled, scanTime_, &QWidget::setDisabled);
    connect(switchMenu_, &QCheckBox::toggled, menuHold_, &QWidget::setEnabled);

    language_ = new QComboBox(this);
    language_->addItem(tr("The desktop's language"), "auto");
    // Each language by its own name, as its speakers look for it.
    for (const auto &[code, name] : { std::pair { "en", "English" },
             std::pair { "de", "Deutsch" },
             std::pair { "fr", "Français" },
             std::pair { "es", "Español" },
             std::pair { "nl", "Nederlands" } })
        language_->addItem(QString::fromUtf8(name), QString::fromLatin1(code));

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
    row(tr("&Scan time:"), "scan-time", scanTime_);
    row("", "scan-time", adaptive_);
    row(tr("&Mouse:"), "mouse-switch", mouseSwitch_);
    row(tr("&Joystick:"), "joystick-switch", joystickSwitch_);
    row(tr("Second s&witch:"), "second-switch", second);
    row(tr("&Debounce:"), "debounce", debounce_);
    row(tr("&Acceptance time:"), "acceptance", acceptance_);
    row(tr("&First offer:"), "pause-on-first-offer", pauseOnFirstOffer_);
    row(tr("&Highlight:"), "highlight", highlight_);
    row(tr("S&ound at each offer:"), "sound-cue", soundCue_);
    row(tr("S&peech:"), "speech", speech_);
    row(tr("S&canning:"), "scan-method", scanMethod_);
    row(tr("Scan &loops:"), "scan-loops", scanLoops_);
    row(tr("P&rompts:"), "prompts", prompts_);
    row(tr("Switch m&enu:"), "switch-menu", switchMenu_);
    row(tr("Menu &hold:"), "menu-hold", menuHold_);
    row(tr("Table si&ze:"), "scale", scale_);
    row(tr("&Cards:"), "card-style", cardStyle_);
    row("", "four-colour", fourColour_);
    row(tr("Co&ntrast:"), "contrast", contrast_);
    row(tr("Lan&guage:"), "language", language_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *where = new QLabel(tr("For the player, saved in %1. Options given on the command line win over these.").arg(path_.toHtmlEscaped()), this);
    where->setWordWrap(true);
    layout->addWidget(where);
    layout->addWidget(tryOut_);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setSettings(Settings {});
    // The try-out follows what is on screen, saved or not.
    for (QCheckBox *box : { mouseSwitch_, joystickSwitch_ })
        connect(box, &QCheckBox::toggled, this, &SettingsDialog::settingsChanged);
    for (QSpinBox *box : { debounce_, acceptance_, secondButton_ })
        connect(box, &QSpinBox::valueChanged, this, &SettingsDialog::settingsChanged);
    connect(secondSwitch_, &QComboBox::currentIndexChanged, this, &SettingsDialog::settingsChanged);
    connect(secondKey_, &QLineEdit::textChanged, this, &SettingsDialog::settingsChanged);
    tryOut_->onUseSuggestion([this](std::chrono::milliseconds debounce) { debounce_->setValue(int(debounce.count())); });
    tryOut_->setFocus(); // ready for the player's switch when the dialog opens
}

void SettingsDialog::settingsChanged()
{
    const auto kind = SecondSwitch::Kind(secondSwitch_->currentIndex());
    secondButton_->setVisible(kind == SecondSwitch::Kind::Button);
    secondKey_->setVisible(kind == SecondSwitch::Kind::Key);
    tryOut_->retune(settings());
}

void SettingsDialog::setSettings(const Settings &s)
{
    scanTime_->setValue(std::chrono::duration<double>(s.scanTime).count());
    adaptive_->setChecked(s.adaptiveScan);
    scanTime_->setDisabled(s.adaptiveScan);
    mouseSwitch_->setChecked(s.mouseSwitch);
    joystickSwitch_->setChecked(s.joystickSwitch);
    secondSwitch_->setCurrentIndex(int(s.secondSwitch.kind));
    secondButton_->setValue(s.secondSwitch.button);
    secondKey_->setText(QString::fromStdString(s.secondSwitch.key));
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
    language_->setCurrentIndex(language_->findData(QString::fromStdString(settingText(s, "language"))));
    scanMethod_->setCurrentIndex(std::max(0, scanMethod_->findData(QString::fromStdString(s.scanMethod))));
    scanLoops_->setValue(s.scanLoops);
    prompts_->setChecked(s.prompts);
    switchMenu_->setChecked(s.longPressMenu);
    menuHold_->setValue(std::chrono::duration<double>(s.menuHold).count());
    menuHold_->setEnabled(s.longPressMenu);
    settingsChanged();
}

Settings SettingsDialog::settings() const
{
    Settings s;
    s.scanTime = std::chrono::milliseconds(std::lround(scanTime_->value() * 1000));
    s.adaptiveScan = adaptive_->isChecked();
    s.mouseSwitch = mouseSwitch_->isChecked();
    s.joystickSwitch = joystickSwitch_->isChecked();
    s.secondSwitch.kind = SecondSwitch::Kind(secondSwitch_->currentIndex());
    if (s.secondSwitch.kind == SecondSwitch::Kind::Button)
        s.secondSwitch.button = secondButton_->value();
    if (s.secondSwitch.kind == SecondSwitch::Kind::Key)
        s.secondSwitch.key = secondKey_->text().trimmed().toStdString();
    s.debounce = std::chrono::milliseconds(debounce_->value());
    s.acceptance = std::chrono::milliseconds(acceptance_->value());
    s.pauseOnFirstOffer = pauseOnFirstOffer_->isChecked();
    s.highlight = highlight_->currentIndex() == 1 ? Highlight::LiftAndFrame : Highlight::Lift;
    s.soundCue = soundCue_->isChecked();
    s.speech = speech_->isChecked();
    // The lists hold only values the options take.
    for (const auto &[name, box] :
        { std::pair { "scale", scale_ }, std::pair { "card-style", cardStyle_ }, std::pair { "contrast", contrast_ }, std::pair { "language", language_ } })
        applySetting(s, name, box->currentData().toString().toStdString());
    s.look.fourColour = fourColour_->isChecked();
    s.scanMethod = scanMethod_->currentData().toString().toStdString();
    s.scanLoops = scanLoops_->value();
    s.prompts = prompts_->isChecked();
    s.longPressMenu = switchMenu_->isChecked();
    s.menuHold = std::chrono::milliseconds(std::lround(menuHold_->value() * 1000));
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
    if (error.empty())
        onOpen_ = fileContents(path_);
    return error;
}

void SettingsDialog::accept()
{
    const SecondSwitch second = settings().secondSwitch;
    if (second.kind == SecondSwitch::Kind::Key && keyCodeOf(second.key) == 0) {
        QMessageBox::warning(this, windowTitle(), tr("The second switch's key needs a name as Qt writes it, such as F8 or Tab."));
        secondKey_->setFocus();
        return;
    }
    if (const std::string conflict = settingsConflict(settings()); !conflict.empty()) {
        QMessageBox::warning(this, windowTitle(), tr("Step scanning needs a second switch to take the card on offer: choose one, or another way of scanning."));
        scanMethod_->setFocus();
        return;
    }
    const std::string error = save();
    if (!error.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
        return; // stays open: the settings are not lost
    }
    QDialog::accept();
}

} // namespace wildcrest
