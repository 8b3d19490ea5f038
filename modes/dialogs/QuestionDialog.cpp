#include "QuestionDialog.h"

#include "WrongAnswerDialog.h"
#include "framework/CDC.h"
#include "framework/Cursor.h"
#include "framework/DataExchange.h"
#include "framework/Gdiplus.h"
#include "framework/base/CTime.h"
#include "model/ModelObjects.h"
#include "modes/PicturePath.h"
#include "modes/QuestionLayout.h"
#include "modes/QuestionTexts.h"
#include "res/resource.h"
#include "ui/ImageObject.h"

namespace {

constexpr UINT_PTR kClockTimer = 0;
constexpr UINT kClockPeriodMs = 500;

const int kTextControls[4] = {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};

std::int64_t Now()
{
    return CTime::GetCurrentTime().GetTime();
}

// The answer a key gives in an exam, -1 for none.
int AnswerOfKey(UINT virtualKey)
{
    switch (virtualKey) {
    case 'A':
    case '1':
        return 0;
    case 'B':
    case '2':
        return 1;
    case 'C':
    case '3':
        return 2;
    default:
        return -1;
    }
}

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
    SetGradientColors(Palette::LightBlue, Palette::White);

    if (!m_bLearning)
        m_exam.emplace(theSettings, theQuestionBank, Now);
    m_strTime.Format("Zbývající čas : %s", "00:00:00");

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
        m_nQuestion = m_exam->Question();
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

    if (m_exam && m_exam->Timed())
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

    const QuestionTexts texts = TextsOf(q, !m_bLearning || theSettings.m_bUShowAll);
    m_strQuestion = texts.question;
    m_strAnswerA = texts.answers[0];
    m_strAnswerB = texts.answers[1];
    m_strAnswerC = texts.answers[2];
    m_nCorrect = q.m_nAnswer;

    const QuestionArea area{m_rcClient.Width(), m_nAreaHeight, m_nPictureLeft, m_nQuestionWidth};
    QuestionLayout layout = LayOutQuestion(area);
    if (q.m_nPicture != 0) {
        m_pPicture.reset();
        m_pPicture = std::make_unique<ImageObject>(PicturePath(theSettings.m_strExeDir, q.m_strPicture));
        layout = LayOutQuestion(area, int(m_pPicture->GetWidth()), int(m_pPicture->GetHeight()));
        m_nPictureX = layout.pictureX;
        m_nPictureWidth = layout.pictureWidth;
        m_nPictureHeight = layout.pictureHeight;
    }

    int y = layout.textTop;
    for (CStatic& text : m_text) {
        text.MoveWindow(10, y, layout.textWidth, layout.slot - 10, TRUE);
        y += layout.slot + 5;
    }
    Invalidate(TRUE);
    UpdateData(FALSE);
}

