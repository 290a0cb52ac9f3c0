// SPDX-License-Identifier: GPL-3.0-or-later
// The table at every scale, in high contrast, and as a screen reader is told it.
#include "settings/speeds.h"
#include "table/layout.h"
#include "table/qt/contrast.h"
#include "table/qt/controlwidgets.h"
#include "table/qt/offerframe.h"
#include "testpictures.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>

#include <array>
#include <cmath>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

int scaled(Twips t, double scale)
{
    return int(std::lround(t * scale / kTwipsPerPixel));
}

// A window in `look` over an empty folder: every picture of a look other than
// the game's own is drawn, none read.
struct LookView {
    PictureDir pictures;
    std::unique_ptr<QtTableView> view;

    explicit LookView(const TableLook &look)
        : view(std::make_unique<QtTableView>(pictures.path(), look))
    {
    }
};

TableLook atScale(double scale)
{
    TableLook look;
    look.scale = scale;
    return look;
}

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

QString text(QtTableView &view, Control c)
{
    return qobject_cast<QLabel *>(view.widgetOf(c))->text();
}

} // namespace

TEST(TableScale, EveryControlStandsAtItsTableUnitsTimesTheScale)
{
    for (double scale : kTableScales) {
        SCOPED_TRACE(scale);
        LookView table(atScale(scale));
        QtTableView &view = *table.view;
        EXPECT_EQ(view.scale(), scale);
        EXPECT_EQ(view.size(), QSize(scaled(kWindowWidth, scale), scaled(kWindowHeight, scale)));
        EXPECT_EQ(view.minimumSize(), view.maximumSize());
        for (const ControlSpec &entry : tableLayout()) {
            SCOPED_TRACE(entry.control.name());
            QWidget *w = view.widgetOf(entry.control);
            EXPECT_EQ(w->mapTo(&view, QPoint(0, 0)), QPoint(scaled(entry.rect.left, scale), scaled(entry.rect.top, scale)));
            EXPECT_EQ(w->size(), QSize(scaled(entry.rect.width, scale), scaled(entry.rect.height, scale)));
            // The game sees the same table units at every scale.
            EXPECT_EQ(view.left(entry.control), entry.rect.left);
            EXPECT_EQ(view.top(entry.control), entry.rect.top);
            if (auto *label = qobject_cast<QLabel *>(w); label && entry.font.points > 0) {
                EXPECT_EQ(label->font().pixelSize(), std::lround(entry.font.points * 96 / 72 * scale));
            }
        }
        // The lift of an offered card is 250 table units at any scale.
        view.setTop(playerslot(3), 6240 - 250);
        EXPECT_EQ(view.top(playerslot(3)), 5990);
        EXPECT_EQ(view.widgetOf(playerslot(3))->y(), scaled(5990, scale));
        // The built-in pictures are those drawn at the scale, shown pixel for pixel.
        const auto *back = static_cast<PictureWidget *>(view.widgetOf(Image46));
        EXPECT_EQ(back->picture().size(), QSize(scaled(1065, scale), scaled(1440, scale)));
        EXPECT_EQ(back->picture().devicePixelRatio(), 1.0);
    }
}

TEST(TableScale, AnotherLooksPicturesAreDrawnNotRead)
{
    TableLook look = atScale(2);
    look.cardStyle = CardStyle::LargeIndex;
    LookView table(look);
    table.view->setPicture(Image45, gamePicture(table.pictures.file("QH.bmp")));
    table.view->setPicture(Image46, gamePicture(table.pictures.file("8D.BMP")));
    for (Control c : { Image45, Image46 })
        EXPECT_EQ(static_cast<PictureWidget *>(table.view->widgetOf(c))->picture().size(), QSize(142, 192));
    // No picture at all is refused, not drawn as something.
    EXPECT_THROW(table.view->setPicture(Image45, Picture {}), PictureError);
}

TEST(TableScale, TheFrameAndTheOutlinesGrowWithTheTable)
{
    LookView table(atScale(3));
    QtTableView &view = *table.view;
    view.setVisible(Frame1, false); // the title screen gone, the pile is seen
    view.markOffer(Image45);
    const QRect pile = view.widgetOf(Image45)->geometry();
    const int width = 3 * OfferFrame::kWidth;
    EXPECT_EQ(view.offerFrame()->geometry(), pile.adjusted(-width, -width, width, width));
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixelColor(pile.center().x(), pile.top() - width), OfferFrame::kOuter);
    EXPECT_EQ(shot.pixelColor(pile.center().x(), pile.top() - 1), OfferFrame::kInner);
}

TEST(TableScale, FitAndAScaleTooLargeTakeTheLargestThatFitsTheScreen)
{
    EXPECT_EQ(fitScale(1280, 800), 1);
    EXPECT_EQ(fitScale(1920, 1040), 1.5); // 1382 x 950
    EXPECT_EQ(fitScale(1842, 1266), 2);
    EXPECT_EQ(fitScale(1841, 1266), 1.5);
    EXPECT_EQ(fitScale(3840, 2100), 3);
    EXPECT_EQ(fitScale(800, 600), 1) << "a screen too small still gets the table";

    TableLook look = atScale(3);
    EXPECT_EQ(scaleOnScreen(look, 1600, 1200), 1.5) << "no window larger than the screen";
    EXPECT_EQ(scaleOnScreen(atScale(1.5), 3840, 2100), 1.5) << "a scale that fits stays";
    look.fitScale = true;
    EXPECT_EQ(scaleOnScreen(look, 1920, 1040), 1.5);
}

