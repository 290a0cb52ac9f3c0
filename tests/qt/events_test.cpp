// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, closing and the event pump the game's loops run on.
#include "testpictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <chrono>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace std::chrono_literals;

namespace
{

class EventTest : public ViewTest
{
protected:
    EventTest()
    {
        view->setSwitchHandler([this](const SwitchEvent &e) { log(e); });
    }

    void press(QWidget *target, int key, const QString &text, bool autoRepeat = false)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::sendEvent(target, &up);
    }

    SwitchLog log;
};

} // namespace

TEST_F(EventTest, EveryKeyThatTypesIsSwitchOneAndEscClosesTheWindow)
{
    const Moment before = view->now();
    press(view.get(), Qt::Key_Space, " ");
    press(view.get(), Qt::Key_A, "a");
    press(view.get(), Qt::Key_Return, "\r");
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 1 down", "key 1 up", "key 1 down", "key 1 up", "key 1 down", "key 1 up" }));
    for (const Moment t : log.at)
        EXPECT_TRUE(t >= before && t <= view->now());
    EXPECT_FALSE(view->closed());
    press(view.get(), Qt::Key_Escape, "");
    EXPECT_EQ(log.seen.size(), 6u) << "Esc is never a switch";
    EXPECT_TRUE(view->closed());
}

TEST_F(EventTest, KeysWithoutTextGiveNothing)
{
    press(view.get(), Qt::Key_Left, "");
    press(view.get(), Qt::Key_F1, "");
    press(view.get(), Qt::Key_Shift, "");
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(EventTest, AHeldSwitchIsOnePress)
{
    press(view.get(), Qt::Key_Space, " ");
    press(view.get(), Qt::Key_Space, " ", true);
    press(view.get(), Qt::Key_Space, " ", true);
    EXPECT_EQ(log.presses(), std::vector<int> { 1 });
    press(view.get(), Qt::Key_Space, " ");
    EXPECT_EQ(log.presses(), (std::vector<int> { 1, 1 }));
}

TEST_F(EventTest, KeysReachTheWindowWhicheverControlHasThem)
{
    press(view->widgetOf(Label16), Qt::Key_B, "b");
    press(view->widgetOf(image(51)), Qt::Key_C, "c"); // on the title screen, inside Frame1
    EXPECT_EQ(log.presses(), (std::vector<int> { 1, 1 }));

    // Keys of another window are not the table's.
    QWidget other;
    press(&other, Qt::Key_D, "d");
    EXPECT_EQ(log.seen.size(), 4u);
}

TEST_F(EventTest, ClosingEndsTheGameAtTheNextYieldOrWait)
{
    view->yield();
    view->closeWindow();
    EXPECT_TRUE(view->closed());
    EXPECT_THROW(view->yield(), GameEnded);
    EXPECT_THROW(view->waitForEvent(view->now() + 10s), GameEnded);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_THROW(view->waitForEvent(), GameEnded);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
}

TEST_F(EventTest, TheCloseBoxEndsTheGameToo)
{
    view->show();
    QCloseEvent close;
    QCoreApplication::sendEvent(view.get(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_THROW(view->yield(), GameEnded);
}

TEST_F(EventTest, FailuresOfTheHandlerComeOutOfTheNextYield)
{
    view->setSwitchHandler([](const SwitchEvent &e) {
        if (!e.pressed)
            throw GameEnded {};
        throw std::runtime_error("bad key");
    });
    QKeyEvent down(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QCoreApplication::sendEvent(view.get(), &down); // must not unwind through the event dispatch
    EXPECT_THROW(view->yield(), std::runtime_error);
    EXPECT_NO_THROW(view->yield());
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
    QCoreApplication::sendEvent(view.get(), &up);
    EXPECT_THROW(view->yield(), GameEnded);
}

TEST_F(EventTest, YieldRunsWhatIsPending)
{
    bool ran = false;
    QTimer::singleShot(0, view.get(), [&] { ran = true; });
    view->yield();
    EXPECT_TRUE(ran);
}

TEST_F(EventTest, WaitLastsUntilTheDeadline)
{
    view->yield();
    for (auto wait : { 30ms, 120ms }) {
        const Moment deadline = view->now() + wait;
        view->waitForEvent(deadline);
        const Moment after = view->now();
        EXPECT_GE(after, deadline);
        EXPECT_LT(after, deadline + 2s);
    }
}

TEST_F(EventTest, WaitEndsAtAnEvent)
{
    // Any event may end a wait, so wait until the one expected has come.
    bool ran = false;
    QTimer::singleShot(20, view.get(), [&] { ran = true; });
    const Moment start = view->now();
    while (!ran && view->now() - start < 10s)
        view->waitForEvent(start + 20s);
    EXPECT_TRUE(ran);
    EXPECT_LT(view->now() - start, 10s);

    ran = false;
    QTimer::singleShot(20, view.get(), [&] { ran = true; });
    while (!ran && view->now() - start < 10s)
        view->waitForEvent();
    EXPECT_TRUE(ran);
}

TEST_F(EventTest, APassedDeadlineOnlyYields)
{
    bool ran = false;
    QTimer::singleShot(0, view.get(), [&] { ran = true; });
    const Moment start = view->now();
    view->waitForEvent(start - 1s);
    EXPECT_TRUE(ran);
    EXPECT_LT(view->now() - start, 1s);
}

TEST_F(EventTest, BeepNeverFailsNorWaits)
{
    const auto before = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(view->beep());
    EXPECT_NO_THROW(view->beep());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
}
