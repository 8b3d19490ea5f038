#include "ModesGuiSupport.h"

#include "app/MainDialog.h"
#include "framework/CDC.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/QtHandles.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "storage/TreeNode.h"
#include "ui/ChoiceButton.h"

#include "TempDir.h"

#include <QImage>
#include <QPainter>

void ModesTest::SetUp()
{
    theSettings = Settings();
    theQuestionBank.RemoveAll();
}

void FromLauncher(int size, const std::function<void(ModalDialog&)>& body)
{
    const TempDir dir;
    FillExamBank(theQuestionBank, size);
    TreeNode root;
    theQuestionBank.SaveToNode(root);
    ASSERT_TRUE(root.SaveFile(dir.File("Demootazky.dat")));
    MainDialog launcher(dir.Path() + "/");
    RunModal(launcher, body, 30000);
}

void StartMode(const ModalDialog& launcher, int button, std::function<void(ModalDialog&)> setup,
               std::function<void(ModalDialog&)> question)
{
    OnNextDialog(button == IDC_EXAM ? IDD_EXAM_SETTINGS : IDD_LEARN_SETTINGS,
                 [setup, question](ModalDialog& modal) {
                     setup(modal);
                     OnNextDialog(IDD_QUESTION, question);
                     modal.Click(IDOK);
                 });
    launcher.Click(button);
}

int AnswerControl(int answer)
{
    const int controls[3] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};
    return controls[answer];
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
