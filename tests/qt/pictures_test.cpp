// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: loaded fresh from disk, drawn as they are, refused when broken.
#include "table/qt/controlwidgets.h"
#include "table/qt/picturefile.h"
#include "testpictures.h"

#include <QBuffer>
#include <QFile>

using namespace wildcrest;
using namespace wildcrest::testing;

using PictureTest = ViewTest;

namespace
{

// Throws unless setPicture refuses with the full path of the file.
void expectRefused(QtTableView &view, const std::string &path)
{
    try {
        view.setPicture(Image45, gamePicture(path));
        ADD_FAILURE() << "accepted " << path;
    } catch (const PictureError &e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
}

} // namespace

TEST_F(PictureTest, BrokenFilesAreRefusedWithTheirPath)
{
    expectRefused(*view, pictures.file("QH.bmp")); // missing
    expectRefused(*view, pictures.writeBytes("Empty.bmp", {}));
    expectRefused(*view, pictures.writeBytes("Card.bmp", "these are not the pixels of a card\n"));
    expectRefused(*view, pictures.writeBytes("4C.bmp", "BM"));

    const std::string whole = pictures.write("KS.bmp", solid(71, 96, Qt::green));
    QFile f(QString::fromStdString(whole));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    expectRefused(*view, pictures.writeBytes("2C.bmp", bytes.left(bytes.size() - 1)));
    expectRefused(*view, pictures.writeBytes("3C.bmp", bytes.left(54)));
    EXPECT_NO_THROW(view->setPicture(Image45, gamePicture(whole)));
}

TEST(BmpCheck, SeesCutOffPixelRows)
{
    for (QImage::Format format : { QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_Indexed8, QImage::Format_Mono }) {
        SCOPED_TRACE(int(format));
        QImage image = solid(71, 96, Qt::white).convertToFormat(format);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(image.save(&buffer, "BMP"));
        EXPECT_TRUE(bmpComplete(bytes));
        EXPECT_FALSE(bmpComplete(bytes.left(bytes.size() - 4)));
    }
}

TEST_F(PictureTest, TheWindowsOwnPicturesAreShownFromTheStartWithoutAnyFile)
{
    // No picture file lies anywhere near this window: its own are compiled in.
    for (const ControlSpec &entry : tableLayout()) {
        if (entry.builtInPicture.empty())
            continue;
        SCOPED_TRACE(entry.control.name());
        const auto *widget = static_cast<PictureWidget *>(view->widgetOf(entry.control));
        ASSERT_FALSE(widget->picture().isNull());
        const QImage expected(QString::fromStdString(QtTableView::builtInPicturePath(entry.builtInPicture)));
        EXPECT_EQ(widget->picture().size(), expected.size());
        EXPECT_EQ(widget->picture().toImage().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(QImage(QString::fromStdString(QtTableView::builtInPicturePath("Back.bmp"))).size(), QSize(71, 96));
    EXPECT_FALSE(view->windowIcon().isNull());
    EXPECT_TRUE(static_cast<PictureWidget *>(view->widgetOf(Image45))->picture().isNull());
}

TEST_F(PictureTest, DrawnUnscaledFromTheTopLeft)
{
    // A 71 x 96 card with a checked corner at each end, in a 73 x 97 place.
    QImage card = solid(71, 96, Qt::white);
    card.setPixelColor(0, 0, Qt::black);
    card.setPixelColor(1, 0, Qt::red);
    card.setPixelColor(0, 1, Qt::blue);
    card.setPixelColor(70, 95, Qt::black);
    card.setPixelColor(69, 95, Qt::red);
    view->setPicture(playerslot(1), gamePicture(pictures.write("AS.bmp", card)));

    view->setVisible(Frame1, false);
    const QImage shot = view->widgetOf(playerslot(1))->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(73, 97));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(70, 95), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(69, 95), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(35, 50), QColor(Qt::white));

    // Beyond the picture the table shows through.
    const QImage table = view->grab().toImage();
    const QPoint corner = view->widgetOf(playerslot(1))->pos();
    EXPECT_EQ(table.pixelColor(corner + QPoint(70, 95)), QColor(Qt::black));
    EXPECT_EQ(table.pixelColor(corner + QPoint(72, 96)), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(table.pixelColor(corner + QPoint(71, 40)), QColor(0xC0, 0xFF, 0xC0));
}

TEST_F(PictureTest, ReadFromDiskEveryTime)
{
    // Rewritten in place within the same second: a cache keyed on name and time would miss it.
    const std::string path = pictures.write("2C.bmp", solid(71, 96, Qt::red));
    view->setPicture(Image45, gamePicture(path));
    pictures.write("2C.bmp", solid(71, 96, Qt::blue));
    view->setPicture(Image45, gamePicture(path));
    const auto *pile = static_cast<PictureWidget *>(view->widgetOf(Image45));
    EXPECT_EQ(pile->picture().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

TEST_F(PictureTest, OutlineDrawnInItsLineColour)
{
    view->setVisible(Frame1, false);
    const QImage table = view->grab().toImage();
    const QRect pile = view->widgetOf(Shape2)->geometry();
    EXPECT_EQ(table.pixelColor(pile.topLeft()), QColor(Qt::red));
    EXPECT_EQ(table.pixelColor(pile.bottomRight()), QColor(Qt::red));
    EXPECT_EQ(table.pixelColor(pile.left() + 1, pile.center().y()), QColor(Qt::red));
    EXPECT_EQ(table.pixelColor(pile.left() + 4, pile.top() + 4), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(table.pixelColor(pile.center()), QColor(0xC0, 0xFF, 0xC0));
}
