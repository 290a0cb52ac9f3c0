#pragma once

#include "app/settings.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace wildcrest
{

// The settings for one player, edited by the person who sets up the computer
// (with keyboard and mouse: this is not the game). Save writes the file;
// Cancel leaves it as it was.
//
//     SettingsDialog dialog(settingsFilePath());
//     dialog.setSettings(fromTheFile);
//     dialog.exec();
class SettingsDialog : public QDialog
{
public:
    explicit SettingsDialog(QString path, QWidget *parent = nullptr);

    void setSettings(const Settings &settings);
    Settings settings() const;
    // Writes the file; returns what went wrong, or "".
    std::string save() const;

    void accept() override;

private:
    QString path_;
    QDoubleSpinBox *scanTime_;
    QCheckBox *adaptive_;
    QCheckBox *mouseSwitch_;
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
};

} // namespace wildcrest
