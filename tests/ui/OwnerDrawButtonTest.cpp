// The push buttons on a real dialog: background kept from the first paint, hover
// repaints driven by real mouse events, press and release, the hand cursor.

#include "framework/qt/Artwork.h"
#include "tests/support/ModalDriver.h"

#include "framework/Cursor.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "ui/AlertPillButton.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A push button that records the state of every paint.
template <class Base> class Recording : public Base
{
public:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        states.push_back(ButtonStateFromItem(drawItem->itemState, this->m_bHover));
        Base::DrawItem(drawItem);
    }

    std::vector<ButtonState> states;
};

// The learning set-up's template with its two push buttons; OK does not close it.
class ButtonDialog : public GradientDialog
{
public:
    ButtonDialog() : GradientDialog(IDD_LEARN_SETTINGS)
    {
        SetGradientColors(Palette::LightBlue, Palette::White);
    }

    void OnOK() override { ++m_nOkClicks; }

    Recording<PillButton> m_btnOK;
    Recording<AlertPillButton> m_btnCancel;
    int m_nOkClicks = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        GradientDialog::DoDataExchange(dx);
        DDX_Control(dx, IDOK, m_btnOK);
        DDX_Control(dx, IDCANCEL, m_btnCancel);
    }
};

// A point of the dialog that no control covers.
constexpr QPoint kOutside(2, 2);

// Moves the mouse from outside onto the middle of the button: a move to where the mouse
// already is would deliver nothing.
void EnterButton(const ModalDialog& modal, int id)
{
    MoveMouse(modal, kOutside);
    MoveMouse(modal, modal.Rect(id).center());
}

void ExpectCornersShowTheBackground(const ModalDialog& modal, ButtonDialog& dialog, int id)
{
    const QImage shown = GrabArgb(modal);
    const QImage background = ErasedBackground(dialog);
    const QRect button = modal.Rect(id);
    for (const QPoint corner :
         {button.topLeft(), button.topRight(), button.bottomLeft(), button.bottomRight()})
        EXPECT_EQ(shown.pixel(corner), background.pixel(corner))
            << id << ": " << corner.x() << "," << corner.y();
}

using OwnerDrawButtonTest = GuiTest;

} // namespace

// Moving across a button repaints it once on entering and once on leaving. The corners show
// the dialog gradient also after hover repaints, and the faces kept for the states match fresh
// ones; a changed caption is drawn anew.
TEST_F(OwnerDrawButtonTest, HoverRepaintsOnceEachWayAndKeptFacesMatchFreshOnes)
{
    ButtonDialog dialog;
    ShowAndRun(dialog, [&](ModalDialog& modal) {
        ExpectCornersShowTheBackground(modal, dialog, IDOK);
        ExpectCornersShowTheBackground(modal, dialog, IDCANCEL);
        const QRect button = modal.Rect(IDOK);
        const QImage fresh = GrabArgb(modal).copy(button);
        MoveMouse(modal, kOutside);
        dialog.m_btnOK.states.clear();
        for (int x = button.left() + 2; x < button.right() - 2; x += 8)
            MoveMouse(modal, QPoint(x, button.center().y()));
        MoveMouse(modal, kOutside);
        EXPECT_EQ(dialog.m_btnOK.states, (std::vector{ButtonState::Hover, ButtonState::Normal}));
        EXPECT_TRUE(dialog.m_btnCancel.states.empty() ||
                    dialog.m_btnCancel.states.back() == ButtonState::Normal);
        EnterButton(modal, IDOK);
        ExpectCornersShowTheBackground(modal, dialog, IDOK);
        const QImage hovered = GrabArgb(modal).copy(button);
        MoveMouse(modal, kOutside);
        ExpectCornersShowTheBackground(modal, dialog, IDOK);
        EXPECT_NE(hovered, fresh);
        EXPECT_EQ(GrabArgb(modal).copy(button), fresh);

        const CString caption = dialog.m_btnOK.GetWindowText();
        dialog.m_btnOK.SetWindowText("Jinak");
        Settle();
        EXPECT_NE(GrabArgb(modal).copy(button), fresh);
        dialog.m_btnOK.SetWindowText(caption);
        Settle();
        EXPECT_EQ(GrabArgb(modal).copy(button), fresh);
    });
}

// Hovered, the pill shows the pointing hand; pressed while hovered it is drawn pressed, hovered
// after the release and disabled when disabled.
TEST_F(OwnerDrawButtonTest, HoveredShowsTheHandAndPressedReleasedAndDisabledAreDrawnSo)
{
    ButtonDialog dialog;
    ShowAndRun(dialog, [&](ModalDialog& modal) {
        QWidget* button = modal.Control(IDOK);
        const QPoint centre = button->rect().center();
        EnterButton(modal, IDOK);
        const HCURSOR hand = LoadCursorResource(IDC_HAND_BUTTON);
        ASSERT_NE(hand, nullptr);
        EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(button->cursor().bitmap().toImage(), CursorToQt(hand)->bitmap().toImage());
        EXPECT_EQ(button->cursor().mask().toImage(), CursorToQt(hand)->mask().toImage());
        DestroyCursor(hand);
        dialog.m_btnOK.states.clear();
        QTest::mousePress(button, Qt::LeftButton, {}, centre);
        Settle();
        QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
        Settle();
        dialog.m_btnOK.EnableWindow(FALSE);
        Settle();
        EXPECT_EQ(dialog.m_btnOK.states,
                  (std::vector{ButtonState::Pressed, ButtonState::Hover, ButtonState::Disabled}));
        EXPECT_EQ(dialog.m_nOkClicks, 1);
    });
}
