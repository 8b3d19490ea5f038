#include "QuestionDialog.h"

#include "WrongAnswerDialog.h"
#include "app/framework/CDC.h"
#include "app/framework/Cursor.h"
#include "app/framework/DataExchange.h"
#include "model/ModelObjects.h"
#include "modes/PicturePath.h"
#include "res/resource.h"
#include "ui/Gdiplus.h"
#include "ui/ImageObject.h"

#include <algorithm>
#include <limits>

namespace {

constexpr UINT_PTR kClockTimer = 0;
constexpr UINT kClockPeriodMs = 500;
// Slot height below which a text no longer shows even one line in the 20-pixel font;
// a picture taller than the window would otherwise make the slots negative.
constexpr int kMinimumSlotHeight = 45;

const int kTextControls[4] = {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};

} // namespace

QuestionDialog::QuestionDialog() : GradientDialog(IDD_QUESTION, nullptr)
{
    MapCommand(IDC_FIRST, &QuestionDialog::OnFirst);
    MapCommand(IDC_PREV_TEN, &QuestionDialog::OnPrevTen);
    MapCommand(IDC_PREV, &QuestionDialog::OnPrev);
    MapCommand(IDC_NEXT, &QuestionDialog::OnNext);
    MapCommand(IDC_NEXT_TEN, &QuestionDialog::OnNextTen);
    MapCommand(IDC_LAST, &QuestionDialog::OnLast);
    MapCommand(IDC_BACK, &QuestionDialog::OnBack);
    MapCommand(IDC_ANSWER_A, &QuestionDialog::OnAnswerA);
    MapCommand(IDC_ANSWER_B, &QuestionDialog::OnAnswerB);
    MapCommand(IDC_ANSWER_C, &QuestionDialog::OnAnswerC);
}

QuestionDialog::~QuestionDialog() = default;

void QuestionDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_NEXT_TEN, m_btnNextTen);
    DDX_Control(dx, IDC_PREV_TEN, m_btnPrevTen);
    DDX_Control(dx, IDC_TIME, m_time);
    DDX_Control(dx, IDC_BACK, m_btnBack);
    DDX_Control(dx, IDC_PREV, m_btnPrev);
    DDX_Control(dx, IDC_NEXT, m_btnNext);
    DDX_Control(dx, IDC_LAST, m_btnLast);
    DDX_Control(dx, IDC_FIRST, m_btnFirst);
    DDX_Control(dx, IDC_PICTURE_MARKER, m_pictureMarker);
    for (int i = 0; i < 4; ++i)
        DDX_Control(dx, kTextControls[i], m_text[i]);
    DDX_Text(dx, IDC_QUESTION_TEXT, m_strQuestion);
    DDX_Text(dx, IDC_ANSWER_A, m_strAnswerA);
    DDX_Text(dx, IDC_ANSWER_B, m_strAnswerB);
    DDX_Text(dx, IDC_ANSWER_C, m_strAnswerC);
    DDX_Text(dx, IDC_TIME, m_strTime);
}

BOOL QuestionDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetGradientColors(LightBlue, White);

    m_startTime = CTime::GetCurrentTime();
    SetClockText("00:00:00");

    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "Arial");
    SetFont(&m_font);

    if (m_bLearning) {
        SetWindowText("Vůdce malého plavidla - režim učení");
    } else {
        SetWindowText("Vůdce malého plavidla - režim zkoušení");
        for (CWnd* button : {static_cast<CWnd*>(&m_btnFirst), static_cast<CWnd*>(&m_btnPrev),
                             static_cast<CWnd*>(&m_btnNext), static_cast<CWnd*>(&m_btnLast),
                             static_cast<CWnd*>(&m_btnPrevTen), static_cast<CWnd*>(&m_btnNextTen)})
            button->ShowWindow(SW_HIDE);
        const Settings& s = theSettings;
        m_nQuestion = s.m_testPos >= 0 && s.m_testPos < s.m_testCount ? s.m_test[s.m_testPos] : 0;
    }

    GetClientRect(&m_rcClient);
    CRect marker;
    m_pictureMarker.GetWindowRect(&marker);
    ScreenToClient(&marker);
    m_nPictureLeft = marker.left;
    CRect first;
    m_btnFirst.GetWindowRect(&first);
    m_nAreaHeight = m_rcClient.Height() - first.Height() - 10;
    CRect question;
    m_text[0].GetWindowRect(&question);
    m_nQuestionWidth = question.Width();

    ShowQuestion();

    if (ClockRuns())
        SetTimer(kClockTimer, kClockPeriodMs);
    else
        m_time.ShowWindow(SW_HIDE);
    return TRUE;
}

const Question* QuestionDialog::ShownQuestion() const
{
    if (m_nQuestion < 0 || m_nQuestion >= theQuestionBank.GetSize())
        return nullptr;
    return &theQuestionBank[m_nQuestion];
}