BOOL QuestionDialog::OnEraseBkgnd(CDC* dc)
{
    GradientDialog::OnEraseBkgnd(dc);
    const Question* q = ShownQuestion();
    if (q && q->m_nPicture != 0 && m_pPicture) {
        Gdiplus::Graphics graphics(dc->GetSafeHdc());
        if (m_nPictureWidth == int(m_pPicture->GetWidth()) &&
            m_nPictureHeight == int(m_pPicture->GetHeight()))
            m_pPicture->Draw(graphics, m_nPictureX, 5);
        else
            m_pPicture->Draw(graphics, m_nPictureX, 5, m_nPictureWidth, m_nPictureHeight);
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

void QuestionDialog::Move(LearningMove move)
{
    m_nQuestion = LearningMoveTo(m_nQuestion, move, theQuestionBank.GetSize());
    ShowQuestion();
}

BOOL QuestionDialog::OnDialogKey(UINT virtualKey)
{
    if (!m_bLearning)
        return FALSE;
    switch (virtualKey) {
    case VK_LEFT:
        Move(LearningMove::Back);
        return TRUE;
    case VK_RIGHT:
        Move(LearningMove::Forward);
        return TRUE;
    case VK_PRIOR:
        Move(LearningMove::BackTen);
        return TRUE;
    case VK_NEXT:
        Move(LearningMove::ForwardTen);
        return TRUE;
    case VK_HOME:
        Move(LearningMove::First);
        return TRUE;
    case VK_END:
        Move(LearningMove::Last);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL QuestionDialog::PreTranslateKey(UINT virtualKey, BOOL repeat)
{
    if (m_bLearning)
        return FALSE;
    // An exam ends only by "Zpět", Escape, its last answer or the time-out: Enter and Space,
    // which would press the focused "Zpět", do nothing here.
    if (virtualKey == VK_RETURN || virtualKey == VK_SPACE)
        return TRUE;
    // A, B, C and 1, 2, 3 answer at once, and an answer is final: a held key's repeats would
    // answer the questions after it, so only a fresh press counts.
    const int answer = AnswerOfKey(virtualKey);
    if (answer < 0)
        return FALSE;
    if (!repeat)
        Answer(answer);
    return TRUE;
}

void QuestionDialog::OnFirst()
{
    Move(LearningMove::First);
}
void QuestionDialog::OnPrevTen()
{
    Move(LearningMove::BackTen);
}
void QuestionDialog::OnPrev()
{
    Move(LearningMove::Back);
}
void QuestionDialog::OnNext()
{
    Move(LearningMove::Forward);
}
void QuestionDialog::OnNextTen()
{
    Move(LearningMove::ForwardTen);
}
void QuestionDialog::OnLast()
{
    Move(LearningMove::Last);
}

void QuestionDialog::Answer(int answer)
{
    if (m_exam)
        Follow(m_exam->Answer(answer));
}

void QuestionDialog::Follow(ExamSession::Step step)
{
    for (;;) {
        switch (step) {
        case ExamSession::Step::Stay:
            return;
        case ExamSession::Step::ShowQuestion:
            m_nQuestion = m_exam->Question();
            ShowQuestion();
            return;
        case ExamSession::Step::ShowWrongAnswer: {
            WrongAnswerDialog popup;
            popup.m_strMessage.Format("Správná odpověď je %s :\n%s", m_exam->CorrectLetter().c_str(),
                                      m_exam->CorrectText().c_str());
            popup.DoModal();
            break;
        }
        case ExamSession::Step::ShowTimeOut: {
            // The timer stops first, so that ticks do not pile up behind the popup.
            KillTimer(kClockTimer);
            m_nQuestion = m_exam->Question();
            ShowClock();
            WrongAnswerDialog popup;
            popup.m_strMessage = "\n\n\n\n\t\t!!! Čas na test vypršel !!!";
            popup.DoModal();
            break;
        }
        case ExamSession::Step::Close:
            m_nQuestion = m_exam->Question();
            KillTimer(kClockTimer);
            GradientDialog::OnOK();
            return;
        }
        step = m_exam->PopupClosed();
    }
}

void QuestionDialog::ShowClock()
{
    m_strTime.Format("Zbývající čas : %s", m_exam->RemainingTime().c_str());
    UpdateData(FALSE);
    CRect area;
    m_time.GetWindowRect(&area);
    ScreenToClient(&area);
    InvalidateRect(&area, TRUE);
}

void QuestionDialog::OnTimer(UINT_PTR id)
{
    if (id == kClockTimer && m_exam && m_exam->ClockTicking()) {
        const ExamSession::Step step = m_exam->Tick();
        ShowClock();
        if (!m_exam->ClockTicking())
            KillTimer(kClockTimer);
        Follow(step);
    }
    GradientDialog::OnTimer(id);
}

void QuestionDialog::OnBack()
{
    if (m_exam) {
        m_exam->Leave();
        KillTimer(kClockTimer);
    }
    GradientDialog::OnOK();
}

void QuestionDialog::OnOK()
{
    // Enter reaches an exam window as IDOK when no button has the focus; it ends nothing.
    if (!m_exam)
        GradientDialog::OnOK();
}

void QuestionDialog::OnCancel()
{
    // Escape and the caption's close button leave an exam as "Zpět" does, time included.
    if (m_exam) {
        m_exam->Leave();
        KillTimer(kClockTimer);
    }
    GradientDialog::OnCancel();
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
