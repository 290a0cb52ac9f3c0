// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog with several players: their files on disk at each step.
#include "app/qt/players.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "app/qt/switchtryout.h"
#include "record/store/recordstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace wildcrest;

namespace
{

// Clicks `button` in the question the dialog is about to ask.
void answer(const QString &button)
{
    QTimer::singleShot(0, [button] {
        for (QAbstractButton *each : QApplication::activeModalWidget()->findChildren<QAbstractButton *>())
            if (each->text() == button)
                return each->click();
        ADD_FAILURE() << "no answer " << button.toStdString();
    });
}

// Types each of `names` in turn into the name the dialog is about to ask for, noting what it says of each it refuses.
void typeNames(const QStringList &names, QStringList &refusals)
{
    QTimer::singleShot(0, [names, &refusals] {
        QWidget *asking = QApplication::activeModalWidget();
        for (const QString &name : names) {
            asking->findChild<QLineEdit *>("playerName")->setText(name);
            asking->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            if (asking->isVisible())
                refusals += asking->findChild<QLabel *>("nameProblem")->text();
        }
    });
}

bool speechOf(const std::string &player)
{
    Settings settings;
    readSettingsFile(playerFilePath(player), settings);
    return settings.speech;
}

} // namespace

TEST(SettingsDialog, PlayersAreAddedSwitchedRenamedAndDeletedWithNothingUnsavedLostWithoutAsking)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    SettingsDialog dialog(settingsFilePath());
    auto *players = dialog.findChild<QComboBox *>("players");
    auto *speech = static_cast<QCheckBox *>(dialog.editor("speech"));
    const auto click = [&](const char *button) { dialog.findChild<QPushButton *>(button)->click(); };
    const auto pick = [&](const std::string &name) { emit players->activated(players->findData(QString::fromStdString(name))); };
    EXPECT_FALSE(dialog.findChild<QPushButton *>("deletePlayer")->isEnabled());

    QStringList refusals;
    typeNames({ "Sam" }, refusals);
    click("addPlayer");
    typeNames({ "../Ann", "Sam", "Ann" }, refusals);
    click("addPlayer");
    ASSERT_EQ(refusals.size(), 2);
    EXPECT_TRUE(refusals[0].contains("slash")) << refusals[0].toStdString();
    EXPECT_EQ(refusals[1], "There is a player Sam already: choose another name.");
    EXPECT_TRUE(QFileInfo::exists(playerFilePath("Sam")) && QFileInfo::exists(playerFilePath("Ann")));
    EXPECT_FALSE(QFileInfo::exists(settingsFilePath())) << "adding a player saves nothing else";
    EXPECT_EQ(dialog.player(), "Ann");
    EXPECT_EQ(dialog.windowTitle(), "Wildcrest settings: Ann");
    EXPECT_EQ(players->count(), 3);
    QFile sam(playerFilePath("Sam"));
    ASSERT_TRUE(sam.open(QIODevice::Append));
    sam.write("acceptance=200\nno setting\n");
    sam.close();

    // Ann's change is kept on screen, then saved on the way to Sam; Sam's own is discarded.
    speech->setChecked(true);
    answer("Keep editing");
    pick("Sam");
    EXPECT_TRUE(dialog.player() == "Ann" && speech->isChecked() && !speechOf("Ann"));
    answer("Save");
    pick("Sam");
    EXPECT_TRUE(dialog.player() == "Sam" && !speech->isChecked() && speechOf("Ann"));
    EXPECT_TRUE(dialog.findChild<QLabel *>("problems")->text().contains(playerFilePath("Sam")));
    dialog.tryOut()->take(SwitchEvent { 1, true, std::chrono::seconds(1) });
    dialog.tryOut()->take(SwitchEvent { 1, false, std::chrono::seconds(1) + std::chrono::milliseconds(90) });
    EXPECT_TRUE(dialog.tryOut()->lines().back().endsWith("acceptance 200 ms")) << "the try-out goes by Sam's switch";
    speech->setChecked(true);
    answer("Discard");
    pick("Ann");
    EXPECT_TRUE(dialog.player() == "Ann" && speech->isChecked() && !speechOf("Sam"));

    typeNames({ "Anna" }, refusals);
    click("renamePlayer");
    EXPECT_FALSE(QFileInfo::exists(playerFilePath("Ann")));
    EXPECT_TRUE(speechOf("Anna"));
    EXPECT_EQ(dialog.windowTitle(), "Wildcrest settings: Anna");
    speech->setChecked(false);
    ASSERT_EQ(dialog.save(), "");
    EXPECT_FALSE(speechOf("Anna")) << "Save writes the renamed player's file";

    answer("Keep");
    click("deletePlayer");
    EXPECT_TRUE(QFileInfo::exists(playerFilePath("Anna")));
    answer("Delete");
    click("deletePlayer");
    EXPECT_FALSE(QFileInfo::exists(playerFilePath("Anna")));
    EXPECT_EQ(playerNames(), std::vector<std::string> { "Sam" });
    EXPECT_EQ(dialog.player(), "");
    EXPECT_FALSE(dialog.findChild<QPushButton *>("renamePlayer")->isEnabled());

    SettingsDialog onSam(settingsFilePath());
    EXPECT_NE(onSam.choosePlayer("../Sam"), "");
    EXPECT_EQ(onSam.choosePlayer("Sam"), "");
    EXPECT_EQ(onSam.settings().acceptance, std::chrono::milliseconds(200));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsDialog, TheRecordIsExplainedWhenTickedAndDeletedOnlyWhenAnsweredSo)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    RecordStore(recordFilePath()).startSession("Sam", "");
    SettingsDialog dialog(settingsFilePath());
    dialog.choosePlayer("Sam");
    auto *note = dialog.findChild<QWidget *>("recordNote");
    EXPECT_FALSE(note->isVisibleTo(&dialog));
    static_cast<QCheckBox *>(dialog.editor("record"))->setChecked(true);
    EXPECT_TRUE(note->isVisibleTo(&dialog));
    const QString said = note->findChild<QLabel *>()->text();
    EXPECT_TRUE(said.contains(recordFilePath()) && said.contains("never sent anywhere")) << said.toStdString();

    const auto forget = [&] { dialog.findChild<QPushButton *>("forgetRecord")->click(); };
    answer("Keep");
    forget();
    EXPECT_EQ(RecordFile(recordFilePath()).sessions("Sam").size(), 1u);
    answer("Delete");
    forget();
    EXPECT_TRUE(RecordFile(recordFilePath()).sessions("Sam").empty());
    qunsetenv("XDG_DATA_HOME");
}
