// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFormLayout;
class QLabel;
class QScrollArea;

namespace wildcrest
{

class OptionField;
struct OptionInfo;
class PlayerRow;
struct SettingsProblem;
class SwitchTryOut;

// The settings of the players, one player at a time, edited by the person who
// sets up the computer (with keyboard and mouse: this is not the game). The
// player with no name is the file `path`; the named players are their files in
// the players' folder. Save writes the file of the player shown; Cancel leaves
// it as it was.
//
//     SettingsDialog dialog(settingsFilePath());
//     dialog.setSettings(fromTheFile);
//     dialog.showProblems(whatTheFileHadWrong);
//     dialog.exec();
//
// or, for a named player, dialog.choosePlayer("Sam") after the constructor.
class SettingsDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(SettingsDialog)

public:
    explicit SettingsDialog(QString path, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Shows the settings and problems of the player's file, as choosing them in
    // the list does (but without asking about changes on screen); a player
    // without a file yet is listed, and Save writes their file. Returns what is
    // wrong with the name, or "".
    std::string choosePlayer(const std::string &name);
    // The player shown: "" is the player with no name.
    const std::string &player() const;

    // The settings on screen, which count as unchanged until the user edits them.
    void setSettings(const Settings &settings);
    Settings settings() const;
    // What the settings file had that the game does not take, each with its
    // lines, at the top of the dialog: whoever set the game up from the
    // desktop's menu sees no error output.
    void showProblems(const std::vector<SettingsProblem> &problems);
    // Writes the file; returns what went wrong, or "". A file changed by something
    // else since the dialog opened (or last saved) is not written over at once:
    // that is said, and the next save replaces it.
    std::string save();

    void accept() override;
    // Whether the settings on screen differ from the player's as last shown or saved.
    bool changed() const;

    SwitchTryOut *tryOut() const
    {
        return tryOut_;
    }
    // The widget that edits the option of that name, or nullptr.
    QWidget *editor(const std::string &name) const;

private:
    // An option, and its field on screen.
    struct Row {
        const OptionInfo *option;
        std::unique_ptr<OptionField> field;
    };
    void addRows();
    // Under the record's check box: what is kept, where, and its buttons.
    void addRecordNote();
    void deleteRecord();
    // Under the table size, where the screen has no room for every one: the largest it has.
    void noteScreenRoom();
    // Every row at its natural height: the whole form, or as much as the screen has room for, the rest scrolled to.
    void fitTheScreen();
    OptionField *fieldOf(const std::string &name) const;
    // Follows a change on screen: the fields it greys out, and the try-out.
    void settingsChanged();
    void retuneTryOut();
    // Shows the player's file: their settings and what it had wrong.
    void showPlayer(const std::string &name);
    // The title and the file named for the player shown.
    void namePlayer();
    // Before another player is shown: nothing unsaved is lost without asking.
    bool mayLeave();
    // Checks what is on screen and saves it, saying what went wrong; whether it was saved.
    bool saveChecked();
    std::vector<std::string> fieldTexts() const;

    QString noNamePath_; // the settings file of the player with no name
    QString path_; // the file of the player shown
    PlayerRow *players_;
    QLabel *where_;
    std::vector<std::string> unchanged_; // the fields' texts when shown or saved
    std::optional<QByteArray> onOpen_; // the file as the dialog last saw it
    SwitchTryOut *tryOut_;
    QScrollArea *scroll_;
    QFormLayout *form_; // on the page the scroll area shows
    QLabel *problems_;
    QWidget *recordNote_ = nullptr; // shown while the record is ticked
    QScrollArea *problemsArea_; // a long list scrolls, so the form keeps its room
    std::vector<Row> rows_;
    Settings tuned_; // what the try-out was last tuned for
};

} // namespace wildcrest
