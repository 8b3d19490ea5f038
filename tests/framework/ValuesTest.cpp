// The framework's value types and seams that need no window: time spans, the clock taken
// over by a test, and the file error messages. (The report of a file error as a message box
// is seen in the dispatch test, the web address handed to the shell in the About box's.)

#include "framework/FileErrorReport.h"
#include "framework/base/CFileException.h"
#include "framework/base/CTime.h"
#include "framework/base/CTimeSpan.h"
#include "tests/support/TestSeams.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeSpanTest, FormatsHoursOfTheDayMinutesAndSeconds)
{
    EXPECT_EQ(CTimeSpan(0, 0, 19, 55).Format("%H:%M:%S"), CString("00:19:55"));
    EXPECT_EQ(CTimeSpan(3600).Format("%H:%M:%S"), CString("01:00:00"));
    // A day or more shows the hours within the day.
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).Format("%H:%M:%S"), CString("02:03:04"));
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).Format("%D %%"), CString("1 %"));
    EXPECT_EQ(CTimeSpan(90061).GetDays(), 1);
}

TEST(TimeTest, ClockCanBeSetAndRestored)
{
    {
        ClockOverride clock(1'000'000);
        const CTime start = CTime::GetCurrentTime();
        EXPECT_EQ(start.GetTime(), 1'000'000);
        clock.Advance(605);
        EXPECT_EQ((CTime::GetCurrentTime() - start).GetTotalSeconds(), 605);
        EXPECT_EQ((CTime::GetCurrentTime() - start).Format("%H:%M:%S"), CString("00:10:05"));
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
