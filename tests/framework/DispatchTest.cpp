// Message dispatch: a file error leaving a handler, and the message it reports; the hand
// cursor's look; the clock taken over by a test. (Window timers ticking through a nested modal
// loop: the question window's count-down behind its popup in the exam window's test; the web
// address handed to the shell: the About box's test.)

#include "framework/CDialog.h"
#include "framework/Cursor.h"
#include "framework/FileErrorReport.h"
#include "framework/base/CFileException.h"
#include "framework/base/CTime.h"
#include "framework/base/Resources.h"
#include "framework/qt/Artwork.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <cerrno>
#include <vector>

namespace {

using DispatchTest = GuiTest;

// A dialog whose command and initialisation raise the storage's file error.
class FailingDialog : public CDialog
{
public:
    FailingDialog() : CDialog(IDD_RESULTS) { MapCommand(IDC_CORRECTION_TEST, &FailingDialog::OnSave); }

    bool m_bFailInInit = false;
    bool m_bInitialised = false;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_bFailInInit)
            AfxThrowFileException(CFileException::fileNotFound, ENOENT, "c:\\navik\\Demootazky.dat");
        m_bInitialised = true;
        return TRUE;
    }

private:
    void OnSave() { AfxThrowFileException(CFileException::accessDenied, EACCES, "c:\\navik\\navik.cfg"); }
};

// A file error leaving a command or the initialisation is reported; the dialog goes on, or
// opens without the rest of its initialisation.
TEST_F(DispatchTest, FileErrorFromACommandOrTheInitialisationIsReportedAndTheDialogGoesOn)
{
    for (const bool inInit : {false, true}) {
        SCOPED_TRACE(inInit ? "initialisation" : "command");
        MessageBoxRecorder boxes;
        FailingDialog dialog;
        dialog.m_bFailInInit = inInit;
        const int result = RunModal(dialog, [&](ModalDialog& modal) {
            if (!inInit)
                modal.Click(IDC_CORRECTION_TEST);
            EXPECT_TRUE(modal.Window()->isVisible());
            modal.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<CString>{inInit ? "Soubor „c:\\navik\\Demootazky.dat“ nebyl nalezen."
                                              : "Přístup k souboru „c:\\navik\\navik.cfg“ byl odepřen."});
        EXPECT_EQ(dialog.m_bInitialised, !inInit);
    }
}

// The pointing hand as its art draws it: black where 'X', white where 'o', and visible only
// there. (Which control's cursor shows, and the dialog asked for those without their own: the
// pill buttons' and the question window's tests.)
TEST(CursorTest, TheHandIsDrawnAsItsArt)
{
    const HCURSOR hand = LoadCursorResource(IDC_HAND_BUTTON);
    const CursorArt* art = FindCursorArt(IDC_HAND_BUTTON);
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(art, nullptr);
    const QCursor* cursor = CursorToQt(hand);
    EXPECT_EQ(cursor->hotSpot(), QPoint(0, 0));
    const QImage bits = cursor->bitmap().toImage();
    const QImage visible = cursor->mask().toImage();
    ASSERT_EQ(bits.size(), QSize(CursorArt::kSize, CursorArt::kSize));
    int differing = 0;
    for (int y = 0; y < CursorArt::kSize; ++y) {
        for (int x = 0; x < CursorArt::kSize; ++x) {
            const char pixel = art->rows[y][x];
            differing += (bits.pixel(x, y) == qRgb(0, 0, 0)) != (pixel == 'X');
            differing += (visible.pixel(x, y) == qRgb(0, 0, 0)) != (pixel == 'X' || pixel == 'o');
        }
    }
    EXPECT_EQ(differing, 0);
    DestroyCursor(hand);
}

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
