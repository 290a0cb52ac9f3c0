// SPDX-License-Identifier: GPL-3.0-or-later
// What counts as which switch in the window (keys, the mouse, a second switch),
// and the aids it gives the player: the frame round the offer and a cue.
#include "../common/wiring.h"
#include "table/qt/keyrepeat.h"
#include "table/qt/offerframe.h"
#include "testpictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <chrono>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace std::chrono_literals;

namespace
{

class SwitchTest : public ViewTest
{
protected:
    SwitchTest()
    {
        view->setSwitchHandler([this](const SwitchEvent &e) { log(e); });
        view->show();
        view->yield();
    }

    void post(QWidget *target, QEvent *event)
    {
        QCoreApplication::postEvent(target, event);
        view->yield();
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QWidget *target = nullptr)
    {
        target = target ? target : view.get();
        const QPointF at(10, 10);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        post(target, new QMouseEvent(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier));
    }
    void click(Qt::MouseButton button, QWidget *target = nullptr)
    {
        mouse(QEvent::MouseButtonPress, button, target);
        mouse(QEvent::MouseButtonRelease, button, target);
    }
    void keyDown(int key, const QString &text, bool autoRepeat = false)
    {
        post(view.get(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat));
    }
    void keyUp(int key, const QString &text)
    {
        post(view.get(), new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    }
    SwitchLog log;
};

} // namespace

TEST_F(SwitchTest, ALeftClickAnywhereIsTheSwitchOtherButtonsNothing)
{
    click(Qt::LeftButton);
    click(Qt::LeftButton, view->widgetOf(playerslot(4)));
    EXPECT_EQ(log.seen, (std::vector<std::string> { "mouse 1 down", "mouse 1 up", "mouse 1 down", "mouse 1 up" }));
    click(Qt::RightButton);
    click(Qt::MiddleButton, view->widgetOf(Label16));
    EXPECT_EQ(log.seen.size(), 4u);

    // A quick second click comes as a double click: it is a press all the same.
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(log.presses().size(), 4u);
}

TEST_F(SwitchTest, WithTheMouseSwitchOffClicksDoNothingAndKeysStillCount)
{
    view->setSwitchWiring(wiredAs(false, false, {}));
    click(Qt::LeftButton);
    click(Qt::LeftButton, view->widgetOf(playerslot(1)));
    EXPECT_TRUE(log.seen.empty());
    keyDown(Qt::Key_Space, " ");
    EXPECT_EQ(log.presses(), std::vector<int> { 1 });
    EXPECT_THROW(keyDown(Qt::Key_Escape, ""), GameEnded);
    EXPECT_TRUE(view->closed());
}

TEST_F(SwitchTest, EnterAsTheSecondSwitchIsNoLongerTheFirst)
{
    view->setSwitchWiring(wiredAs(true, false, SecondSwitch { SecondSwitch::Kind::Enter, 0, {} }));
    keyDown(Qt::Key_Return, "\r");
    keyUp(Qt::Key_Return, "\r");
    keyDown(Qt::Key_Enter, "\r"); // the keypad's
    keyDown(Qt::Key_Space, " ");
    click(Qt::LeftButton);
    click(Qt::RightButton); // not named: nothing
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 2 down", "key 2 up", "key 2 down", "key 1 down", "mouse 1 down", "mouse 1 up" }));
}

TEST_F(SwitchTest, ARightClickOrANamedKeyAsTheSecondSwitch)
{
    view->setSwitchWiring(wiredAs(false, false, SecondSwitch { SecondSwitch::Kind::RightClick, 0, {} }));
    click(Qt::RightButton);
    click(Qt::LeftButton); // the mouse switch is off
    keyDown(Qt::Key_Return, "\r");
    EXPECT_EQ(log.seen, (std::vector<std::string> { "mouse 2 down", "mouse 2 up", "key 1 down" }));

    log = {};
    view->setSwitchWiring(wiredAs(true, false, SecondSwitch { SecondSwitch::Kind::Key, 0, "F8" }));
    keyDown(Qt::Key_F8, ""); // types nothing, yet named
    keyUp(Qt::Key_F8, "");
    keyDown(Qt::Key_F7, "");
    view->setSwitchWiring(wiredAs(true, false, SecondSwitch { SecondSwitch::Kind::Key, 0, "Tab" }));
    keyDown(Qt::Key_Tab, "\t");
    keyDown(Qt::Key_A, "a");
    click(Qt::RightButton);
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 2 down", "key 2 up", "key 2 down", "key 1 down" }));
}

TEST_F(SwitchTest, LeavingTheWindowLetsGoOfTheSwitchesHeld)
{
    view->setSwitchWiring(wiredAs(true, false, SecondSwitch { SecondSwitch::Kind::Enter, 0, {} }));
    keyDown(Qt::Key_Space, " ");
    keyDown(Qt::Key_Return, "\r");
    QEvent leave(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(view.get(), &leave);
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 1 down", "key 2 down", "key 1 up", "key 2 up" }));
}

TEST_F(SwitchTest, TheFrameRingsTheOfferedControlAndFollowsIt)
{
    QWidget *frame = view->offerFrame();
    EXPECT_TRUE(frame->isHidden());
    view->setVisible(Frame1, false); // the title screen gone, the table is seen
    const Control card = playerslot(3);
    view->setTop(card, view->top(card) - 250);
    view->markOffer(card);
    view->yield();
    ASSERT_TRUE(frame->isVisible());
    const QRect target = view->widgetOf(card)->geometry();
    EXPECT_GE(OfferFrame::kWidth, 4);
    EXPECT_EQ(frame->geometry(), target.adjusted(-OfferFrame::kWidth, -OfferFrame::kWidth, OfferFrame::kWidth, OfferFrame::kWidth));

    // Black outside, yellow inside, the card itself not covered.
    const QImage shot = view->grab().toImage();
    const QPoint mid(target.center().x(), target.top());
    EXPECT_EQ(shot.pixelColor(mid - QPoint(0, OfferFrame::kWidth)), OfferFrame::kOuter);
    EXPECT_EQ(shot.pixelColor(mid - QPoint(0, 1)), OfferFrame::kInner);
    EXPECT_EQ(shot.pixelColor(target.left() - 1, target.center().y()), OfferFrame::kInner);
    view->markOffer(std::nullopt);
    const QImage unmarked = view->grab().toImage();
    EXPECT_NE(unmarked.pixelColor(mid - QPoint(0, 1)), OfferFrame::kInner);
    for (const QPoint inside : { target.center(), target.topLeft(), target.bottomRight() })
        EXPECT_EQ(shot.pixelColor(inside), unmarked.pixelColor(inside)) << inside.x() << "," << inside.y();
    view->markOffer(card);

    view->setTop(card, view->top(card) + 250);
    EXPECT_EQ(frame->geometry().center(), view->widgetOf(card)->geometry().center());
    view->setLeft(card, view->left(card) + 600);
    EXPECT_EQ(frame->geometry().center(), view->widgetOf(card)->geometry().center());

    // The pile, while a suit is offered; hiding the marked control hides the frame.
    view->markOffer(Image45);
    EXPECT_EQ(frame->geometry().center(), view->widgetOf(Image45)->geometry().center());
    view->setVisible(Image45, false);
    EXPECT_TRUE(frame->isHidden());
    view->setVisible(Image45, true);
    EXPECT_FALSE(frame->isHidden());
    view->markOffer(std::nullopt);
    EXPECT_TRUE(frame->isHidden());
    view->setTop(card, view->top(card) - 250);
    EXPECT_TRUE(frame->isHidden()) << "no longer offered: not followed";
}

TEST_F(SwitchTest, TheFrameTakesNoClicks)
{
    view->markOffer(playerslot(1));
    click(Qt::LeftButton, view->offerFrame());
    EXPECT_EQ(log.presses(), std::vector<int> { 1 });
}

TEST_F(SwitchTest, CueNeverFailsNorWaits)
{
    const auto before = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        EXPECT_NO_THROW(view->cue());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
}

// The X server repeats a held key as a release and a press with one timestamp,
// not always marked as a repeat; such a pair is neither, while a real release
// is told once the key has stayed up a moment, as of its own time.
TEST_F(SwitchTest, AnUnmarkedRepeatOfAHeldKeyIsNoReleaseAndNoPress)
{
    const auto stamped = [](QEvent::Type type, unsigned long stamp) {
        auto *e = new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " ");
        e->setTimestamp(stamp);
        return e;
    };
    post(view.get(), stamped(QEvent::KeyPress, 1000));
    post(view.get(), stamped(QEvent::KeyRelease, 1660)); // the repeat pair
    post(view.get(), stamped(QEvent::KeyPress, 1660));
    post(view.get(), stamped(QEvent::KeyRelease, 2500)); // really let go
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 1 down" })) << "the release waits a moment";
    for (const Moment until = view->now() + 10 * KeyRepeats::kGrace; log.seen.size() < 2 && view->now() < until;)
        view->waitForEvent(until);
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 1 down", "key 1 up" }));
    post(view.get(), stamped(QEvent::KeyPress, 2600)); // a new press after a real release
    EXPECT_EQ(log.seen, (std::vector<std::string> { "key 1 down", "key 1 up", "key 1 down" }));
}
