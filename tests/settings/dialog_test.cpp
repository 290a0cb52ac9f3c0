// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's form as the option table makes it.
#include "app/options.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/settingsfile.h"
#include "app/qt/switchtryout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace wildcrest;

namespace
{

// Closes the warning the dialog is about to show.
void closeTheWarning()
{
    QTimer::singleShot(0, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
}

} // namespace

TEST(SettingsDialog, EachOptionHasItsFieldLabelAndHelpAndTheFieldsFollowOneAnother)
{
    QTemporaryDir dir;
    SettingsDialog dialog(dir.path() + "/wildcrest.conf");
    for (const OptionInfo &option : optionTable()) {
        QWidget *field = dialog.editor(option.name);
        ASSERT_TRUE(field) << option.name;
        EXPECT_TRUE(field->toolTip().endsWith(".")) << option.name;
        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel *l) { return l->buddy() == field && l->toolTip() == field->toolTip(); }))
            << option.name;
    }

    // The menu's hold is greyed out until the long press opens the menu.
    EXPECT_FALSE(dialog.editor("menu-hold")->isEnabled());
    static_cast<QCheckBox *>(dialog.editor("switch-menu"))->setChecked(true);
    EXPECT_TRUE(dialog.editor("menu-hold")->isEnabled());
    EXPECT_TRUE(dialog.settings().longPressMenu);

    // A change the try-out does not go by leaves its presses where they are.
    dialog.tryOut()->take(SwitchEvent { 1, true, std::chrono::seconds(1) });
    static_cast<QCheckBox *>(dialog.editor("speech"))->setChecked(true);
    dialog.tryOut()->take(SwitchEvent { 1, false, std::chrono::seconds(1) + std::chrono::milliseconds(90) });
    ASSERT_EQ(dialog.tryOut()->lines().size(), 1);
    EXPECT_TRUE(dialog.tryOut()->lines()[0].startsWith("key, switch 1, held 90 ms")) << dialog.tryOut()->lines()[0].toStdString();

    // A key Qt has no name for is refused, with the key's field to put it right.
    Settings unnamed;
    unnamed.secondSwitch = SecondSwitch { SecondSwitch::Kind::Key, 0, "NoSuchKey" };
    dialog.setSettings(unnamed);
    closeTheWarning();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.focusWidget(), dialog.editor("second-switch")->findChild<QLineEdit *>());
}

// The offscreen screen is shorter than the whole form, as a 1024 x 768 one with a panel is.
TEST(SettingsDialog, OnAShortScreenTheFormScrollsWithEveryRowWholeAndTheButtonsStayPut)
{
    QTemporaryDir dir;
    SettingsDialog dialog(dir.path() + "/wildcrest.conf");
    dialog.show();
    QApplication::processEvents();
    EXPECT_LE(dialog.frameGeometry().height(), dialog.screen()->availableGeometry().height());
    auto *scroll = dialog.findChild<QScrollArea *>();
    ASSERT_TRUE(scroll);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    for (const OptionInfo &option : optionTable())
        EXPECT_EQ(dialog.editor(option.name)->height(), dialog.editor(option.name)->sizeHint().height()) << option.name;

    QPushButton *save = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
    const QRect saveOnOpen(save->mapTo(&dialog, QPoint()), save->size());
    EXPECT_TRUE(dialog.rect().contains(saveOnOpen));
    // A dozen presses with bounces bring up "Use this debounce".
    Moment t {};
    for (int i = 0; i < 12; ++i) {
        t += std::chrono::milliseconds(i % 4 == 1 ? 80 : 1200);
        dialog.tryOut()->take(SwitchEvent { 1, true, t });
        dialog.tryOut()->take(SwitchEvent { 1, false, t + std::chrono::milliseconds(20) });
    }
    ASSERT_FALSE(dialog.tryOut()->suggestionText().contains("After")) << dialog.tryOut()->suggestionText().toStdString();
    QApplication::processEvents();
    EXPECT_EQ(QRect(save->mapTo(&dialog, QPoint()), save->size()), saveOnOpen);
}

// Started from the desktop's menu, the game's error output is seen by no one:
// what the file had wrong stands at the top of the dialog, whole on a short
// screen, and a long list scrolls in a quarter of it.
TEST(SettingsDialog, TheFilesProblemsStandAtTheTopWithTheirLinesAndTheScreensRoomBesideTheSize)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/wildcrest.conf";
    const auto dialogOn = [&](const QByteArray &file) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(file);
        f.close();
        Settings settings;
        const std::vector<SettingsProblem> problems = readSettingsFile(path, settings);
        auto dialog = std::make_unique<SettingsDialog>(path);
        dialog->setSettings(settings);
        dialog->showProblems(problems);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    };
    auto dialog = dialogOn("speech=on\n# the player's\nscan-time=abc\nno setting\n");
    const auto *shown = dialog->findChild<QLabel *>("problems");
    ASSERT_TRUE(shown && shown->isVisible());
    EXPECT_TRUE(shown->text().contains("Line 3: scan-time: ") && shown->text().contains("using the default 2")) << shown->text().toStdString();
    EXPECT_TRUE(shown->text().contains("Line 4: some of it is not settings")) << shown->text().toStdString();
    EXPECT_LT(shown->mapTo(dialog.get(), QPoint()).y(), dialog->editor("speech")->mapTo(dialog.get(), QPoint()).y());
    EXPECT_GE(shown->parentWidget()->height(), shown->heightForWidth(shown->width())) << "a few problems are shown whole";
    EXPECT_EQ(dialog->findChild<QLabel *>("screenRoom")->text(), "On this screen: up to 1 \u00D7");

    QByteArray many;
    for (int i = 0; i < 40; ++i)
        many += "colour" + QByteArray::number(i) + "=red\n";
    dialog = dialogOn(many);
    const int screen = dialog->screen()->availableGeometry().height();
    EXPECT_LE(dialog->findChild<QLabel *>("problems")->parentWidget()->height(), screen / 4);
    EXPECT_LE(dialog->frameGeometry().height(), screen);
    const QPushButton *save = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
    EXPECT_TRUE(dialog->rect().contains(QRect(save->mapTo(dialog.get(), QPoint()), save->size())));

    dialog = dialogOn("speech=on\n");
    EXPECT_FALSE(dialog->findChild<QLabel *>("problems")->isVisible());
}
