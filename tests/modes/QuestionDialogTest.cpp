// The question window on its template, driven by real clicks and keys: where the texts go
// with no picture, a picture beside them and one above them; which fonts the texts get in
// the learning displays and in exam mode; navigation and its clamps; and pictures that
// cannot be shown.

#include "QuestionViewSupport.h"

#include "framework/qt/QtConversions.h"
#include "framework/qt/QtFonts.h"
#include "framework/qt/StaticTextPainter.h"
#include "model/ModelObjects.h"
#include "modes/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "ui/GradientDialog.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kTexts[4] = {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};
const int kNavigation[6] = {IDC_FIRST, IDC_PREV_TEN, IDC_PREV, IDC_NEXT, IDC_NEXT_TEN, IDC_LAST};

// The measures the layout starts from, taken from a plain dialog on the same template,
// which moves none of its controls.
struct TemplateMeasures
{
    QRect client;
    int pictureLeft = 0;
    int areaHeight = 0;
    int questionWidth = 0;
};

const TemplateMeasures& Measures()
{
    static const TemplateMeasures measures = [] {
        TemplateMeasures result;
        GradientDialog plain(IDD_QUESTION);
        RunModal(plain, [&](ModalDialog& modal) {
            CRect client;
            plain.GetClientRect(&client);
            result.client = QRect(0, 0, client.Width(), client.Height());
            result.pictureLeft = ClientRect(modal, IDC_PICTURE_MARKER).left();
            result.areaHeight = client.Height() - ClientRect(modal, IDC_FIRST).height() - 10;
            result.questionWidth = ClientRect(modal, IDC_QUESTION_TEXT).width();
            plain.EndDialog(IDCANCEL);
        });
        return result;
    }();
    return measures;
}

Question MakeQuestion(const char* text, int correct = 0, const char* picture = nullptr)
{
    Question q;
    q.m_strText = {text, "první", "druhá", "třetí"};
    q.m_nAnswer = correct;
    q.m_nPicture = picture ? 1 : 0;
    q.m_strPicture = picture ? picture : "";
    return q;
}

void SetBank(const std::vector<Question>& questions)
{
    theQuestionBank.SetSize(int(questions.size()));
    for (int i = 0; i < int(questions.size()); ++i)
        theQuestionBank[i] = questions[std::size_t(i)];
}

// The four text controls stand at x = 10 from top y down, each slot high less 10 and width
// wide, with 15 pixels between them.
void ExpectSlots(const ModalDialog& modal, int y, int slot, int width)
{
    for (int id : kTexts) {
        EXPECT_EQ(ClientRect(modal, id), QRect(10, y, width, slot - 10)) << "control " << id;
        y += slot + 5;
    }
}

// The text lines inside rect: first and last row of each run of rows holding dark pixels.
std::vector<std::pair<int, int>> InkLines(const QImage& image, const QRect& rect)
{
    std::vector<std::pair<int, int>> lines;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        bool ink = false;
        for (int x = rect.left(); x <= rect.right() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 80;
        if (ink && (lines.empty() || lines.back().second != y - 1))
            lines.push_back({y, y});
        else if (ink)
            lines.back().second = y;
    }
    return lines;
}

