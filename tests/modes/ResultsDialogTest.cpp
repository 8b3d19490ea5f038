// The results window on its template: the counts it shows, the colours of the right and
// wrong counts as painted, and which command closed it.

#include "ExamSupport.h"

#include "model/ModelObjects.h"
#include "modes/ResultsDialog.h"
#include "res/resource.h"

#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Whether some pixel of the control's area is within a few levels of colour: the full
// strokes of the text, whatever font the machine has.
bool ShowsColour(const ModalDialog& modal, int id, QRgb colour)
{
    const QImage image = modal.Grab();
    const QRect area = modal.Control(id)->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(colour)) <= 8 && std::abs(qGreen(pixel) - qGreen(colour)) <= 8 &&
                std::abs(qBlue(pixel) - qBlue(colour)) <= 8)
                return true;
        }
    }
    return false;
}

void SetCounts(int count, int right, int wrong)
{
    theSettings.m_testCount = count;
    theSettings.m_rightCount = right;
    theSettings.m_wrongCount = wrong;
}

using ResultsDialogTest = ExamTest;

TEST_F(ResultsDialogTest, ShowsTheCountsAndOffersACorrectionTestForWrongAnswers)
{
    SetCounts(7, 4, 3);
    ResultsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_EQ(ControlText(modal, IDC_RESULT_TITLE), CString("Výsledky testu:"));
        EXPECT_EQ(ControlText(modal, IDC_RESULT_COUNT), CString("Počet otázek : 7"));
        EXPECT_EQ(ControlText(modal, IDC_RESULT_RIGHT), CString("Správných odpovědí : 4"));
        EXPECT_EQ(ControlText(modal, IDC_RESULT_WRONG), CString("Špatných odpovědí : 3"));
        EXPECT_TRUE(ControlEnabled(modal, IDC_CORRECTION_TEST));
        modal.Click(IDC_CORRECTION_TEST);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nResult, 1);

    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        ResultsDialog back;
        RunModal(back, [key](ModalDialog& modal) { modal.Key(key); });
        EXPECT_EQ(back.m_nResult, 0);
    }
}

TEST_F(ResultsDialogTest, WithoutWrongAnswersOnlyZpetCanBeChosen)
{
    SetCounts(3, 3, 0);
    ResultsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_EQ(ControlText(modal, IDC_RESULT_WRONG), CString("Špatných odpovědí : 0"));
        EXPECT_FALSE(ControlEnabled(modal, IDC_CORRECTION_TEST));
        modal.Click(IDC_CORRECTION_TEST);
        EXPECT_TRUE(modal.Window()->isVisible());
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nResult, 0);
}

TEST_F(ResultsDialogTest, RightCountIsGreenAndWrongCountRed)
{
    const QRgb green = qRgb(0, 128, 0);
    const QRgb red = qRgb(255, 0, 0);
    for (const int wrong : {2, 0}) {
        SetCounts(5, 5 - wrong, wrong);
        ResultsDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(modal.Window()));
            QTest::qWait(30);
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_RIGHT, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_RIGHT, red));
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_WRONG, red));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_WRONG, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, red));
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_COUNT, qRgb(0, 0, 0)));
            modal.Click(IDOK);
        });
    }
}

} // namespace
