// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen of twice the pixel density.
#include "table/qt/controlwidgets.h"
#include "testpictures.h"

#include <QApplication>
#include <cmath>

using namespace wildcrest;
using namespace wildcrest::testing;

TEST(HighDensity, ThePicturesDrawnForTheDensityArePixelForPixel)
{
    for (double scale : { 1.0, 1.5 }) {
        SCOPED_TRACE(scale);
        PictureDir pictures; // empty: the pictures of the density are drawn
        TableLook look;
        look.scale = scale;
        const double pictureScale = scale * 2;
        const QSize face(int(std::lround(71 * pictureScale)), int(std::lround(96 * pictureScale)));

        QtTableView view(pictures.path(), look);
        ASSERT_EQ(view.devicePixelRatio(), 2);
        EXPECT_EQ(view.pictureScale(), pictureScale);
        // The window is as large on the desk as on a normal screen at this scale.
        EXPECT_EQ(view.size(), QSize(int(std::lround(921 * scale)), int(std::lround(633 * scale))));
        view.setPicture(Image45, gamePicture(pictures.file("QH.bmp")));
        const auto *pile = static_cast<PictureWidget *>(view.widgetOf(Image45));
        EXPECT_EQ(pile->picture().size(), face);
        EXPECT_EQ(pile->picture().devicePixelRatio(), 2);

        // Shown as drawn, not enlarged: a row across the middle, pixel for pixel.
        view.setVisible(Frame1, false);
        const QImage shot = view.grab().toImage();
        const QImage drawn = pile->picture().toImage().convertToFormat(shot.format());
        EXPECT_EQ(shot.devicePixelRatio(), 2);
        const QPoint at = pile->mapTo(&view, QPoint(0, 0)) * 2;
        for (int x = 3; x < face.width() - 3; ++x) // inside the outline, where nothing is see-through
            ASSERT_EQ(shot.pixel(at + QPoint(x, face.height() / 2)), drawn.pixel(x, face.height() / 2)) << x;
    }
}

// Every window of these tests on a screen of twice the density, offscreen.
int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
