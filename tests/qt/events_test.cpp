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
        view->setKeyHandler([this](int code) { keys.push_back(code); });
    }

    void press(QWidget *target, int key, const QString &text, bool autoRepeat = false)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::sendEvent(target, &up);
    }

    std::vector<int> keys;
};

} // namespace

TEST_F(EventTest, KeysGiveTheirCharacterCodeOnce)
{
    press(view.get(), Qt::Key_Space, " ");
    press(view.get(), Qt::Key_A, "a");
    press(view.get(), Qt::Key_Return, "\r");
    press(view.get(), Qt::Key_Escape, "");
    EXPECT_EQ(keys, (std::vector<int> { 32, 97, 13, 27 }));
}

TEST_F(EventTest, KeysWithoutTextGiveNothing)
{
    press(view.get(), Qt::Key_Left, "");
    press(view.get(), Qt::Key_F1, "");
    press(view.get(), Qt::Key_Shift, "");
    EXPECT_TRUE(keys.empty());
}

TEST_F(EventTest, AHeldSwitchIsOnePress)
{
    press(view.get(), Qt::Key_Space, " ");
    press(view.get(), Qt::Key_Space, " ", true);
    press(view.get(), Qt::Key_Space, " ", true);
    EXPECT_EQ(keys, std::vector<int> { 32 });
    press(view.get(), Qt::Key_Space, " ");
    EXPECT_EQ(keys, (std::vector<int> { 32, 32 }));
}

TEST_F(EventTest, KeysReachTheWindowWhicheverControlHasThem)
{
    press(view->widgetOf(Label16), Qt::Key_B, "b");
    press(view->widgetOf(image(51)), Qt::Key_C, "c"); // on the title screen, inside Frame1
    EXPECT_EQ(keys, (std::vector<int> { 98, 99 }));

    // Keys of another window are not the table's.
    QWidget other;
    press(&other, Qt::Key_D, "d");
    EXPECT_EQ(keys.size(), 2u);
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
    view->setKeyHandler([](int code) {
        if (code == 27)
            throw GameEnded {};
        throw std::runtime_error("bad key");
    });
    press(view.get(), Qt::Key_X, "x"); // must not unwind through the event dispatch
    EXPECT_THROW(view->yield(), std::runtime_error);
    EXPECT_NO_THROW(view->yield());
    press(view.get(), Qt::Key_Escape, "");
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
