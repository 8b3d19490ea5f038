// Images loaded from ANSI paths, and the ANSI-to-UTF-16 conversion under them.

#include "TestPixels.h"

#include "framework/AnsiText.h"
#include "framework/qt/gdiplus/Graphics.h"
#include "ui/ImageObject.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::string Ansi(const QString& text)
{
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

TEST(AnsiText, ConvertsWindows1250ToUtf16)
{
    // Octal escapes, since the letters after them would extend a hex escape.
    EXPECT_EQ(AnsiToUtf16("U\350en\355"), u"U\u010Den\u00ED");
    EXPECT_EQ(AnsiToUtf16("Zkou\232en\355"), u"Zkou\u0161en\u00ED");
    EXPECT_EQ(AnsiToUtf16(""), u"");
}

TEST(AnsiText, ConvertsLongTextsWhole)
{
    const std::string ansi(1000, '\x9E');
    EXPECT_EQ(AnsiToUtf16(ansi), std::u16string(1000, u'\u017E'));
}

TEST(ImageObject, LoadsFromAnAnsiPathWithCzechLetters)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("obr\u00E1zky")));
    const QString path =
        dir.filePath(QStringLiteral("obr\u00E1zky/\u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148.gif"));
    ASSERT_TRUE(WriteTestGif(path));

    const auto picture = std::make_unique<ImageObject>(Ansi(path));
    EXPECT_EQ(picture->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(picture->GetWidth(), 3u);
    EXPECT_EQ(picture->GetHeight(), 2u);
}

TEST(ImageObject, PathsLongerThan254CodeUnitsAreNotCut)
{
    const QTemporaryDir dir;
    QString folder = dir.path();
    for (int i = 0; i < 5; ++i) {
        folder += QLatin1Char('/') + QString(60, QChar(u'\u0159'));
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    const QString path = folder + QStringLiteral("/ot\u00E1zka.gif");
    ASSERT_GT(path.size(), 300);
    ASSERT_TRUE(WriteTestGif(path));

    const auto picture = std::make_unique<ImageObject>(Ansi(path));
    EXPECT_EQ(picture->GetWidth(), 3u);
    EXPECT_EQ(picture->GetHeight(), 2u);
}

TEST(ImageObject, MissingFileGivesAPictureOfSizeZeroThatDrawsNothing)
{
    const QTemporaryDir dir;
    const auto picture = std::make_unique<ImageObject>(Ansi(dir.filePath("Logo.jpg")));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetWidth(), 0u);
    EXPECT_EQ(picture->GetHeight(), 0u);

    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        Gdiplus::Graphics graphics(&painter);
        EXPECT_NE(picture->Draw(graphics, 0, 0), Gdiplus::Ok);
        EXPECT_NE(picture->Draw(graphics, 0, 0, 20, 20), Gdiplus::Ok);
        EXPECT_NE(picture->GetLastStatus(), Gdiplus::Ok);
    }
    painter.end();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
}

TEST(ImageObject, DrawsAtItsOwnSizeOrStretched)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("picture.gif");
    ASSERT_TRUE(WriteTestGif(path));
    const auto picture = std::make_unique<ImageObject>(Ansi(path));

    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        Gdiplus::Graphics graphics(&painter);
        EXPECT_EQ(picture->Draw(graphics, 1, 1), Gdiplus::Ok);
        EXPECT_EQ(picture->Draw(graphics, 10, 10, 30, 30), Gdiplus::Ok);
    }
    painter.end();
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(4, 1), qRgb(255, 255, 255));
    // Stretched, each source pixel covers a block of 10 x 15; the smoothing only blends
    // its edges.
    EXPECT_TRUE(Near(image.pixel(15, 17), qRgb(255, 0, 0), 16));
    EXPECT_TRUE(Near(image.pixel(35, 17), qRgb(0, 0, 255), 16));
    EXPECT_TRUE(Near(image.pixel(25, 32), qRgb(0, 0, 0), 16));
    EXPECT_EQ(image.pixel(9, 20), qRgb(255, 255, 255));
}