void QuestionDialog::ShowQuestion()
{
    // An index outside the bank (an empty bank, or a stale stored test) shows empty texts.
    static const Question kNoQuestion;
    const Question& q = ShownQuestion() ? *ShownQuestion() : kNoQuestion;

    m_strQuestion = q.m_strText[0];
    m_nCorrect = q.m_nAnswer;
    const bool correctKnown = m_nCorrect >= 0 && m_nCorrect <= 2;
    if (!m_bLearning || theSettings.m_bUShowAll) {
        m_strAnswerA = "a) " + q.m_strText[1];
        m_strAnswerB = "b) " + q.m_strText[2];
        m_strAnswerC = "c) " + q.m_strText[3];
    } else {
        m_strAnswerA = correctKnown ? CString(q.m_strText[m_nCorrect + 1]) : CString();
        m_strAnswerB.clear();
        m_strAnswerC.clear();
    }

    int slot = (m_nAreaHeight - 25) / 4;
    int width = m_rcClient.Width() - 15;
    int y = 5;
    if (q.m_nPicture != 0) {
        m_pPicture.reset();
        m_pPicture = std::make_unique<ImageObject>(PicturePath(theSettings.m_strExeDir, q.m_strPicture));
        const int pictureWidth = int(m_pPicture->GetWidth());
        if (m_rcClient.Width() - m_nPictureLeft - 5 >= pictureWidth) {
            m_nPictureX = m_nPictureLeft;
            width = m_nQuestionWidth - 5;
        } else {
            m_nPictureX = 5;
            const int pictureHeight = int(m_pPicture->GetHeight());
            y = pictureHeight + 10;
            slot = (m_nAreaHeight - pictureHeight - 30) / 4;
            if (slot < kMinimumSlotHeight) {
                // The slots keep their minimum height and end where they always end, over the
                // lower part of the picture, rather than below the bottom of the window.
                slot = kMinimumSlotHeight;
                y = m_nAreaHeight - 20 - 4 * slot;
            }
        }
    }

    for (CStatic& text : m_text) {
        text.MoveWindow(10, y, width, slot - 10, TRUE);
        y += slot + 5;
    }
    Invalidate(TRUE);
    UpdateData(FALSE);
}

BOOL QuestionDialog::OnEraseBkgnd(CDC* dc)
{
    GradientDialog::OnEraseBkgnd(dc);
    const Question* q = ShownQuestion();
    if (q && q->m_nPicture != 0 && m_pPicture) {
        Gdiplus::Graphics graphics(dc);
        m_pPicture->Draw(graphics, m_nPictureX, 5);
    }
    return TRUE;
}

HBRUSH QuestionDialog::OnCtlColor(CDC* dc, CWnd* control, UINT controlKind)
{
    LOGFONT description;
    m_font.GetLogFont(&description);
    description.lfHeight = 20;
    GradientDialog::OnCtlColor(dc, control, controlKind);

    const int id = control->GetDlgCtrlID();
    if (id == IDC_QUESTION_TEXT)
        description.lfWeight = FW_BOLD;
    if (m_bLearning && theSettings.m_bUShowAll) {
        const bool holdsCorrect = (m_nCorrect == 0 && id == IDC_ANSWER_A) ||
                                  (m_nCorrect == 1 && id == IDC_ANSWER_B) ||
                                  (m_nCorrect == 2 && id == IDC_ANSWER_C);
        if (holdsCorrect)
            description.lfWeight = FW_BOLD;
    } else {
        description.lfWeight = FW_BOLD;
    }

    if (id == IDC_QUESTION_TEXT || id == IDC_ANSWER_A || id == IDC_ANSWER_B || id == IDC_ANSWER_C ||
        id == IDC_TIME) {
        // The context keeps the description, so the font need live only for this request.
        CFont font;
        font.CreateFontIndirect(&description);
        dc->SelectObject(&font);
    } else {
        dc->SelectObject(&m_font);
    }
    return GetStockObject(NULL_BRUSH);
}

void QuestionDialog::GoTo(long long question)
{
    const long long last = theQuestionBank.GetSize() - 1;
    m_nQuestion = int(std::clamp(question, 0LL, std::max(last, 0LL)));
    ShowQuestion();
}

void QuestionDialog::OnFirst()
{
    GoTo(0);
}
void QuestionDialog::OnPrevTen()
{
    GoTo(m_nQuestion - 10LL);
}
void QuestionDialog::OnPrev()
{
    GoTo(m_nQuestion - 1LL);
}
void QuestionDialog::OnNext()
{
    GoTo(m_nQuestion + 1LL);
}
void QuestionDialog::OnNextTen()
{
    GoTo(m_nQuestion + 10LL);
}
void QuestionDialog::OnLast()
{
    GoTo(theQuestionBank.GetSize() - 1LL);
}

BOOL QuestionDialog::OnDialogKey(UINT virtualKey)
{
    if (m_bLearning) {
        switch (virtualKey) {
        case VK_LEFT:
            OnPrev();
            return TRUE;
        case VK_RIGHT:
            OnNext();
            return TRUE;
        case VK_PRIOR:
            OnPrevTen();
            return TRUE;
        case VK_NEXT:
            OnNextTen();
            return TRUE;
        case VK_HOME:
            OnFirst();
            return TRUE;
        case VK_END:
            OnLast();
            return TRUE;
        default:
            return FALSE;
        }
    }
    switch (virtualKey) {
    case 'A':
    case '1':
        CheckAnswer(0);
        return TRUE;
    case 'B':
    case '2':
        CheckAnswer(1);
        return TRUE;
    case 'C':
    case '3':
        CheckAnswer(2);
        return TRUE;
    default:
        return FALSE;
    }
}

