// SPDX-License-Identifier: GPL-3.0-or-later
// The switch try-out panel of the settings dialog: what it takes, how it tells
// each press, and that it writes nothing.
#include "app/qt/settingsdialog.h"
#include "app/qt/switchtryout.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace wildcrest;
using namespace std::chrono_literals;

namespace
{

class TryOut : public ::testing::Test
{
protected:
    TryOut()
        : dialog(dir.path() + "/wildcrest.conf")
    {
        dialog.show();
        dialog.activateWindow();
        QElapsedTimer waited;
        waited.start();
        while (!dialog.isActiveWindow() && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    SwitchTryOut &panel()
    {
        return *dialog.tryOut();
    }
    void key(int key, const QString &text)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
    }
    void click(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF at(5, 5);
        QMouseEvent down(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &up);
    }
    void stampedKey(QEvent::Type type, unsigned long stamp)
    {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, " ");
        e.setTimestamp(stamp);
        QApplication::sendEvent(&panel(), &e);
    }
    static void pause(std::chrono::milliseconds time)
    {
        QEventLoop loop;
        QTimer::singleShot(time, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QString path() const
    {
        return dir.path() + "/wildcrest.conf";
    }

    QTemporaryDir dir;
    SettingsDialog dialog;
};

} // namespace

TEST_F(TryOut, InViewWhenTheDialogOpensAndTakesKeysAndClicksWithoutActingOnTheDialog)
{
    ASSERT_TRUE(panel().isVisible());
    const QList<QLabel *> labels = panel().findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel *l) { return l->text().contains("Press the player's switch"); }));
    EXPECT_EQ(QApplication::focusWidget(), &panel());

    key(Qt::Key_Return, "\r"); // Save, were it the dialog's
    key(Qt::Key_Space, " ");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    click(&panel());
    click(&panel(), Qt::MiddleButton);
    const QStringList lines = panel().lines();
    ASSERT_EQ(lines.size(), 3) << lines.join("\n").toStdString();
    EXPECT_TRUE(QRegularExpression("^key, switch 1, held \\d+ ms, the first: counted$").match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(QRegularExpression("^key, switch 1, held \\d+ ms, \\d+ ms since the last: counted$").match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("mouse, switch 1, ")) << lines[2].toStdString();
    EXPECT_FALSE(QFile::exists(path())) << "nothing is written until Save";

    // Out of the panel, keys are the dialog's again.
    QCheckBox *mouse = dialog.findChild<QCheckBox *>();
    ASSERT_TRUE(mouse);
    mouse->setFocus();
    const bool was = mouse->isChecked();
    key(Qt::Key_Space, " ");
    EXPECT_NE(mouse->isChecked(), was);
    EXPECT_EQ(panel().lines().size(), 3);
}

TEST_F(TryOut, VerdictsFollowTheSettingsOnScreenAndTheSecondSwitch)
{
    Settings s;
    s.acceptance = 150ms;
    s.debounce = 400ms;
    s.secondSwitch = SecondSwitch { SecondSwitch::Kind::Enter, 0, {} };
    dialog.setSettings(s);
    panel().take(SwitchEvent { 1, true, 10s, SwitchSource::Joystick });
    panel().take(SwitchEvent { 1, false, 10s + 80ms, SwitchSource::Joystick });
    panel().take(SwitchEvent { 1, true, 11s, SwitchSource::Key });
    panel().take(SwitchEvent { 1, false, 11s + 200ms, SwitchSource::Key });
    panel().take(SwitchEvent { 1, true, 11s + 300ms, SwitchSource::Mouse });
    panel().take(SwitchEvent { 1, false, 11s + 500ms, SwitchSource::Mouse });
    EXPECT_EQ(panel().lines(),
        (QStringList { "joystick, switch 1, held 80 ms, the first: ignored: released after 80 ms, acceptance 150 ms",
            "key, switch 1, held 200 ms, 1000 ms since the last: counted",
            "mouse, switch 1, held 200 ms, 300 ms since the last: ignored: within debounce" }));

    panel().setFocus();
    key(Qt::Key_Return, "\r");
    EXPECT_TRUE(panel().lines().last().startsWith("key, switch 2, ")) << panel().lines().last().toStdString();
}

TEST_F(TryOut, AJoystickButtonIsListedWhileTheDialogIsInFront)
{
    ASSERT_TRUE(dialog.isActiveWindow());
    ASSERT_TRUE(panel().joysticks());
    VirtualJoystick pad;
    ASSERT_TRUE(pad.attached()) << pad.error();
    panel().joysticks()->pump();
    pad.set(6, true);
    panel().joysticks()->pump();
    pad.set(6, false);
    panel().joysticks()->pump();
    ASSERT_EQ(panel().lines().size(), 1);
    EXPECT_TRUE(panel().lines()[0].startsWith("joystick button 6, switch 1, held ")) << panel().lines()[0].toStdString();
}

TEST_F(TryOut, ADozenPressesSuggestADebounceThatUseItPutsOnScreenUnsaved)
{
    Moment t = 1s;
    for (int i = 0; i < 12; ++i) {
        t += i % 4 == 1 ? 80ms : 1200ms; // every fourth a bounce
        panel().take(SwitchEvent { 1, true, t });
        panel().take(SwitchEvent { 1, false, t + 20ms });
    }
    EXPECT_EQ(panel().suggestionText(), "Bounces up to 80 ms in 12 presses: a debounce of 150 ms is suggested.");
    QPushButton *use = nullptr;
    for (QPushButton *b : panel().findChildren<QPushButton *>())
        if (b->text() == "Use this debounce")
            use = b;
    ASSERT_TRUE(use && use->isVisible());
    use->click();
    EXPECT_EQ(dialog.settings().debounce, 150ms);
    EXPECT_FALSE(QFile::exists(path()));
}

// The X server repeats a held key as a release and a press with one timestamp,
// not always marked as a repeat: the panel counts it as the game does, one
// press held the whole time, and lets go of a key held when it loses the focus.
TEST_F(TryOut, AKeyHeldDownIsOnePressHeldTheWholeTime)
{
    ASSERT_TRUE(panel().hasFocus());
    stampedKey(QEvent::KeyPress, 1000);
    for (unsigned long stamp = 1500; stamp < 1900; stamp += 40) {
        pause(40ms);
        stampedKey(QEvent::KeyRelease, stamp);
        stampedKey(QEvent::KeyPress, stamp);
    }
    stampedKey(QEvent::KeyRelease, 2000);
    pause(200ms);
    ASSERT_EQ(panel().lines().size(), 1) << panel().lines().join("\n").toStdString();
    const auto held = QRegularExpression("^key, switch 1, held (\\d+) ms, the first: counted$").match(panel().lines()[0]);
    ASSERT_TRUE(held.hasMatch()) << panel().lines()[0].toStdString();
    EXPECT_GE(held.captured(1).toInt(), 400);

    stampedKey(QEvent::KeyPress, 3000);
    dialog.findChild<QCheckBox *>()->setFocus();
    ASSERT_EQ(panel().lines().size(), 2);
    EXPECT_TRUE(panel().lines()[1].startsWith("key, switch 1, held ")) << panel().lines()[1].toStdString();
}
