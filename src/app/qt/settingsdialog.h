// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace wildcrest
{

class SwitchTryOut;

// The settings for one player, edited by the person who sets up the computer
// (with keyboard and mouse: this is not the game). Save writes the file;
// Cancel leaves it as it was.
//
//     SettingsDialog dialog(settingsFilePath());
//     dialog.setSettings(fromTheFile);
//     dialog.exec();
class SettingsDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(SettingsDialog)

public:
    explicit SettingsDialog(QString path, QWidget *parent = nullptr);

    void setSettings(const Settings &settings);
    Settings settings() const;
    // Writes the file; returns what went wrong, or "". A file changed by something
    // else since the dialog opened (or last saved) is not written over at once:
    // that is said, and the next save replaces it.
    std::string save();

    void accept() override;

    SwitchTryOut *tryOut() const
    {
        return tryOut_;
    }

private:
    QString path_;
    std::optional<QByteArray> onOpen_; // the file as the dialog last saw it
    QDoubleSpinBox *scanTime_;
    QCheckBox *adaptive_;
    void settingsChanged();

    SwitchTryOut *tryOut_;
    QCheckBox *mouseSwitch_;
    QCheckBox *joystickSwitch_;
    QComboBox *secondSwitch_;
    QSpinBox *secondButton_;
    QLineEdit *secondKey_;
    QSpinBox *debounce_;
    QSpinBox *acceptance_;
    QCheckBox *pauseOnFirstOffer_;
    QComboBox *highlight_;
    QCheckBox *soundCue_;
    QCheckBox *speech_;
    QComboBox *scale_;
    QComboBox *cardStyle_;
    QCheckBox *fourColour_;
    QComboBox *contrast_;
    QComboBox *language_;
    QComboBox *scanMethod_;
    QSpinBox *scanLoops_;
    QCheckBox *prompts_;
    QCheckBox *switchMenu_;
    QDoubleSpinBox *menuHold_;
};

} // namespace wildcrest