// The number of lines the control's text takes in its font and width with no limit on its height.
std::size_t UnlimitedLineCount(const ModalDialog& modal, int id)
{
    QImage image(ClientRect(modal, id).width(), 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    StaticTextStyle style;
    style.font = ToQFont(PaintFont(modal, id));
    style.color = Qt::black;
    DrawStaticText(painter, image.rect(), FromAnsi(ControlText(modal, id)), style);
    painter.end();
    return InkLines(image, image.rect()).size();
}

class QuestionDialogTest : public GuiTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        theSettings = Settings();
        theSettings.m_strExeDir = m_dir.path().toStdString() + "/";
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("obr/sub"));
        WritePicture("obr/narrow.gif", 100, 80, Qt::red);
        WritePicture("obr/wide.gif", 400, 120, Qt::green);
        WritePicture("obr/tall.gif", 400, 900, Qt::blue);
        WritePicture("obr/sub/wide.gif", 400, 120, Qt::green);
        WritePicture("outside.gif", 400, 120, Qt::green);
    }

    void TearDown() override
    {
        theQuestionBank.RemoveAll();
        theSettings = Settings();
        GuiTest::TearDown();
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

TEST_F(QuestionDialogTest, TextsMakeRoomForAPictureBesideOrAboveThem)
{
    const TemplateMeasures& t = Measures();
    const int column = t.client.width() - t.pictureLeft - 5;
    ASSERT_GE(column, 100) << "the narrow picture must fit the picture column";
    ASSERT_LT(column, 400) << "the wide picture must not fit the picture column";
    SetBank({MakeQuestion("bez obrázku"), MakeQuestion("úzký", 0, "narrow"),
             MakeQuestion("široký", 0, "wide"), MakeQuestion("zase bez obrázku")});

    Learn(0, [&](ModalDialog& modal) {
        EXPECT_EQ(modal.Dialog()->GetWindowText(), "Vůdce malého plavidla - režim učení");
        ExpectSlots(modal, 5, (t.areaHeight - 25) / 4, t.client.width() - 15);

        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 5, (t.areaHeight - 25) / 4, t.questionWidth - 5);
        EXPECT_EQ(modal.Grab().pixel(t.pictureLeft + 50, 45), qRgb(255, 0, 0))
            << "beside, at the picture column";

        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 120 + 10, (t.areaHeight - 120 - 30) / 4, t.client.width() - 15);
        EXPECT_EQ(modal.Grab().pixel(205, 65), qRgb(0, 255, 0)) << "above the texts, at (5, 5)";

        modal.Click(IDC_NEXT);
        ExpectSlots(modal, 5, (t.areaHeight - 25) / 4, t.client.width() - 15);
        EXPECT_NE(modal.Grab().pixel(205, 65), qRgb(0, 255, 0)) << "the old picture is not drawn";
    });
}

TEST_F(QuestionDialogTest, PicturesThatCannotBeShownLeaveTheColumnFree)
{
    const TemplateMeasures& t = Measures();
    // outside.gif, beside the picture folder, is wide: loaded, it would stand above the texts.
    ASSERT_TRUE(QFile::exists(m_dir.filePath("obr/../outside.gif")));
    SetBank({MakeQuestion("chybí", 0, "missing"), MakeQuestion("nahoru", 0, "../outside"),
             MakeQuestion("nahoru zpětným lomítkem", 0, "..\\outside"),
             MakeQuestion("oklikou", 0, "sub/../../outside"), MakeQuestion("podsložka", 0, "sub\\wide")});
    const int slot = (t.areaHeight - 25) / 4;

    Learn(0, [&](ModalDialog& modal) {
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(theQuestionBank[i].m_strPicture);
            ExpectSlots(modal, 5, slot, t.questionWidth - 5);
            EXPECT_NE(modal.Grab().pixel(205, 65), qRgb(0, 255, 0));
            modal.Click(IDC_NEXT);
        }
        // A backslash separates folders: the picture in obr/sub is found and stands above.
        ExpectSlots(modal, 130, (t.areaHeight - 150) / 4, t.client.width() - 15);
        EXPECT_EQ(modal.Grab().pixel(205, 65), qRgb(0, 255, 0));
    });
}

TEST_F(QuestionDialogTest, APictureTallerThanTheWindowLeavesReadableSlotsOnScreen)
{
    SetBank({MakeQuestion("vysoký obrázek", 0, "tall")});
    Learn(0, [&](ModalDialog& modal) {
        const int buttonsTop = ClientRect(modal, IDC_FIRST).top();
        int previousBottom = 0;
        for (int id : kTexts) {
            const QRect text = ClientRect(modal, id);
            EXPECT_EQ(text.height(), 35) << "control " << id;
            EXPECT_GT(text.top(), previousBottom) << "control " << id;
            EXPECT_LT(text.bottom(), buttonsTop) << "control " << id;
            previousBottom = text.bottom();
        }
    });
}

