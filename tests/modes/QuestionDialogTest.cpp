// The question window on its template, driven by real clicks and keys: where the texts go
// with no picture, a picture beside them, one above them, one too tall and one that cannot be shown; which
// fonts the texts get in the learning displays and in exam mode; which button and key makes which move; and
// the hand over the answers of an exam.

#include "ModesGuiSupport.h"

#include "framework/Cursor.h"
#include "framework/qt/Artwork.h"
#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/ui/TestPixels.h"
#include "ui/GradientDialog.h"

#include <QColor>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kTexts[4] = {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};

// The four text controls stand at x = 10 from top y down, each slot high less 10 and width
// wide, with 15 pixels between them.
void ExpectSlots(const ModalDialog& modal, int y, int slot, int width)
{
    for (int id : kTexts) {
        EXPECT_EQ(modal.Rect(id), QRect(10, y, width, slot - 10)) << "control " << id;
        y += slot + 5;
    }
}

class QuestionDialogTest : public ModesTest
{
protected:
    void SetUp() override
    {
        ModesTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        theSettings.m_strExeDir = m_dir.path().toStdString() + "/";
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("obr"));
        WritePicture("obr/narrow.gif", 100, 80, Qt::red);
        WritePicture("obr/wide.gif", 400, 120, Qt::green);
        WritePicture("obr/tall.gif", 400, 900, Qt::blue);
    }

    // Qt's readers recognise an image by its contents, so a PNG under a .gif name serves
    // as a question picture (Qt writes no GIF).
    void WritePicture(const QString& name, int width, int height, Qt::GlobalColor color)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(m_dir.filePath(name), "PNG"));
    }

    // Opens the window in learning mode on question first, runs body, closes with "Zpět"
    // and returns the question the window reports.
    static int Learn(int first, const std::function<void(ModalDialog&)>& body)
    {
        QuestionDialog dialog;
        dialog.m_bLearning = true;
        dialog.m_nQuestion = first;
        RunModal(dialog, [&](ModalDialog& modal) {
            body(modal);
            modal.Click(IDC_BACK);
        });
        return dialog.m_nQuestion;
    }

    QTemporaryDir m_dir;
};

TEST_F(QuestionDialogTest, TextsMakeRoomForAPictureBesideOrAboveThemAndForNoneThatCannotBeShown)
{
    // The measures the layout starts from, taken from a plain dialog on the same template,
    // which moves none of its controls.
    int width = 0, pictureLeft = 0, areaHeight = 0, questionWidth = 0;
    GradientDialog blank(IDD_QUESTION);
    RunModal(blank, [&](ModalDialog& modal) {
        CRect client;
        blank.GetClientRect(&client);
        width = client.Width();
        pictureLeft = modal.Rect(IDC_PICTURE_MARKER).left();
        areaHeight = client.Height() - modal.Rect(IDC_FIRST).height() - 10;
        questionWidth = modal.Rect(IDC_QUESTION_TEXT).width();
        blank.EndDialog(IDCANCEL);
    });
    const int column = width - pictureLeft - 5;
    ASSERT_GE(column, 100) << "the narrow picture must fit the picture column";
    ASSERT_LT(column, 400) << "the wide picture must not fit the picture column";
    // Which names lead to which file is the picture path's test.
    FillExamBank(theQuestionBank, 6);
    const char* pictures[6] = {nullptr, "narrow", "wide", nullptr, "missing", "tall"};
    for (int i = 0; i < 6; ++i) {
        theQuestionBank[i].m_nPicture = pictures[i] ? 1 : 0;
        theQuestionBank[i].m_strPicture = pictures[i] ? pictures[i] : "";
    }
    const int plain = (areaHeight - 25) / 4;
    const int above = (areaHeight - 120 - 30) / 4;
    const QRgb green = qRgb(0, 255, 0);

    Learn(0, [&](ModalDialog& modal) {
        EXPECT_EQ(modal.Dialog()->GetWindowText(), "Vůdce malého plavidla - režim učení");
        ExpectSlots(modal, 5, plain, width - 15);
        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 5, plain, questionWidth - 5);
        EXPECT_EQ(modal.Grab().pixel(pictureLeft + 50, 45), qRgb(255, 0, 0))
            << "beside, at the picture column";
        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 130, above, width - 15);
        EXPECT_EQ(modal.Grab().pixel(205, 65), green) << "above the texts, at (5, 5)";
        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 5, plain, width - 15);
        EXPECT_NE(modal.Grab().pixel(205, 65), green) << "the old picture is not drawn";
        // One that cannot be shown keeps the picture column free.
        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 5, plain, questionWidth - 5);
        // Taller than the window: scaled down, 400 to 900, until each text has a line, and no
        // text over it. It is drawn exactly there, and no other pixel shows its colour.
        modal.Click(IDC_NEXT);
        const int height = areaHeight - 30 - 4 * 45;
        const QRect picture(5, 5, (400 * height + 450) / 900, height);
        const QImage shown = modal.Grab().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(
            CountPixels(shown, shown.rect(),
                        [&](QPoint at, QRgb p) { return (p == qRgb(0, 0, 255)) != picture.contains(at); }),
            0);
        ExpectSlots(modal, height + 10, 45, width - 15);
    });
}

