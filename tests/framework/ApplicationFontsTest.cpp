// The program's own faces: the test main registers the portable folder's fonts as the program
// does. CTest runs this also under a font configuration without Wine's fonts and without
// the system's aliases, where only the registration can make the names resolve.

#include "framework/qt/ApplicationFonts.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

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

} // namespace