TEST_F(QuestionDialogTest, NavigationStopsAtBothEndsOfTheBank)
{
    std::vector<Question> bank;
    for (int i = 0; i < 25; ++i)
        bank.push_back(MakeQuestion(std::to_string(i).c_str()));
    SetBank(bank);
    const auto shown = [](const ModalDialog& modal) {
        return std::atoi(ControlText(modal, IDC_QUESTION_TEXT).c_str());
    };

    const std::vector<std::pair<int, int>> clicks = {
        {IDC_PREV, 3},      {IDC_PREV_TEN, 0}, {IDC_PREV, 0},      {IDC_NEXT_TEN, 10}, {IDC_NEXT_TEN, 20},
        {IDC_NEXT_TEN, 24}, {IDC_NEXT, 24},    {IDC_PREV_TEN, 14}, {IDC_FIRST, 0},     {IDC_LAST, 24}};
    EXPECT_EQ(Learn(4,
                    [&](ModalDialog& modal) {
                        EXPECT_EQ(shown(modal), 4);
                        for (const auto& [id, expected] : clicks) {
                            modal.Click(id);
                            EXPECT_EQ(shown(modal), expected) << "after control " << id;
                        }
                    }),
              24);

    const std::vector<std::pair<int, int>> keys = {
        {Qt::Key_Left, 0},      {Qt::Key_PageUp, 0},    {Qt::Key_Right, 1},  {Qt::Key_PageDown, 11},
        {Qt::Key_PageDown, 21}, {Qt::Key_PageDown, 24}, {Qt::Key_Right, 24}, {Qt::Key_PageUp, 14},
        {Qt::Key_Home, 0},      {Qt::Key_End, 24},      {Qt::Key_Left, 23}};
    EXPECT_EQ(Learn(0,
                    [&](ModalDialog& modal) {
                        // The keys then reach a focused button first, as after any click.
                        modal.Click(IDC_FIRST);
                        for (const auto& [key, expected] : keys) {
                            modal.Key(key);
                            EXPECT_EQ(shown(modal), expected) << "after key " << key;
                        }
                    }),
              23);
}

TEST_F(QuestionDialogTest, LearningShowsAllAnswersWithTheRightOneBoldOrOnlyTheRightOne)
{
    SetBank({MakeQuestion("Správně je b", 1), MakeQuestion("Poškozená otázka", 5)});
    const auto bold = [](const ModalDialog& modal, int id) {
        return PaintFont(modal, id).lfWeight == FW_BOLD;
    };

    theSettings.m_bUShowAll = true;
    Learn(0, [&](ModalDialog& modal) {
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_A), "a) první");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_B), "b) druhá");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_C), "c) třetí");
        const LOGFONT question = PaintFont(modal, IDC_QUESTION_TEXT);
        EXPECT_EQ(question.lfHeight, 20);
        EXPECT_STREQ(question.lfFaceName, "Arial");
        EXPECT_TRUE(bold(modal, IDC_QUESTION_TEXT));
        EXPECT_FALSE(bold(modal, IDC_ANSWER_A));
        EXPECT_TRUE(bold(modal, IDC_ANSWER_B));
        EXPECT_FALSE(bold(modal, IDC_ANSWER_C));
        const LOGFONT button = PaintFont(modal, IDC_BACK);
        EXPECT_EQ(button.lfHeight, 12);
        EXPECT_EQ(button.lfWeight, FW_NORMAL);

        modal.Click(IDC_NEXT);
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_A), "a) první");
        EXPECT_TRUE(bold(modal, IDC_QUESTION_TEXT));
        for (int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C})
            EXPECT_FALSE(bold(modal, id)) << "control " << id;
    });

    theSettings.m_bUShowAll = false;
    Learn(0, [&](ModalDialog& modal) {
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_A), "druhá");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_B), "");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_C), "");
        for (int id : kTexts)
            EXPECT_TRUE(bold(modal, id)) << "control " << id;

        modal.Click(IDC_NEXT);
        EXPECT_EQ(ControlText(modal, IDC_QUESTION_TEXT), "Poškozená otázka");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_A), "");
    });
}