TEST(TableScale, PicturesForEachDensity)
{
    EXPECT_EQ(pictureScaleFor(1), 1);
    EXPECT_EQ(pictureScaleFor(1.5 * 2), 3);
    EXPECT_EQ(pictureScaleFor(2.5 * 2), 5);
    EXPECT_EQ(pictureScaleFor(1.25), 1.5) << "drawn larger and made smaller, never enlarged";
    EXPECT_EQ(pictureScaleFor(9), 6);

    TableLook look;
    EXPECT_TRUE(ownPictures(look, 1));
    EXPECT_FALSE(ownPictures(look, 2));
    look.contrast = Contrast::High; // on the dark table the corners must be clear
    EXPECT_FALSE(ownPictures(look, 1));
    look.contrast = Contrast::Standard;
    look.fourColour = true;
    EXPECT_FALSE(ownPictures(look, 1));
}

TEST(HighContrast, ADarkTableWithLightTextAndMarkedPlates)
{
    TableLook look;
    look.contrast = Contrast::High;
    LookView table(look);
    QtTableView &view = *table.view;
    EXPECT_EQ(view.palette().color(QPalette::Window), kDarkTable);
    EXPECT_EQ(textColour(view.widgetOf(Label1)), kLightText);
    EXPECT_EQ(textColour(view.widgetOf(Label6)), kSignalYellow);
    // The title screen keeps its black on white.
    EXPECT_EQ(textColour(view.widgetOf(label(10))), QColor(Qt::black));
    EXPECT_EQ(view.widgetOf(Frame1)->palette().color(QPalette::Window), QColor(Qt::white));

    // The side to move: red, and the mark, which stays through a new caption.
    view.setBackColour(Label2, kRed);
    view.setBackColour(Label3, kBlack);
    EXPECT_EQ(text(view, Label2), kTurnMark + "Player");
    EXPECT_EQ(text(view, Label3), "Computer");
    EXPECT_EQ(view.widgetOf(Label2)->palette().color(QPalette::Window), kDeepRed);
    view.setCaption(Label2, "Player");
    EXPECT_EQ(text(view, Label2), kTurnMark + "Player");
    view.setBackColour(Label2, kBlack);
    view.setBackColour(Label3, kRed);
    EXPECT_EQ(text(view, Label2), "Player");
    EXPECT_EQ(text(view, Label3), kTurnMark + "Computer");

    // The offer frame: the light ring meets the dark table, and it is wider.
    view.setVisible(Frame1, false);
    view.markOffer(Image45);
    const QRect pile = view.widgetOf(Image45)->geometry();
    const QImage shot = view.grab().toImage();
    const int width = static_cast<OfferFrame *>(view.offerFrame())->frameWidth();
    EXPECT_GT(width, OfferFrame::kWidth);
    EXPECT_EQ(shot.pixelColor(pile.center().x(), pile.top() - width), OfferFrame::kInner);
    EXPECT_EQ(shot.pixelColor(pile.center().x(), pile.top() - 1), OfferFrame::kOuter);

    // It hugs a lifted card, which is narrower than its place: the hand's
    // outline, running behind the card, never shows inside the frame.
    view.setPicture(playerslot(1), Picture::face("TS"));
    view.setTop(playerslot(1), playerslotRect(1).top - kLift);
    view.markOffer(playerslot(1));
    const QRect card = view.widgetOf(playerslot(1))->geometry();
    const int outline = view.widgetOf(shape(3))->geometry().top() + 1;
    const QImage lifted = view.grab().toImage();
    EXPECT_EQ(lifted.pixelColor(card.left() + 71, outline), OfferFrame::kOuter);
    EXPECT_EQ(lifted.pixelColor(card.left() - 1, outline), OfferFrame::kOuter);
}

TEST(HighContrast, TheStandardTableIsAsItWas)
{
    LookView table(TableLook {});
    QtTableView &view = *table.view;
    view.setBackColour(Label2, kRed);
    EXPECT_EQ(text(view, Label2), "Player");
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(static_cast<OfferFrame *>(view.offerFrame())->frameWidth(), OfferFrame::kWidth);
}

namespace
{

// How colours look with a colour vision deficiency: the simulation of Machado,
// Oliveira and Fernandes (2009) at full severity, applied in linear RGB.
using Matrix = std::array<std::array<double, 3>, 3>;
const Matrix kProtanopia { { { 0.152286, 1.052583, -0.204868 }, { 0.114503, 0.786281, 0.099216 }, { -0.003882, -0.048116, 1.051998 } } };
const Matrix kDeuteranopia { { { 0.367322, 0.860646, -0.227968 }, { 0.280085, 0.672501, 0.047413 }, { -0.011820, 0.042940, 0.968881 } } };
const Matrix kTritanopia { { { 1.255528, -0.076749, -0.178779 }, { -0.078411, 0.930809, 0.147602 }, { 0.004733, 0.691367, 0.303900 } } };
const Matrix kTypical { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } };

