#include "TestPixels.h"

#include <QFile>

#include <cstdlib>

namespace {

// Made with ImageMagick from a 3 x 2 PPM.
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf2, 0x04, 0x00,
                              0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff,
                              0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9,
                              0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00,
                              0x02, 0x00, 0x00, 0x03, 0x04, 0x18, 0x32, 0x04, 0x91, 0x00, 0x3b};

} // namespace

bool Near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QRect InkBounds(const QImage& image, const PixelTest& ink)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ink(QPoint(x, y), image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int CountPixels(const QImage& image, const QRect& area, const PixelTest& counts)
{
    const QRect clipped = area & image.rect();
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += counts(QPoint(x, y), image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool WriteTestGif(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(kGif), sizeof kGif) == qint64(sizeof kGif);
}
