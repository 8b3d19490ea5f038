// Dialog units, the placement of every template's controls and the dialog windows built
// from the templates.

#include "framework/CDialog.h"
#include "framework/base/Resources.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/QtHandles.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QFont>
#include <QRect>
#include <QWidget>

namespace {

class DialogLayoutTest : public GuiTest
{
};

QFont TemplateFont(const char* face, int points)
{
    QFont font(face);
    font.setPixelSize(MulDiv(points, 96, 72));
    return font;
}

TEST_F(DialogLayoutTest, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(27, 6, 4), 41);  // 40.5
    EXPECT_EQ(MulDiv(8, 96, 72), 11); // 10.67
    EXPECT_EQ(MulDiv(-27, 6, 4), -41);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
}

TEST_F(DialogLayoutTest, TahomaEightPointHasWindowsBaseUnits)
{
    // Tahoma 8 at 96 dpi: 6 x 13 pixels on Windows.
    const BaseUnits units = BaseUnitsOf(TemplateFont("Tahoma", 8));
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
}

TEST_F(DialogLayoutTest, DialogUnitsMapEachValueOnItsOwn)
{
    const BaseUnits units{6, 13};
    EXPECT_EQ(MapDialogRect(units, 77, 84, 27, 14), QRect(116, 137, 41, 23));
    EXPECT_EQ(MapDialogRect(units, 0, 0, 4, 8), QRect(0, 0, 6, 13));
}

// Where a control of a template must stand: its template rectangle in dialog units, except
// the icon (sized to the icon) and the up-down control and its buddy (aligned together).
void ExpectControlsWhereTheTemplatePutsThem(const DialogTemplate& dialogTemplate)
{
    SCOPED_TRACE(dialogTemplate.id);
    struct TestDialog : CDialog
    {
        using CDialog::CDialog;
    } dialog(dialogTemplate.id);
    RunModal(dialog, [&](ModalDialog& modal) {
        const BaseUnits units = BaseUnitsOf(modal.Window()->font());
        EXPECT_EQ(modal.Window()->size(), MapDialogSize(units, dialogTemplate.cx, dialogTemplate.cy));
        const auto& controls = dialogTemplate.controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlTemplate& control = controls[i];
            if (control.id == IDC_STATIC)
                continue;
            const bool aligned = control.kind == ControlKind::UpDown ||
                                 (i + 1 < controls.size() && controls[i + 1].kind == ControlKind::UpDown);
            if (aligned)
                continue;
            EXPECT_EQ(modal.Control(control.id)->geometry(),
                      MapDialogRect(units, control.x, control.y, control.cx, control.cy))
                << "control " << control.id;
        }
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(DialogLayoutTest, EveryTemplatePlacesItsControls)
{
    for (UINT id : {IDD_ABOUTBOX, IDD_MAIN, IDD_QUESTION, IDD_LEARN_SETTINGS, IDD_EXAM_SETTINGS,
                    IDD_WRONG_ANSWER, IDD_RESULTS}) {
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr) << id;
        ExpectControlsWhereTheTemplatePutsThem(*dialogTemplate);
    }
}

TEST_F(DialogLayoutTest, UpDownSitsAtTheRightEdgeOfItsEdit)
{
    struct TestDialog : CDialog
    {
        TestDialog() : CDialog(IDD_EXAM_SETTINGS) {}
    } dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        const BaseUnits units = BaseUnitsOf(modal.Window()->font());
        const QRect edit = MapDialogRect(units, 77, 84, 27, 14);
        const QRect spin = MapDialogRect(units, 104, 84, 11, 14);
        const QRect buddy = modal.Control(IDC_QUESTION_COUNT)->geometry();
        const QRect updown = modal.Control(IDC_QUESTION_COUNT_SPIN)->geometry();
        EXPECT_EQ(updown.right(), edit.right());
        EXPECT_EQ(updown.width(), spin.width());
        EXPECT_EQ(updown.top(), edit.top());
        EXPECT_EQ(updown.height(), edit.height());
        EXPECT_EQ(buddy.left(), edit.left());
        EXPECT_LT(buddy.right(), updown.right());
        EXPECT_GE(buddy.right(), updown.left());
        // The label after it stays clear of the arrows.
        EXPECT_GT(modal.Control(IDC_QUESTION_COUNT_LABEL)->geometry().left(), updown.right());
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(DialogLayoutTest, IconStaticTakesTheIconSize)
{
    struct TestDialog : CDialog
    {
        TestDialog() : CDialog(IDD_ABOUTBOX) {}
    } dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        const QWidget* icon = nullptr;
        for (const QWidget* child : modal.Window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (WindowOf(child) && (WindowOf(child)->GetStyle() & SS_TYPEMASK) == SS_ICON)
                icon = child;
        }
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->size(), QSize(32, 32));
        EXPECT_EQ(icon->pos(), MapDialogRect(BaseUnitsOf(modal.Window()->font()), 11, 44, 20, 20).topLeft());
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(DialogLayoutTest, CaptionAndFrameFollowTheTemplate)
{
    struct TestDialog : CDialog
    {
        using CDialog::CDialog;
    };
    TestDialog exam(IDD_EXAM_SETTINGS);
    RunModal(exam, [](ModalDialog& modal) {
        EXPECT_EQ(modal.Dialog()->GetWindowText(), CString("Nastavení režimu zkoušení"));
        EXPECT_EQ(modal.Window()->windowTitle(), QStringLiteral(u"Nastavení režimu zkoušení"));
        EXPECT_FALSE(modal.Window()->windowFlags() & Qt::FramelessWindowHint);
        modal.Key(Qt::Key_Escape);
    });
    TestDialog results(IDD_RESULTS);
    RunModal(results, [](ModalDialog& modal) {
        EXPECT_TRUE(modal.Window()->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(modal.Dialog()->GetDlgItem(IDC_RESULT_TITLE)->GetWindowText(), CString("Výsledy testu :"));
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(DialogLayoutTest, HiddenStaticExistsWithItsRectangle)
{
    struct TestDialog : CDialog
    {
        TestDialog() : CDialog(IDD_QUESTION) {}
    } dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        const CWnd* marker = modal.Dialog()->GetDlgItem(IDC_PICTURE_MARKER);
        ASSERT_NE(marker, nullptr);
        EXPECT_FALSE(marker->IsWindowVisible());
        CRect rect;
        marker->GetWindowRect(&rect);
        modal.Dialog()->ScreenToClient(&rect);
        const QRect expected = MapDialogRect(BaseUnitsOf(modal.Window()->font()), 331, 7, 98, 8);
        EXPECT_EQ(rect.left, expected.left());
        EXPECT_EQ(rect.Width(), expected.width());
        modal.Key(Qt::Key_Escape);
    });
}

} // namespace
