// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's form as the option table makes it.
#include "app/options.h"
#include "app/qt/settingsdialog.h"
#include "app/qt/switchtryout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
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
