// The off-screen surface: capturing a context's pixels, handing the bitmap over, and
// copying it back.

#include "ui/OffscreenDC.h"
#include "framework/qt/QtHandles.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A context on an image whose every pixel is different.
struct PatternContext
{
    QImage image{20, 10, QImage::Format_ARGB32_Premultiplied};
    QPainter painter;
    QtDC dc{&painter, &image};

    PatternContext()
    {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 10, y * 20, 100));
        }
        painter.begin(&image);
    }
};

} // namespace

// The released bitmap outlives the context with the copied pixels, and the released context
// no longer draws into it.
TEST(OffscreenDC, ReleasedBitmapOutlivesTheContextWithTheCopiedPixels)
{
    PatternContext source;
    const QImage pattern = source.image.copy();
    std::unique_ptr<CBitmap> bitmap;
    {
        OffscreenDC offscreen(20, 10, &source.dc);
        EXPECT_TRUE(offscreen.BitBlt(0, 0, 20, 10, &source.dc, 0, 0, SRCCOPY));
        bitmap = offscreen.ReleaseBitmap();
        EXPECT_EQ(PainterOf(&offscreen), nullptr);
        EXPECT_EQ(offscreen.ReleaseBitmap(), nullptr);
        const QImage before = ImageOf(bitmap.get())->copy();
        source.image.fill(Qt::black);
        EXPECT_FALSE(offscreen.BitBlt(0, 0, 20, 10, &source.dc, 0, 0, SRCCOPY));
        EXPECT_EQ(*ImageOf(bitmap.get()), before);
    }
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->GetWidth(), 20);
    ASSERT_EQ(bitmap->GetHeight(), 10);
    for (const QPoint p : {QPoint(0, 0), QPoint(19, 0), QPoint(7, 4), QPoint(19, 9)})
        EXPECT_EQ(ImageOf(bitmap.get())->pixel(p), pattern.pixel(p)) << p.x() << "," << p.y();
}

TEST(OffscreenDC, TakesTheMappingModeOfItsReferenceAndWorksWithoutOne)
{
    PatternContext source;
    constexpr int kOtherMode = MM_TEXT + 1;
    source.dc.SetMapMode(kOtherMode);
    EXPECT_EQ(OffscreenDC(4, 4, &source.dc).GetMapMode(), kOtherMode);

    OffscreenDC offscreen(6, 3);
    const std::unique_ptr<CBitmap> bitmap = offscreen.ReleaseBitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->GetWidth(), 6);
    EXPECT_EQ(bitmap->GetHeight(), 3);
}

// A bitmap covers exactly its own size from the point, translucent pixels copied as they are.
TEST(DrawBitmap, CoversExactlyItsOwnSizeFromThePoint)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 10, 5));
    ImageOf(&bitmap)->fill(qRgb(255, 0, 0));
    CBitmap clear;
    ASSERT_TRUE(clear.CreateCompatibleBitmap(nullptr, 2, 2));
    ImageOf(&clear)->fill(Qt::transparent);

    QImage target(40, 30, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    QtDC dc(&painter, &target);
    DrawBitmap(&bitmap, &dc, CPoint(7, 3));
    DrawBitmap(&clear, &dc, CPoint(30, 20));
    painter.end();

    for (const QPoint p : {QPoint(7, 3), QPoint(16, 3), QPoint(7, 7), QPoint(16, 7)})
        EXPECT_EQ(target.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(6, 3), QPoint(17, 3), QPoint(7, 2), QPoint(7, 8), QPoint(32, 22)})
        EXPECT_EQ(target.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
    EXPECT_EQ(qAlpha(target.pixel(30, 20)), 0);
}
