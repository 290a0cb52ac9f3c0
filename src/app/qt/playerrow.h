// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QPushButton;

namespace wildcrest
{

// Asks `question`, its answers in that order: the first, the safe one, is the
// default and Esc's. Returns the index of the answer chosen.
int askSafely(QWidget *parent, const QString &title, const QString &question, const QStringList &answers);

// How a player is listed and named in the dialog: their name, or a label for the player with no name.
QString playerLabel(const std::string &name);

// The players whose settings the dialog edits, one at a time: the list of
// them, and Add…, Rename… and Delete… beside it. Adding, renaming and deleting
// act on the players' files at once; the settings on screen are the dialog's,
// so it is asked before the row moves to another player.
//
//     auto *players = new PlayerRow(dialog);
//     players->onLeave([] { return noUnsavedChanges(); });
//     players->onChosen([](const std::string &name) { showTheSettingsOf(name); });
//     players->list("");
class PlayerRow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(SettingsDialog)

public:
    explicit PlayerRow(QWidget *parent = nullptr);

    // The player chosen: "" is the player with no name.
    const std::string &chosen() const
    {
        return chosen_;
    }
    // Lists the players by their files, `name` chosen; one without a file yet is listed too.
    void list(const std::string &name);

    // Asked before the row moves away from the player chosen; false stays with them.
    void onLeave(std::function<bool()> mayLeave);
    // Told the player the row moved to, whose file is to be shown.
    void onChosen(std::function<void(const std::string &)> chosen);
    // Told the new name of the player chosen: the file moved, the settings on screen stay.
    void onRenamed(std::function<void(const std::string &)> renamed);

private:
    void choose(int index);
    void add();
    void rename();
    void remove();
    // A name for a player, asked with `prompt` until it is one the players' files can take; "" when cancelled.
    std::string askName(const QString &title, const QString &prompt, const std::string &name);
    void moveTo(const std::string &name);

    QComboBox *players_;
    QPushButton *rename_;
    QPushButton *delete_;
    std::string chosen_;
    std::function<bool()> mayLeave_;
    std::function<void(const std::string &)> chosenAction_;
    std::function<void(const std::string &)> renamedAction_;
};

} // namespace wildcrest