TEST_F(QuestionDialogTest, EachButtonAndKeyMakesItsMove)
{
    FillExamBank(theQuestionBank, 25);
    // Where each move lands at the ends of the bank is the navigation's own test.
    const std::vector<std::pair<int, int>> clicks = {{IDC_NEXT_TEN, 14}, {IDC_NEXT, 15}, {IDC_PREV_TEN, 5},
                                                     {IDC_PREV, 4},      {IDC_LAST, 24}, {IDC_FIRST, 0}};
    const std::vector<std::pair<int, int>> keys = {{Qt::Key_PageDown, 10}, {Qt::Key_Right, 11},
                                                   {Qt::Key_PageUp, 1},    {Qt::Key_Left, 0},
                                                   {Qt::Key_End, 24},      {Qt::Key_Home, 0}};
    EXPECT_EQ(Learn(4,
                    [&](ModalDialog& modal) {
                        const auto expectShown = [&modal](int question, int after) {
                            EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka " + std::to_string(question))
                                << "after " << after;
                        };
                        expectShown(4, 0);
                        for (const auto& [id, expected] : clicks) {
                            modal.Click(id);
                            expectShown(expected, id);
                        }
                        // The keys reach the focused button first, as after any click.
                        modal.Click(IDC_NEXT_TEN);
                        modal.Click(IDC_PREV_TEN);
                        for (const auto& [key, expected] : keys) {
                            modal.Key(key);
                            expectShown(expected, key);
                        }
                        modal.Key(Qt::Key_Right);
                    }),
              1);
}

TEST_F(QuestionDialogTest, LearningShowsTheRightAnswerBoldAmongAllOrEverythingBoldWithItAlone)
{
    FillExamBank(theQuestionBank, 3);
    theQuestionBank[2].m_nAnswer = 5;
    const auto bold = [](const ModalDialog& modal, int id) {
        return PaintFont(modal, id).lfWeight == FW_BOLD;
    };
    for (const bool all : {true, false}) {
        SCOPED_TRACE(all ? "all answers" : "the right one alone");
        theSettings.m_bUShowAll = all;
        Learn(1, [&](ModalDialog& modal) {
            // The texts themselves are the question texts' test.
            EXPECT_EQ(modal.Text(IDC_ANSWER_A), all ? "a) Alfa 1" : "Beta 1");
            const LOGFONT question = PaintFont(modal, IDC_QUESTION_TEXT);
            EXPECT_EQ(question.lfHeight, 20);
            EXPECT_STREQ(question.lfFaceName, "Arial");
            for (int id : kTexts)
                EXPECT_EQ(bold(modal, id), !all || id == IDC_QUESTION_TEXT || id == IDC_ANSWER_B) << id;
            const LOGFONT button = PaintFont(modal, IDC_BACK);
            EXPECT_EQ(button.lfHeight, 12);
            EXPECT_EQ(button.lfWeight, FW_NORMAL);
            if (all) {
                modal.Click(IDC_NEXT);
                for (int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C})
                    EXPECT_FALSE(bold(modal, id)) << "no right answer, control " << id;
            }
        });
    }
}

TEST_F(QuestionDialogTest, ExamModeHidesNavigationShowsEverythingBoldAndTheHandOverTheAnswers)
{
    FillExamBank(theQuestionBank, 3);
    StoreTest(theSettings, {2, 1});
    theSettings.m_testPos = 1;
    const HCURSOR hand = LoadCursorResource(IDC_HAND_ANSWER);
    ASSERT_NE(hand, nullptr);
    for (const bool learning : {false, true}) {
        SCOPED_TRACE(learning ? "learning" : "exam");
        QuestionDialog dialog;
        dialog.m_bLearning = learning;
        dialog.m_nQuestion = 1;
        RunModal(dialog, [&](ModalDialog& modal) {
            for (const int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_QUESTION_TEXT}) {
                QWidget* control = modal.Control(id);
                QTest::mouseMove(control, control->rect().center());
                const QCursor shown = control->cursor();
                if (!learning && id != IDC_QUESTION_TEXT) {
                    EXPECT_EQ(shown.shape(), Qt::BitmapCursor) << "control " << id;
                    EXPECT_EQ(shown.bitmap().toImage(), CursorToQt(hand)->bitmap().toImage());
                } else {
                    EXPECT_EQ(shown.shape(), Qt::ArrowCursor) << "control " << id;
                }
            }
            if (!learning) {
                EXPECT_EQ(modal.Dialog()->GetWindowText(), "Vůdce malého plavidla - režim zkoušení");
                EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka 1");
                for (int id : {IDC_FIRST, IDC_PREV_TEN, IDC_PREV, IDC_NEXT, IDC_NEXT_TEN, IDC_LAST})
                    EXPECT_FALSE(modal.Shown(id)) << "control " << id;
                EXPECT_TRUE(modal.Shown(IDC_BACK));
                EXPECT_FALSE(modal.Shown(IDC_TIME)) << "no countdown without a time limit";
                for (int id : {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_TIME})
                    EXPECT_EQ(PaintFont(modal, id).lfWeight, FW_BOLD) << "control " << id;
                // The learning keys do not page through an exam.
                modal.Key(Qt::Key_Home);
                EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka 1");
            }
            modal.Key(Qt::Key_Escape);
        });
        EXPECT_EQ(dialog.m_nQuestion, 1);
    }
    EXPECT_EQ(theSettings.m_testPos, 1);
    DestroyCursor(hand);
}

} // namespace
