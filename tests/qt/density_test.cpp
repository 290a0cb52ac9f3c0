// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen of twice the pixel density.
#include "table/qt/controlwidgets.h"
#include "testpictures.h"

#include <QApplication>
#include <QDir>

using namespace wildcrest;
using namespace wildcrest::testing;

TEST(HighDensity, ThePicturesDrawnForTheDensityArePixelForPixel)
{
    for (double scale : { 1.0, 1.5 }) {
        SCOPED_TRACE(scale);
        PictureDir pictures;
        TableLook look;
        look.scale = scale;
        const double pictureScale = scale * 2;
        // The drawn built-ins and one face, each in its own colour.
        for (const ControlSpec &entry : tableLayout())
            if (!entry.builtInPicture.empty()) {
                const QString path = QString::fromStdString(lookPicturePath(pictures.file(entry.builtInPicture), look, pictureScale));
                QDir().mkpath(QFileInfo(path).absolutePath());
                const int w = int(std::lround(entry.rect.width * pictureScale / kTwipsPerPixel));
                const int h = int(std::lround(entry.rect.height * pictureScale / kTwipsPerPixel));
                ASSERT_TRUE(solid(w, h, Qt::darkBlue).save(path, "PNG"));
            }
        QImage face = solid(int(std::lround(71 * pictureScale)), int(std::lround(96 * pictureScale)), Qt::white);
        // A one-pixel line that a smoothed enlargement would blur.
        for (int y = 0; y < face.height(); ++y)
            face.setPixelColor(7, y, Qt::black);
        const QString facePath = QString::fromStdString(lookPicturePath(pictures.file("QH.bmp"), look, pictureScale));
        QDir().mkpath(QFileInfo(facePath).absolutePath());
        ASSERT_TRUE(face.save(facePath, "PNG"));

        QtTableView view(pictures.path(), look);
        ASSERT_EQ(view.devicePixelRatio(), 2);
        EXPECT_EQ(view.pictureScale(), pictureScale);
        // The window is as large on the desk as on a normal screen at this scale.
        EXPECT_EQ(view.size(), QSize(int(std::lround(921 * scale)), int(std::lround(633 * scale))));
        view.setPicture(Image45, gamePicture(pictures.file("QH.bmp")));
        const auto *pile = static_cast<PictureWidget *>(view.widgetOf(Image45));
        EXPECT_EQ(pile->picture().size(), face.size());
        EXPECT_EQ(pile->picture().devicePixelRatio(), 2);

        // Drawn as it is: the line stays one screen pixel wide and black.
        view.setVisible(Frame1, false);
        const QImage shot = view.grab().toImage();
        EXPECT_EQ(shot.devicePixelRatio(), 2);
        const QPoint at = pile->mapTo(&view, QPoint(0, 0)) * 2 + QPoint(7, 20);
        EXPECT_EQ(shot.pixelColor(at), QColor(Qt::black));
        EXPECT_EQ(shot.pixelColor(at + QPoint(1, 0)), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(at - QPoint(1, 0)), QColor(Qt::white));
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
