#include "ModesGuiSupport.h"

#include "framework/CDC.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/QtHandles.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "storage/TreeNode.h"
#include "ui/ChoiceButton.h"

#include <QImage>
#include <QPainter>

void ModesTest::SetUp()
{
    theSettings = Settings();
    theQuestionBank.RemoveAll();
}

void ModesTest::TearDown()
{
    GuiTest::TearDown();
    theSettings = Settings();
    theQuestionBank.RemoveAll();
}

void FillExamBank(int size)
{
    theQuestionBank.SetSize(size);
    for (int i = 0; i < size; ++i) {
        const std::string n = std::to_string(i);
        theQuestionBank[i].m_strText = {"Otázka " + n, "Alfa " + n, "Beta " + n, "Gama " + n};
        theQuestionBank[i].m_nAnswer = RightAnswer(i);
    }
}

int RightAnswer(int question)
{
    return question % 3;
}

int WrongAnswer(int question)
{
    return (question + 1) % 3;
}

int AnswerControl(int answer)
{
    const int controls[3] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};
    return controls[answer];
}

void StoreTest(const std::vector<int>& list)
{
    Settings& s = theSettings;
    std::copy(list.begin(), list.end(), s.m_test.begin());
    s.m_testCount = int(list.size());
    s.m_testPos = 0;
    s.m_bZOnlyNew = false;
}

void SaveBank(const std::string& path)
{
    TreeNode root;
    theQuestionBank.SaveToNode(root);
    ASSERT_TRUE(root.SaveFile(path));
}

bool ChoiceChecked(const ModalDialog& modal, int id)
{
    const auto* choice = dynamic_cast<const ChoiceButton*>(WindowOf(modal.Control(id)));
    if (!choice)
        ADD_FAILURE() << "control " << id << " is no choice button";
    return choice && choice->IsChecked();
}

LOGFONT PaintFont(const ModalDialog& modal, int id)
{
    QImage surface(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&surface);
    QtDC dc(&painter, &surface);
    RequestControlColour(modal.Control(id), dc, CTLCOLOR_STATIC);
    if (const LOGFONT* font = dc.GetSelectedLogFont())
        return *font;
    ADD_FAILURE() << "no font selected for control " << id;
    return {};
}
