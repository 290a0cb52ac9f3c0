// What counts as the switch in the window (the mouse, debounce, acceptance),
// and the aids it gives the player: the frame round the offer and a cue.
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
        view->setKeyHandler([this](int code) { keys.push_back(code); });
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
    // Runs the window's events for this long.
    void runFor(std::chrono::milliseconds time)
    {
        const Moment end = view->now() + time;
        while (view->now() < end)
            view->waitForEvent(end);
    }
    // Runs the window's events until `n` presses have come, or the time is up.
    void runUntil(std::size_t n, std::chrono::milliseconds limit)
    {
        const Moment end = view->now() + limit;
        while (keys.size() < n && view->now() < end)
            view->waitForEvent(end);
    }

    std::vector<int> keys;
};

} // namespace

TEST_F(SwitchTest, ALeftClickAnywhereIsTheSwitchOtherButtonsNothing)
{
    click(Qt::LeftButton);
    click(Qt::LeftButton, view->widgetOf(playerslot(4)));
    EXPECT_EQ(keys, (std::vector<int> { ' ', ' ' }));
    click(Qt::RightButton);
    click(Qt::MiddleButton, view->widgetOf(Label16));
    EXPECT_EQ(keys.size(), 2u);

    // A quick second click comes as a double click: it is a press all the same.
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(keys.size(), 4u);
}

TEST_F(SwitchTest, WithTheMouseSwitchOffClicksDoNothingAndKeysStillCount)
{
    view->setSwitchOptions(false, 0ms, 0ms);
    click(Qt::LeftButton);
    click(Qt::LeftButton, view->widgetOf(playerslot(1)));
    EXPECT_TRUE(keys.empty());
    keyDown(Qt::Key_Space, " ");
    keyDown(Qt::Key_Escape, "");
    EXPECT_EQ(keys, (std::vector<int> { ' ', 27 }));
}

TEST_F(SwitchTest, WithoutFilteringEveryKeyPressCountsAtOnce)
{
    view->setSwitchOptions(true, 0ms, 0ms);
    keyDown(Qt::Key_A, "a");
    keyDown(Qt::Key_B, "b"); // while a is still down
    keyUp(Qt::Key_A, "a");
    keyDown(Qt::Key_A, "a");
    EXPECT_EQ(keys, (std::vector<int> { 'a', 'b', 'a' }));
}

TEST_F(SwitchTest, DebounceIgnoresPressesSoonAfterTheLast)
{
    view->setSwitchOptions(true, 400ms, 0ms);
    keyDown(Qt::Key_Space, " ");
    keyUp(Qt::Key_Space, " ");
    keyDown(Qt::Key_Space, " "); // a bounce
    keyUp(Qt::Key_Space, " ");
    click(Qt::LeftButton); // the mouse is the same switch
    EXPECT_EQ(keys, std::vector<int> { ' ' });
    keyDown(Qt::Key_Escape, ""); // the way out is never filtered
    EXPECT_EQ(keys, (std::vector<int> { ' ', 27 }));

    runFor(500ms);
    click(Qt::LeftButton);
    EXPECT_EQ(keys, (std::vector<int> { ' ', 27, ' ' }));
}

TEST_F(SwitchTest, AcceptanceCountsAPressOnlyOnceHeldLongEnough)
{
    view->setSwitchOptions(true, 0ms, 150ms);
    const Moment down = view->now();
    keyDown(Qt::Key_X, "x");
    EXPECT_TRUE(keys.empty()) << "not at the press";
    keyDown(Qt::Key_X, "x", true); // auto-repeat while held
    runUntil(1, 3s);
    ASSERT_EQ(keys, std::vector<int> { 'x' });
    EXPECT_GE(view->now() - down, Moment(150ms));
    keyDown(Qt::Key_X, "x", true);
    runFor(300ms);
    keyUp(Qt::Key_X, "x");
    EXPECT_EQ(keys.size(), 1u) << "held on, it is still one press";

    // Let go too soon: nothing.
    keyDown(Qt::Key_Space, " ");
    keyUp(Qt::Key_Space, " ");
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    runFor(400ms);
    EXPECT_EQ(keys.size(), 1u);

    // A held button counts as a space; Esc counts at once.
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    keyDown(Qt::Key_Escape, "");
    EXPECT_EQ(keys, (std::vector<int> { 'x', 27 }));
    runUntil(3, 3s);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(keys, (std::vector<int> { 'x', 27, ' ' }));
}

TEST_F(SwitchTest, DebounceAndAcceptanceTogether)
{
    view->setSwitchOptions(true, 1000ms, 100ms);
    keyDown(Qt::Key_Space, " ");
    runUntil(1, 3s);
    keyUp(Qt::Key_Space, " ");
    ASSERT_EQ(keys.size(), 1u);
    keyDown(Qt::Key_Space, " "); // held long enough, but too soon after the last
    runFor(300ms);
    keyUp(Qt::Key_Space, " ");
    EXPECT_EQ(keys.size(), 1u);
}

TEST_F(SwitchTest, TheFrameRingsTheOfferedControlAndFollowsIt)
{
    QWidget *frame = view->offerFrame();
    EXPECT_TRUE(frame->isHidden());
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
    EXPECT_EQ(keys, std::vector<int> { ' ' });
}

TEST_F(SwitchTest, CueNeverFailsNorWaits)
{
    const auto before = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        EXPECT_NO_THROW(view->cue());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
}
