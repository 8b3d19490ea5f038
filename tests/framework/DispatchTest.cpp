// Message dispatch: window timers through a nested modal loop, a file error leaving a
// handler, and the cursor request.

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/Cursor.h"
#include "framework/DataExchange.h"
#include "framework/base/CFileException.h"
#include "framework/base/Resources.h"
#include "framework/qt/MessageDispatch.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include <QTest>

#include <cerrno>
#include <stdexcept>

namespace {

class DispatchTest : public GuiTest
{
};

// The results window: "Opravný test" opens a nested popup; a timer counts its ticks.
class TickingDialog : public CDialog
{
public:
    TickingDialog() : CDialog(IDD_RESULTS) { MapCommand(IDC_CORRECTION_TEST, &TickingDialog::OnNested); }

    int m_nTicks = 0;
    int m_nTicksDuringNested = 0;
    UINT_PTR m_lastTimer = 99;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(0, 10);
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override
    {
        m_lastTimer = id;
        ++m_nTicks;
    }

private:
    void OnNested()
    {
        struct Popup : CDialog
        {
            Popup() : CDialog(IDD_WRONG_ANSWER) {}
        } popup;
        const int before = m_nTicks;
        popup.DoModal();
        m_nTicksDuringNested = m_nTicks - before;
    }
};

TEST_F(DispatchTest, TimerKeepsTickingWhileANestedDialogIsOpen)
{
    TickingDialog dialog;
    RunModal(dialog, [&dialog](ModalDialog& modal) {
        OnNextModal([&dialog](ModalDialog& popup) {
            const int atOpen = dialog.m_nTicks;
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.m_nTicks >= atOpen + 3; }, 2000));
            popup.Click(IDOK);
        });
        modal.Click(IDC_CORRECTION_TEST);
        EXPECT_GE(dialog.m_nTicksDuringNested, 3);
        EXPECT_EQ(dialog.m_lastTimer, 0u);
        EXPECT_TRUE(dialog.KillTimer(0));
        EXPECT_FALSE(dialog.KillTimer(0));
        modal.Key(Qt::Key_Escape);
    });
}

// A dialog whose command and initialisation raise the storage's file error.
class FailingDialog : public CDialog
{
public:
    FailingDialog() : CDialog(IDD_RESULTS) { MapCommand(IDC_CORRECTION_TEST, &FailingDialog::OnSave); }

    bool m_bFailInInit = false;
    bool m_bAfterThrow = false;
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
    void OnSave()
    {
        AfxThrowFileException(CFileException::accessDenied, EACCES, "c:\\navik\\navik.cfg");
        m_bAfterThrow = true;
    }
};

TEST_F(DispatchTest, FileErrorFromACommandIsReportedAndTheDialogGoesOn)
{
    MessageBoxRecorder boxes;
    FailingDialog dialog;
    const int result = RunModal(dialog, [&](ModalDialog& modal) {
        modal.Click(IDC_CORRECTION_TEST);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], CString("Přístup k souboru „c:\\navik\\navik.cfg“ byl odepřen."));
        EXPECT_FALSE(dialog.m_bAfterThrow);
        EXPECT_TRUE(modal.Window()->isVisible());
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(DispatchTest, AHandlerThatThrowsLeavesNoMessageBehind)
{
    CWnd window;
    const std::function<LRESULT()> finished = [] { return LRESULT(42); };
    EXPECT_THROW(SendWindowMessage(
                     &window, []() -> LRESULT { throw std::out_of_range("no such question"); }, finished),
                 std::out_of_range);
    // The window handles no message now, so it has no default processing to run.
    EXPECT_EQ(RunDefaultProcessing(&window), 0);
}

TEST_F(DispatchTest, FileErrorFromInitialisationIsReportedAndTheDialogOpens)
{
    MessageBoxRecorder boxes;
    FailingDialog dialog;
    dialog.m_bFailInInit = true;
    const int result = RunModal(dialog, [](ModalDialog& modal) { modal.Key(Qt::Key_Escape); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(dialog.m_bInitialised);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], CString("Soubor „c:\\navik\\Demootazky.dat“ nebyl nalezen."));
}

// A button with a cursor of its own, on a dialog that gives the labels another one.
class HandButton : public CButton
{
public:
    HandButton() : m_hCursor(LoadCursorResource(IDC_HAND_BUTTON)) {}
    ~HandButton() override { DestroyCursor(m_hCursor); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) override
    {
        SetCursor(m_hCursor);
        return TRUE;
    }

private:
    HCURSOR m_hCursor;
};

class CursorDialog : public CDialog
{
public:
    CursorDialog() : CDialog(IDD_QUESTION) {}
    ~CursorDialog() override { DestroyCursor(m_hCursor); }

    HandButton m_btnBack;
    CWnd* m_pAskedFor = nullptr;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_BACK, m_btnBack); }
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override
    {
        m_pAskedFor = window;
        if (window->GetDlgCtrlID() == IDC_ANSWER_A) {
            SetCursor(m_hCursor);
            return TRUE;
        }
        return CDialog::OnSetCursor(window, hitTest, message);
    }

private:
    HCURSOR m_hCursor = LoadCursorResource(IDC_HAND_ANSWER);
};

TEST_F(DispatchTest, CursorRequestGoesToTheControlThenToTheDialog)
{
    CursorDialog dialog;
    RunModal(dialog, [&dialog](ModalDialog& modal) {
        QWidget* back = modal.Control(IDC_BACK);
        QTest::mouseMove(back, back->rect().center());
        EXPECT_EQ(back->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(back->cursor().hotSpot(), QPoint(0, 0));
        // The pointing hand as its art draws it: black where 'X', white where 'o', and
        // visible only there.
        const CursorArt* art = FindCursorArt(IDC_HAND_BUTTON);
        ASSERT_NE(art, nullptr);
        const QImage bits = back->cursor().bitmap().toImage();
        const QImage visible = back->cursor().mask().toImage();
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

        QWidget* answer = modal.Control(IDC_ANSWER_A);
        QTest::mouseMove(answer, QPoint(5, 5));
        EXPECT_EQ(dialog.m_pAskedFor, dialog.GetDlgItem(IDC_ANSWER_A));
        EXPECT_EQ(answer->cursor().shape(), Qt::BitmapCursor);
        CPoint position;
        GetCursorPos(&position);
        EXPECT_EQ(QPoint(position.x, position.y), answer->mapToGlobal(QPoint(5, 5)));

        QWidget* other = modal.Control(IDC_FIRST);
        QTest::mouseMove(other, other->rect().center());
        EXPECT_EQ(dialog.m_pAskedFor, dialog.GetDlgItem(IDC_FIRST));
        EXPECT_EQ(other->cursor().shape(), Qt::ArrowCursor);
        modal.Key(Qt::Key_Escape);
    });
}

} // namespace
