// The program's own faces: the test main registers the portable folder's fonts as the program
// does. CTest runs this also under a font configuration without Wine's fonts and without
// the system's aliases, where only the registration can make the names resolve.

#include "framework/qt/ApplicationFonts.h"
#include "TempDir.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <fstream>

namespace {

QFontInfo Resolved(const char* face, bool bold)
{
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(11);
    font.setBold(bold);
    return QFontInfo(font);
}

TEST(ApplicationFonts, TheDialogFacesResolveToTheBundledOnes)
{
    struct Case
    {
        const char* face;
        const char* family;
    };
    for (const Case& c :
         {Case{"Tahoma", "Tahoma"}, Case{"MS Sans Serif", "Tahoma"}, Case{"Arial", "Liberation Sans"}}) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(Resolved(c.face, false).family(), QString::fromLatin1(c.family));
        EXPECT_EQ(Resolved(c.face, false).styleName(), QStringLiteral("Regular"));
        EXPECT_EQ(Resolved(c.face, true).family(), QString::fromLatin1(c.family));
        EXPECT_EQ(Resolved(c.face, true).styleName(), QStringLiteral("Bold"));
    }
}

TEST(ApplicationFonts, OnlyTheFolderFontFilesAreRegistered)
{
    TempDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(NAVIK_TEST_FONTS_DIR "/tahomabd.ttf"),
                            QString::fromStdString(dir.File("tahomabd.ttf"))));
    std::ofstream(dir.File("README")) << "not a font";
    std::ofstream(dir.File("broken.ttf")) << "not a font either";
    EXPECT_EQ(RegisterApplicationFonts(QString::fromStdString(dir.Path())), 1);
    EXPECT_EQ(RegisterApplicationFonts(QString::fromStdString(dir.File("missing"))), 0);
}

} // namespace
