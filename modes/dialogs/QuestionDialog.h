#pragma once
// The window in which the learner works through questions, one at a time: in learning
// mode paging freely through the whole bank, in exam mode walking the stored test list,
// answering by clicking an answer text, optionally against the clock. The caller sets
// m_bLearning (and m_nQuestion when learning) before DoModal and reads m_nQuestion, the
// bank index of the question on screen, after the window has closed.

#include "app/framework/CGdiObjects.h"
#include "app/framework/CStatic.h"
#include "app/framework/CTime.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

#include <memory>

class ImageObject;
class Question;

class QuestionDialog : public GradientDialog
{
public:
    QuestionDialog();
    ~QuestionDialog() override;

    void ShowQuestion();
    void CheckAnswer(int answer);

    CFont m_font;
    int m_nQuestion = 0;
    std::unique_ptr<ImageObject> m_pPicture;
    CRect m_rcClient;
    int m_nPictureLeft = 0;
    int m_nPictureX = 0;
    int m_nAreaHeight = 0;
    int m_nQuestionWidth = 0;
    bool m_bLearning = false;
    int m_nCorrect = -1;
    CTime m_startTime;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnDialogKey(UINT virtualKey) override;

private:
    void OnFirst();
    void OnPrevTen();
    void OnPrev();
    void OnNext();
    void OnNextTen();
    void OnLast();
    void OnBack();
    void OnAnswerA() { CheckAnswer(0); }
    void OnAnswerB() { CheckAnswer(1); }
    void OnAnswerC() { CheckAnswer(2); }

    void GoTo(long long question);
    bool ClockRuns() const;
    void TimeOut();
    // The clock's text for the remaining time, given as "HH:MM:SS".
    void SetClockText(const char* remaining);
    void CountRestAsWrong();
    void ListWrong(int question);
    const Question* ShownQuestion() const;

    PillButton m_btnNextTen;
    PillButton m_btnPrevTen;
    CStatic m_time;
    PillButton m_btnBack;
    PillButton m_btnPrev;
    PillButton m_btnNext;
    PillButton m_btnLast;
    PillButton m_btnFirst;
    CStatic m_pictureMarker;
    CString m_strQuestion = "Otazka";
    CString m_strAnswerA;
    CString m_strAnswerB;
    CString m_strAnswerC;
    CString m_strTime;
    CStatic m_text[4];
    // Set while the wrong-answer popup of an answer is open: a time-out that falls then
    // waits until the answer has been dealt with.
    bool m_bAnswering = false;
    bool m_bTimeOutPending = false;
    bool m_bClosing = false;
};
