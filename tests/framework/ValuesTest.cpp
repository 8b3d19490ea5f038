// The framework's value types and seams that need no window: the clock taken over by a test
// and the file error messages. (The report of a file error as a message box
// is seen in the dispatch test, the web address handed to the shell in the About box's.)

#include "framework/FileErrorReport.h"
#include "framework/base/CFileException.h"
#include "framework/base/CTime.h"
#include "tests/support/TestSeams.h"

#include <gtest/gtest.h>

namespace {

// The program reads only the current time; time spans and their formats are the framework's
// and unused. (A clock moved on by the test: the exam window's count-down.)
TEST(TimeTest, ClockCanBeSetAndRestored)
{
    {
        ClockOverride clock(1'000'000);
        EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1'000'000);
    }
    EXPECT_GT(CTime::GetCurrentTime().GetTime(), 1'600'000'000);
}

TEST(FileErrorTest, MessageNamesTheFileAndTheCause)
{
    EXPECT_EQ(FileErrorMessage(CFileException(CFileException::diskFull, 28, "c:\\navik\\navik.cfg")),
              CString("Soubor „c:\\navik\\navik.cfg“ nelze zapsat, protože disk je plný."));
    EXPECT_EQ(FileErrorMessage(CFileException(CFileException::genericException, -1, "x.dat")),
              CString("Při práci se souborem „x.dat“ došlo k chybě."));
    EXPECT_EQ(FileErrorMessage(CFileException(CFileException::fileNotFound)),
              CString("Soubor „(bez názvu)“ nebyl nalezen."));
}

} // namespace