void QuestionDialog::ListWrong(int question)
{
    Settings& s = theSettings;
    if (s.m_wrongCount >= 0 && s.m_wrongCount < int(std::size(s.m_wrong)))
        s.m_wrong[s.m_wrongCount++] = question;
}

void QuestionDialog::CheckAnswer(int answer)
{
    if (m_bLearning || m_bClosing || m_bAnswering)
        return;
    Settings& s = theSettings;

    if (answer == m_nCorrect) {
        ++s.m_rightCount;
    } else {
        ListWrong(m_nQuestion);
        if (s.m_nZKontrolaOdpovedi == 0) {
            const char* letter = m_nCorrect == 0   ? "a)"
                                 : m_nCorrect == 1 ? "b)"
                                 : m_nCorrect == 2 ? "c)"
                                                   : "";
            const Question* q = ShownQuestion();
            const CString correctText =
                q && m_nCorrect >= 0 && m_nCorrect <= 2 ? CString(q->m_strText[m_nCorrect + 1]) : CString();
            WrongAnswerDialog popup;
            popup.m_strMessage.Format("Správná odpověď je %s :\n%s", letter, correctText.c_str());
            m_bAnswering = true;
            popup.DoModal();
            m_bAnswering = false;
        }
    }

    ++s.m_testPos;
    if (s.m_testPos >= s.m_testCount) {
        s.m_bZOnlyNew = true;
        OnBack();
        return;
    }
    m_nQuestion = s.m_test[s.m_testPos];
    if (m_bTimeOutPending) {
        TimeOut();
        return;
    }
    ShowQuestion();
}

void QuestionDialog::SetClockText(const char* remaining)
{
    m_strTime.Format("Zbývající čas : %s", remaining);
}

bool QuestionDialog::ClockRuns() const
{
    return theSettings.m_nTimeTest == 1 && !m_bLearning;
}

void QuestionDialog::OnTimer(UINT_PTR id)
{
    if (id == kClockTimer && ClockRuns() && !m_bClosing) {
        const long long used = (CTime::GetCurrentTime() - m_startTime).GetTotalSeconds() +
                               static_cast<long long>(theSettings.m_nTimeOver);
        const long long limit = static_cast<long long>(theSettings.m_nTimeTotal) * 60;
        if (used < limit) {
            SetClockText(CTimeSpan(limit - used).Format("%H:%M:%S").c_str());
            UpdateData(FALSE);
            CRect area;
            m_time.GetWindowRect(&area);
            ScreenToClient(&area);
            InvalidateRect(&area, TRUE);
        } else if (m_bAnswering) {
            // The wrong-answer popup is open: show that the time is up and let the
            // answer finish before the test ends.
            KillTimer(kClockTimer);
            m_bTimeOutPending = true;
            SetClockText("00:00:00");
            UpdateData(FALSE);
        } else {
            TimeOut();
        }
    }
    GradientDialog::OnTimer(id);
}

void QuestionDialog::TimeOut()
{
    m_bTimeOutPending = false;
    KillTimer(kClockTimer);
    SetClockText("00:00:00");
    UpdateData(FALSE);

    WrongAnswerDialog popup;
    popup.m_strMessage = "\n\n\n\n\t\t!!! Čas na test vypršel !!!";
    m_bAnswering = true;
    popup.DoModal();
    m_bAnswering = false;

    CountRestAsWrong();
    theSettings.m_bZOnlyNew = true;
    OnBack();
}

void QuestionDialog::CountRestAsWrong()
{
    Settings& s = theSettings;
    while (s.m_testPos < s.m_testCount) {
        ListWrong(m_nQuestion);
        ++s.m_testPos;
        if (s.m_testPos < s.m_testCount)
            m_nQuestion = s.m_test[s.m_testPos];
    }
}

void QuestionDialog::OnBack()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    if (ClockRuns()) {
        // The stored sum is 32 bits wide; a file may hold a value near its top, and the
        // sum must stop there rather than wrap round to a negative time.
        const long long used = static_cast<long long>(theSettings.m_nTimeOver) +
                               (CTime::GetCurrentTime() - m_startTime).GetTotalSeconds();
        theSettings.m_nTimeOver = int(
            std::clamp<long long>(used, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        KillTimer(kClockTimer);
    }
    GradientDialog::OnOK();
}

BOOL QuestionDialog::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!m_bLearning) {
        CPoint point;
        GetCursorPos(&point);
        for (int i = 1; i < 4; ++i) {
            CRect area;
            m_text[i].GetWindowRect(&area);
            if (area.PtInRect(point)) {
                static HCURSOR hand = LoadCursorResource(IDC_HAND_ANSWER);
                SetCursor(hand);
                return TRUE;
            }
        }
    }
    return GradientDialog::OnSetCursor(window, hitTest, message);
}
