// The graphics interface drawn into images: gradients, paths, pens, text and pictures, and
// the pictures loaded from ANSI paths with the ANSI-to-UTF-16 conversion under them.

#include "TestPixels.h"

#include "framework/Gdiplus.h"
#include "ui/ImageObject.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace Gdiplus;

namespace {

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kBlack = 0xFF000000;

QImage Draw(int width, int height, const std::function<void(Graphics&)>& paint, QRgb background = kWhite)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    {
        Graphics graphics(&painter);
        paint(graphics);
    }
    painter.end();
    return image;
}

std::u16string Utf16(const QString& text)
{
    return text.toStdU16String();
}

std::string Ansi(const QString& text)
{
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

// A vertical gradient of 10 rows tiled over 30, and an empty one that fails and paints
// nothing. (One that spans its area: the gradient dialog's and the button faces' tests.)
TEST(Graphics, VerticalGradientTilesBeyondItsRectangleAndAnEmptyOneFails)
{
    const QImage image = Draw(20, 30, [](Graphics& g) {
        LinearGradientBrush tiled(Rect(0, 0, 10, 10), Color(kBlack), Color(kWhite),
                                  LinearGradientModeVertical);
        tiled.SetWrapMode(WrapModeTile);
        EXPECT_EQ(g.FillRectangle(&tiled, 0, 0, 10, 30), Ok);
        LinearGradientBrush empty(Rect(10, 0, 0, 10), Color(kBlack), Color(kBlack),
                                  LinearGradientModeVertical);
        EXPECT_EQ(empty.GetLastStatus(), InvalidParameter);
        EXPECT_NE(g.FillRectangle(&empty, 10, 0, 10, 10), Ok);
    });
    EXPECT_TRUE(Near(image.pixel(5, 12), image.pixel(5, 2), 2));
    EXPECT_TRUE(Near(image.pixel(5, 27), image.pixel(5, 7), 2));
    EXPECT_LT(qRed(image.pixel(5, 12)), qRed(image.pixel(5, 9)));
    EXPECT_EQ(image.pixel(15, 5), kWhite);
}

TEST(Graphics, ForwardDiagonalPinsBothColoursToTheCornersOfAWideRectangle)
{
    const QImage image = Draw(240, 24, [](Graphics& g) {
        LinearGradientBrush brush(Rect(0, 0, 240, 24), Color(kBlack), Color(kWhite),
                                  LinearGradientModeForwardDiagonal);
        g.FillRectangle(&brush, 0, 0, 240, 24);
    });
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_GE(qRed(image.pixel(239, 23)), 245);
    // Lines of equal colour follow the other diagonal: its two corners are both half way,
    // where a gradient perpendicular to the corner-to-corner line would be nearly white.
    EXPECT_TRUE(Near(image.pixel(239, 0), qRgb(127, 127, 127), 8));
    EXPECT_TRUE(Near(image.pixel(0, 23), qRgb(127, 127, 127), 8));
}

// A half-transparent one-pixel line, anti-aliased, covers only its row at half strength.
// (The pill and choice faces have the opaque ones, and the arcs of their outlines.)
TEST(Graphics, AntiAliasedOnePixelLineCoversExactlyItsRowAndKeepsTheAlphaOfItsColour)
{
    const QImage image = Draw(30, 10, [](Graphics& g) {
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        const Pen translucent(Color(0x80000000), 1);
        g.DrawLine(&translucent, 2, 8, 25, 8);
    });
    EXPECT_TRUE(Near(image.pixel(10, 8), qRgb(127, 127, 127), 2));
}

// The surface leaves the painter as it found it; one without a painter fails every operation.
TEST(Graphics, DrawingSurfaceLeavesThePainterAsItFoundIt)
{
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    {
        Graphics graphics(&painter);
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    }
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));

    Graphics without(static_cast<QPainter*>(nullptr));
    EXPECT_NE(without.GetLastStatus(), Ok);
    const SolidBrush brush{Color(kBlack)};
    EXPECT_NE(without.FillRectangle(&brush, 0, 0, 5, 5), Ok);
}

