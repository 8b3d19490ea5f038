// The results window as it is painted: the counts in their colours, and a correction test that
// cannot be chosen without wrong answers. What the commands lead to is the exam flow's test.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "modes/dialogs/ResultsDialog.h"
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
    const QRect area = modal.Rect(id);
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

using ResultsDialogTest = ModesTest;

TEST_F(ResultsDialogTest, RightCountIsGreenAndWrongCountRedAndNoWrongAnswerLeavesOnlyZpet)
{
    const QRgb green = qRgb(0, 128, 0);
    const QRgb red = qRgb(255, 0, 0);
    for (const int wrong : {2, 0}) {
        theSettings.m_testCount = 7;
        theSettings.m_rightCount = 5 - wrong;
        theSettings.m_wrongCount = wrong;
        ResultsDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            EXPECT_EQ(modal.Text(IDC_RESULT_TITLE), CString("Výsledky testu:"));
            EXPECT_EQ(modal.Text(IDC_RESULT_COUNT), CString("Počet otázek : 7"));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(modal.Window()));
            QTest::qWait(30);
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_RIGHT, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_RIGHT, red));
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_WRONG, red));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_WRONG, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, green));
            EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, red));
            EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_COUNT, qRgb(0, 0, 0)));
            modal.Click(IDC_CORRECTION_TEST);
            if (wrong == 0) {
                EXPECT_FALSE(modal.Enabled(IDC_CORRECTION_TEST));
                EXPECT_TRUE(modal.Window()->isVisible());
                modal.Key(Qt::Key_Escape);
            }
        });
        EXPECT_EQ(dialog.m_nResult, wrong == 0 ? 0 : 1);
    }
}

} // namespace
