// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its controls as created from the layout.
#include "table/qt/colours.h"
#include "table/qt/controlwidgets.h"
#include "testpictures.h"

#include <QLabel>
#include <QScreen>

using namespace wildcrest;
using namespace wildcrest::testing;

TEST(Colours, LowByteIsRed)
{
    EXPECT_EQ(toQColor(0x00C0FFC0), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(toQColor(0x000000FF), QColor(Qt::red));
    EXPECT_EQ(toQColor(0x00FF0000), QColor(Qt::blue));
    EXPECT_EQ(toQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(toQColor(kSystemWindowBackground), QColor(Qt::white));
    EXPECT_EQ(toQColor(kSystemWindowText), QColor(Qt::black));
}

TEST(Fonts, DesignFontsMapToLiberationSansInPixels)
{
    const QFont plate = tableFont({ "MS Sans Serif", 18, true, false });
    EXPECT_EQ(plate.family(), "Liberation Sans");
    EXPECT_EQ(plate.pixelSize(), 24);
    EXPECT_TRUE(plate.bold());
    EXPECT_FALSE(plate.italic());
    const QFont counter = tableFont({ "Arial", 15.75, true, true });
    EXPECT_EQ(counter.family(), "Liberation Sans");
    EXPECT_EQ(counter.pixelSize(), 21);
    EXPECT_TRUE(counter.italic());
    EXPECT_EQ(tableFont({ "Arial", 13.5 }).pixelSize(), 18);
}

using WindowTest = ViewTest;

TEST_F(WindowTest, FixedSizeCaptionAndTableColour)
{
    EXPECT_EQ(view->size(), QSize(921, 633));
    EXPECT_EQ(view->minimumSize(), QSize(921, 633));
    EXPECT_EQ(view->maximumSize(), QSize(921, 633));
    EXPECT_FALSE(view->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(view->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(view->windowTitle(), "Halvorn's Unikey Wildcrest");
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_TRUE(view->autoFillBackground());
}

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutSays)
{
    bool belowTitle = true;
    for (const ControlSpec &entry : tableLayout()) {
        SCOPED_TRACE(entry.control.name());
        QWidget *w = view->widgetOf(entry.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), entry.control.name());
        const QPoint inWindow = w->mapTo(view.get(), QPoint(0, 0));
        EXPECT_EQ(inWindow, QPoint(entry.rect.left / 15, entry.rect.top / 15));
        EXPECT_EQ(w->size(), QSize(entry.rect.width / 15, entry.rect.height / 15));
        EXPECT_EQ(view->left(entry.control), entry.rect.left);
        EXPECT_EQ(view->top(entry.control), entry.rect.top);
        EXPECT_EQ(w->parentWidget(), entry.onTitleScreen ? view->widgetOf(Frame1) : view.get());
        // What the title screen covers is hidden while it is shown: a screen reader reads the title alone.
        belowTitle = belowTitle && entry.control != Frame1;
        EXPECT_EQ(w->isHidden(), !entry.visible || belowTitle);
    }
    view->setVisible(Frame1, false);
    for (const ControlSpec &entry : tableLayout()) {
        if (!entry.onTitleScreen && entry.control != Frame1) {
            EXPECT_EQ(view->widgetOf(entry.control)->isHidden(), !entry.visible) << entry.control.name();
        }
    }
    EXPECT_EQ(view->widgetOf(image(1))->geometry(), QRect(24, 416, 73, 97));
    EXPECT_EQ(view->widgetOf(image(23))->geometry(), QRect(824, 144, 73, 97));
    EXPECT_EQ(view->widgetOf(image(34))->geometry(), QRect(824, 40, 73, 97));
    EXPECT_EQ(view->widgetOf(Frame1)->geometry(), QRect(0, 0, 921, 633));
}

TEST_F(WindowTest, ControlsStackInLayoutOrder)
{
    // Siblings later in the layout come later among their parent's children: drawn above.
    int lastIndex = -1;
    for (const ControlSpec &entry : tableLayout()) {
        if (entry.onTitleScreen)
            continue;
        const int index = view->children().indexOf(view->widgetOf(entry.control));
        EXPECT_GT(index, lastIndex) << entry.control.name();
        lastIndex = index;
    }
    // The title screen covers the table while it is shown, and uncovers it when hidden.
    const QPoint belowTheHand(300, 620);
    EXPECT_EQ(view->grab().toImage().pixelColor(belowTheHand), QColor(Qt::white));
    view->setVisible(Frame1, false);
    EXPECT_EQ(view->grab().toImage().pixelColor(belowTheHand), QColor(0xC0, 0xFF, 0xC0));
}

TEST_F(WindowTest, LabelsAreOpaqueOnlyWithABackColour)
{
    auto *plate = qobject_cast<QLabel *>(view->widgetOf(Label2));
    ASSERT_NE(plate, nullptr);
    EXPECT_TRUE(plate->autoFillBackground());
    EXPECT_EQ(plate->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(plate->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    EXPECT_EQ(plate->frameShape(), QFrame::Box);

    auto *round = qobject_cast<QLabel *>(view->widgetOf(Label1));
    ASSERT_NE(round, nullptr);
    EXPECT_FALSE(round->autoFillBackground());
    EXPECT_EQ(round->frameShape(), QFrame::NoFrame);
}

TEST_F(WindowTest, EveryCaptionFitsItsLabel)
{
    // Including the longest texts the game later writes into them (a match can reach 1,900 points).
    std::vector<std::pair<Control, std::string>> captions { { Label1, "Round: 5 of 5" }, { Label16, "52" }, { Label4, "1900" } };
    for (const ControlSpec &entry : tableLayout())
        if (entry.control.kind == ControlKind::Label)
            captions.emplace_back(entry.control, entry.caption);
    for (const auto &[control, caption] : captions) {
        SCOPED_TRACE(control.name() + ": " + caption);
        auto *label = qobject_cast<QLabel *>(view->widgetOf(control));
        ASSERT_NE(label, nullptr);
        const int room = label->contentsRect().width();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(caption)), room);
    }
}

TEST_F(WindowTest, CaptionAndBackColourChange)
{
    view->setCaption(Label16, "37");
    EXPECT_EQ(qobject_cast<QLabel *>(view->widgetOf(Label16))->text(), "37");
    view->setBackColour(Label1, 0x00FF0000);
    EXPECT_TRUE(view->widgetOf(Label1)->autoFillBackground());
    EXPECT_EQ(view->widgetOf(Label1)->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_THROW(view->setCaption(Image45, "x"), std::invalid_argument);
}

TEST_F(WindowTest, MovesKeepTheTwipsExactly)
{
    const Twips start = view->top(playerslot(3));
    view->setTop(playerslot(3), start - 250);
    EXPECT_EQ(view->top(playerslot(3)), start - 250);
    EXPECT_EQ(view->widgetOf(playerslot(3))->y(), 399); // (6240 - 250) / 15 = 399.33
    view->setTop(playerslot(3), view->top(playerslot(3)) + 250);
    EXPECT_EQ(view->top(playerslot(3)), start);
    EXPECT_EQ(view->widgetOf(playerslot(3))->y(), 416);

    // Steps smaller than a pixel add up in twips, not in rounded pixels.
    for (int i = 0; i < 30; ++i)
        view->setLeft(Image49, view->left(Image49) + 7);
    EXPECT_EQ(view->left(Image49), 6120 + 210);
    EXPECT_EQ(view->widgetOf(Image49)->x(), 422);
    view->setLeft(Image49, 8); // 0.53 px rounds to the nearer pixel
    EXPECT_EQ(view->widgetOf(Image49)->x(), 1);
}

TEST_F(WindowTest, CentredOnItsScreen)
{
    view->centreWindow();
    const QRect screen = view->screen()->geometry();
    const QRect outer = view->frameGeometry();
    EXPECT_LE(std::abs(outer.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(outer.center().y() - screen.center().y()), 1);
}
