#pragma once
// The window in which the learner works through questions, one at a time: in learning
// mode paging freely through the whole bank, in exam mode showing what its ExamSession
// asks and forwarding answers, popups and clock ticks to it. The caller sets m_bLearning
// (and m_nQuestion when learning) before DoModal and reads m_nQuestion, the bank index of
// the question on screen, after the window has closed.

#include "framework/CGdiObjects.h"
#include "framework/CStatic.h"
#include "modes/ExamSession.h"
#include "modes/LearningNavigation.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

#include <memory>
#include <optional>

class ImageObject;
class Question;

class QuestionDialog : public GradientDialog
{
public:
    QuestionDialog();
    ~QuestionDialog() override;

    void ShowQuestion();

    CFont m_font;
    int m_nQuestion = 0;
    std::unique_ptr<ImageObject> m_pPicture;
    CRect m_rcClient;
    int m_nPictureLeft = 0;
    int m_nPictureX = 0;
    // The size the picture is drawn at: its own, or smaller when it is too tall (QuestionLayout.h).
    int m_nPictureWidth = 0;
    int m_nPictureHeight = 0;
    int m_nAreaHeight = 0;
    int m_nQuestionWidth = 0;
    bool m_bLearning = false;
    int m_nCorrect = -1;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnDialogKey(UINT virtualKey) override;
    BOOL PreTranslateKey(UINT virtualKey, BOOL repeat) override;

private:
    void OnFirst();
    void OnPrevTen();
    void OnPrev();
    void OnNext();
    void OnNextTen();
    void OnLast();
    void OnBack();
    void OnAnswerA() { Answer(0); }
    void OnAnswerB() { Answer(1); }
    void OnAnswerC() { Answer(2); }

    void Move(LearningMove move);
    void Answer(int answer);
    void Follow(ExamSession::Step step);
    void ShowClock();
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
    // The test of an exam window, from its opening on.
    std::optional<ExamSession> m_exam;
};
