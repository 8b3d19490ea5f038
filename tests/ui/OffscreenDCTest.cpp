// The off-screen surface: capturing a context's pixels and handing the bitmap over. Copying
// it back (DrawBitmap) is seen in the dialog and button tests, whose backgrounds and kept
// faces are such copies.

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