TEST_F(QuestionDialogTest, ExamModeHidesNavigationAndShowsEverythingBold)
{
    SetBank({MakeQuestion("nultá", 0), MakeQuestion("první", 2), MakeQuestion("druhá", 1)});
    theSettings.m_test[0] = 2;
    theSettings.m_test[1] = 1;
    theSettings.m_testCount = 2;
    theSettings.m_testPos = 1;
    theSettings.m_nTimeTest = 0;

    QuestionDialog dialog;
    dialog.m_bLearning = false;
    RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_EQ(modal.Dialog()->GetWindowText(), "Vůdce malého plavidla - režim zkoušení");
        EXPECT_EQ(ControlText(modal, IDC_QUESTION_TEXT), "první");
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_C), "c) třetí");
        for (int id : kNavigation)
            EXPECT_FALSE(ControlShown(modal, id)) << "control " << id;
        EXPECT_TRUE(ControlShown(modal, IDC_BACK));
        EXPECT_FALSE(ControlShown(modal, IDC_TIME)) << "no countdown without a time limit";
        for (int id : {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_TIME})
            EXPECT_EQ(PaintFont(modal, id).lfWeight, FW_BOLD) << "control " << id;

        // The learning keys do not page through an exam.
        modal.Key(Qt::Key_Home);
        EXPECT_EQ(ControlText(modal, IDC_QUESTION_TEXT), "první");
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.m_nQuestion, 1);
    EXPECT_EQ(theSettings.m_testPos, 1);
}

TEST_F(QuestionDialogTest, LongTextsWrapWithinTheirSlots)
{
    // The longest question of the demo bank, and its longest question with a picture.
    Question alone =
        MakeQuestion("Jste na plachetnici se dvěma kamarády na velké přehradní nádrži. Odpoledne začne "
                     "foukat nárazový vítr, hladina se pokryje bílými hřebínky vln a jeden z posádky, "
                     "který neumí plavat, nemá oblečenou vestu. K přístavu zbývají asi dva kilometry "
                     "proti větru. Co uděláte nejdříve?");
    Question beside =
        MakeQuestion("Plovoucí stroj při práci na obrázku nese na jedné straně červený balón a na druhé "
                     "straně dva zelené dvojité kužele nad sebou. Kudy smíte kolem něj proplout?",
                     0, "narrow");
    alone.m_strText[1] = beside.m_strText[1] =
        "Svléknu mu mokré oblečení, zabalím ho do suchých přikrývek, chráním ho před větrem, a pokud je "
        "schopen polykat, dám mu teplý slazený nápoj; zajistím lékařskou pomoc.";
    SetBank({alone, beside});

    Learn(0, [](ModalDialog& modal) {
        for (int question = 0; question < 2; ++question) {
            const QImage image = modal.Grab();
            for (int id : {IDC_QUESTION_TEXT, IDC_ANSWER_A}) {
                const QRect slot = ClientRect(modal, id);
                const auto lines = InkLines(image, slot);
                EXPECT_GE(lines.size(), 2u)
                    << "question " << question << ", control " << id << " did not wrap";
                EXPECT_EQ(lines.size(), UnlimitedLineCount(modal, id))
                    << "question " << question << ", control " << id;
                ASSERT_FALSE(lines.empty());
                EXPECT_LT(lines.back().second, slot.bottom())
                    << "question " << question << ", control " << id;
            }
            modal.Click(IDC_NEXT);
        }
    });
}

} // namespace
