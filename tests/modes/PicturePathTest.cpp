// Picture file names from the question bank: kept inside the picture folder, with backslashes
// read as folder separators.

#include "modes/PicturePath.h"

#include <gtest/gtest.h>

TEST(PicturePathTest, NamesInsideThePictureFolder)
{
    EXPECT_EQ(PicturePath("/opt/navik/", "bojka"), "/opt/navik/obr/bojka.gif");
    EXPECT_EQ(PicturePath("/opt/navik/", "znacky\\zakaz"), "/opt/navik/obr/znacky/zakaz.gif");
    // Dots that are not a whole part lead nowhere else.
    EXPECT_EQ(PicturePath("/opt/navik/", "..a/b..."), "/opt/navik/obr/..a/b....gif");
}

TEST(PicturePathTest, NamesLeadingOutsideOrNamingNoFileGiveNoPath)
{
    for (const char* name :
         {"", "/etc/passwd", "\\Windows\\x", "\\\\server\\share\\x", "C:x", "c:\\x", "x:stream", "..", "../x",
          "..\\x", "a/../../x", "a\\..\\..\\x", "a/..", "a/./b", "a//b", "a/"}) {
        EXPECT_EQ(PicturePath("/opt/navik/", name), "") << name;
    }
}