double linear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of `colour` as seen through `vision`.
double luminance(const QColor &colour, const Matrix &vision)
{
    const std::array<double, 3> rgb { linear(colour.redF()), linear(colour.greenF()), linear(colour.blueF()) };
    std::array<double, 3> seen {};
    for (int i = 0; i < 3; ++i)
        seen[i] = std::clamp(vision[i][0] * rgb[0] + vision[i][1] * rgb[1] + vision[i][2] * rgb[2], 0.0, 1.0);
    return 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
}

// The contrast ratio of the accessibility guidelines, 1 to 21.
double contrast(const QColor &a, const QColor &b, const Matrix &vision)
{
    const double la = luminance(a, vision);
    const double lb = luminance(b, vision);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(HighContrast, ReadableWithEachCommonColourBlindness)
{
    const QColor plateText(Qt::yellow);
    const QColor red = shownColour(kRed, Paint::Back, Contrast::High);
    const QColor black = shownColour(kBlack, Paint::Back, Contrast::High);
    const QColor table = shownColour(kTableColour, Paint::Table, Contrast::High);
    for (const auto &[name, vision] : { std::pair { "typical", kTypical },
             std::pair { "protanopia", kProtanopia },
             std::pair { "deuteranopia", kDeuteranopia },
             std::pair { "tritanopia", kTritanopia } }) {
        SCOPED_TRACE(name);
        // Text: 4.5 to 1 at least.
        EXPECT_GE(contrast(plateText, red, vision), 4.5);
        EXPECT_GE(contrast(plateText, black, vision), 4.5);
        EXPECT_GE(contrast(shownColour(kSystemWindowText, Paint::Text, Contrast::High), table, vision), 4.5);
        EXPECT_GE(contrast(shownColour(kRed, Paint::Text, Contrast::High), table, vision), 4.5);
        // The frames and outlines: 3 to 1 at least against what they lie on.
        EXPECT_GE(contrast(OfferFrame::kInner, table, vision), 3);
        EXPECT_GE(contrast(OfferFrame::kOuter, QColor(Qt::white), vision), 3);
        EXPECT_GE(contrast(shownColour(kRed, Paint::Line, Contrast::High), table, vision), 3);
        EXPECT_GE(contrast(shownColour(0x0000C000, Paint::Line, Contrast::High), table, vision), 3);
    }
    // Red and black plates differ little for a protanope: that is why the mark is there.
    EXPECT_LT(contrast(red, black, kProtanopia), 3);
}

namespace
{

void showActive(QtTableView &view)
{
    view.show();
    view.activateWindow();
    QApplication::setActiveWindow(&view);
    view.yield();
}

} // namespace

// The focus following the offer is seen through AT-SPI in the real window
// (tests/e2e/screen-reader-on-x.sh): here no screen reader can listen.
TEST(ScreenReader, ControlsAreNamedAndNothingElseChanges)
{
    PictureDir pictures;
    QtTableView view(pictures.path());
    const std::string empty = pictures.write("Empty.bmp", solid(71, 96, Qt::green));
    const std::string seven = pictures.write("7H.bmp", solid(71, 96, Qt::white));
    const std::string ace = pictures.write("AS.bmp", solid(71, 96, Qt::white));
    const std::string eight = pictures.write("8D.BMP", solid(71, 96, Qt::white));
    showActive(view);
    ASSERT_FALSE(QAccessible::isActive());
    QWidget *focused = QApplication::focusWidget();

    view.setPicture(playerslot(1), gamePicture(seven));
    view.setPicture(playerslot(2), gamePicture(ace));
    for (int k = 3; k <= 22; ++k)
        view.setPicture(playerslot(k), gamePicture(empty));
    view.setCaption(Label16, "37");
    view.setCaption(Label1, "Round: 1 of 5");
    EXPECT_EQ(view.widgetOf(playerslot(1))->accessibleName(), "seven of hearts, card 1 of 2");
    EXPECT_EQ(view.widgetOf(playerslot(2))->accessibleName(), "ace of spades, card 2 of 2");
    EXPECT_EQ(view.widgetOf(Image46)->accessibleName(), "Deck: 37 cards");
    EXPECT_EQ(view.widgetOf(Label1)->accessibleName(), "Round 1 of 5");
    EXPECT_EQ(view.widgetOf(image(51))->accessibleName(), "Wildcrest");

    // A suit on offer: the pile is named for it. Without a listener the focus stays.
    view.setPicture(Image45, gamePicture(eight));
    view.focusOffer(Image45);
    EXPECT_EQ(view.widgetOf(Image45)->accessibleName(), "diamonds, name a suit");
    EXPECT_EQ(QApplication::focusWidget(), focused);
    view.focusOffer(std::nullopt);
    EXPECT_EQ(view.widgetOf(Image45)->accessibleName(), "Pile: eight, diamonds named");
}