// An unknown family is unavailable, the generic sans serif always there.
TEST(Graphics, PointsAreConvertedAt96PixelsPerInchOnEveryDevice)
{
    const Font font(FontFamily::GenericSansSerif(), 8, FontStyleRegular, UnitPoint);
    ASSERT_TRUE(font.IsAvailable());
    for (const int dpi : {72, 96, 120, 192})
        EXPECT_NEAR(font.QtFont(dpi).pointSizeF() * dpi / 72, 8.0 * 96 / 72, 1e-6) << dpi;

    const FontFamily unknown(u"Navik No Such Family");
    EXPECT_FALSE(unknown.IsAvailable());
    EXPECT_EQ(unknown.GetLastStatus(), FontFamilyNotFound);
    EXPECT_FALSE(Font(&unknown, 8).IsAvailable());
}

TEST(Graphics, TextIsCentredOrNearAlignedInItsLayoutRectangle)
{
    for (const bool centred : {true, false}) {
        SCOPED_TRACE(centred ? "centred" : "near");
        const RectF layout(20, 10, 100, 30);
        const QImage image = Draw(140, 50, [&](Graphics& g) {
            const Font font(FontFamily::GenericSansSerif(), 8);
            StringFormat format;
            if (centred)
                format.SetAlignment(StringAlignmentCenter);
            format.SetLineAlignment(StringAlignmentCenter);
            const SolidBrush brush{Color(kBlack)};
            EXPECT_EQ(g.DrawString(u"HMH", centred ? -1 : 3, &font, layout, &format, &brush), Ok);
        });
        const QRect ink = InkBounds(image, [](QPoint, QRgb c) { return qRed(c) < 128; });
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(QRect(20, 10, 100, 30).contains(ink));
        EXPECT_NEAR(ink.center().y(), 25, 3);
        if (centred) {
            EXPECT_NEAR(ink.center().x(), 70, 3);
        } else {
            EXPECT_GE(ink.left(), 20);
            EXPECT_LE(ink.left(), 24);
        }
    }
}

// A missing picture is seen in the question dialog's tests (laid out and drawn as none) and
// behind the dialogs; one that cannot be decoded is as empty, and drawing it fails.
TEST(Graphics, UndecodableFileGivesAnImageOfSizeZeroThatDrawsNothing)
{
    const QTemporaryDir dir;
    QFile file(dir.filePath("broken.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const Image broken(Utf16(file.fileName()).c_str());
    EXPECT_EQ(broken.GetWidth(), 0u);
    EXPECT_EQ(broken.GetHeight(), 0u);
    EXPECT_NE(broken.GetLastStatus(), Ok);
    const QImage drawn = Draw(10, 10, [&](Graphics& g) {
        EXPECT_NE(g.DrawImage(&broken, 0, 0), Ok);
        EXPECT_NE(g.DrawImage(&broken, Rect(0, 0, 10, 10)), Ok);
    });
    EXPECT_EQ(drawn.pixel(0, 0), kWhite);
}

TEST(Graphics, PictureChangedOnDiskIsReadAnewAndAnUnchangedOneStaysTheSame)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp"); // the same size for every colour
    const auto save = [&](QColor colour, int side, const QDateTime& modified) {
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    const QDateTime start = QDateTime::currentDateTime().addSecs(-60);
    const auto expect = [&](QColor colour, unsigned side) {
        const Image image(Utf16(path).c_str());
        ASSERT_EQ(image.GetLastStatus(), Ok);
        EXPECT_EQ(image.GetWidth(), side);
        EXPECT_EQ(image.QtImage().pixelColor(0, 0), colour);
    };
    save(Qt::red, 4, start);
    expect(Qt::red, 4);
    expect(Qt::red, 4);
    save(Qt::blue, 6, start);
    expect(Qt::blue, 6);
    save(Qt::green, 6, start.addSecs(10)); // the same size, a later time
    expect(Qt::green, 6);
}

// A folder with Czech letters, and a path longer than 254 code units that is not cut.
TEST(ImageObject, LoadsFromAnAnsiPathWithCzechLettersWhateverItsLength)
{
    const QTemporaryDir dir;
    QString longFolder = dir.path();
    for (int i = 0; i < 5; ++i)
        longFolder += QLatin1Char('/') + QString(60, QChar(u'\u0159'));
    for (const QString& path :
         {dir.filePath(QStringLiteral("obr\u00E1zky/\u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148.gif")),
          longFolder + QStringLiteral("/ot\u00E1zka.gif")}) {
        SCOPED_TRACE(path.size());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(WriteTestGif(path));
        const ImageObject picture(Ansi(path));
        EXPECT_EQ(picture.GetLastStatus(), Ok);
        EXPECT_EQ(picture.GetWidth(), 3u);
        EXPECT_EQ(picture.GetHeight(), 2u);
    }
    EXPECT_GT(longFolder.size(), 300);
}
