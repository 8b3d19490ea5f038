// Dialog units, the placement of every template's controls, the dialog windows built from
// the templates and the modal frame the framework draws around a caption-less popup.

#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/GdiBrush.h"
#include "framework/base/Resources.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/QtHandles.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTest>
#include <QWidget>

namespace {

using DialogLayoutTest = GuiTest;

// Tahoma 8 at 96 dpi, 11 pixels, has the base units of Windows, 6 x 13 pixels; dialog units
// map each value on its own, rounding half away from zero as MulDiv does (115.5, 136.5, 40.5
// and 22.75 pixels here).
TEST_F(DialogLayoutTest, DialogUnitsAreThoseOfWindows)
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    const BaseUnits units = BaseUnitsOf(tahoma);
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
    EXPECT_EQ(MapDialogRect(units, 77, 84, 27, 14), QRect(116, 137, 41, 23));
}

// The template's caption and frame, and where a control of a template must stand, shown or
// hidden, with its text: its template rectangle in dialog units, except the icon (at its
// template's corner in the icon's size) and the up-down control and its buddy (the arrows
// in the edit's right end).
void ExpectControlsWhereTheTemplatePutsThem(const DialogTemplate& dialogTemplate)
{
    SCOPED_TRACE(dialogTemplate.id);
    CDialog dialog(dialogTemplate.id);
    RunModal(dialog, [&](ModalDialog& modal) {
        const BaseUnits units = BaseUnitsOf(modal.Window()->font());
        // The client area has the template's size; a caption-less popup's window adds the
        // modal frame around it, a captioned one gets its frame from the window manager.
        CRect client;
        dialog.GetClientRect(&client);
        const QSize size = MapDialogSize(units, dialogTemplate.cx, dialogTemplate.cy);
        EXPECT_EQ(QSize(client.Width(), client.Height()), size);
        const bool popup = (dialogTemplate.style & WS_CAPTION) != WS_CAPTION;
        EXPECT_EQ(modal.Window()->size(), size + (popup ? QSize(6, 6) : QSize(0, 0)));
        EXPECT_EQ(bool(modal.Window()->windowFlags() & Qt::FramelessWindowHint), popup);
        EXPECT_EQ(dialog.GetWindowText(), CString(dialogTemplate.caption));
        const auto& controls = dialogTemplate.controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlTemplate& control = controls[i];
            const QRect expected = MapDialogRect(units, control.x, control.y, control.cx, control.cy);
            if ((control.style & SS_TYPEMASK) == SS_ICON) {
                const QWidget* icon = nullptr;
                for (const QWidget* child :
                     modal.Window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (WindowOf(child) && (WindowOf(child)->GetStyle() & SS_TYPEMASK) == SS_ICON)
                        icon = child;
                }
                ASSERT_NE(icon, nullptr);
                EXPECT_EQ(icon->geometry(), QRect(expected.topLeft(), QSize(32, 32)));
            }
            if (control.id == IDC_STATIC)
                continue;
            // A control without the visible style, as the question window's picture marker,
            // is there but hidden.
            const CWnd* window = dialog.GetDlgItem(control.id);
            EXPECT_EQ(window->IsWindowVisible() != FALSE, (control.style & WS_VISIBLE) != 0)
                << "control " << control.id;
            if (control.text[0] != '#') {
                EXPECT_EQ(window->GetWindowText(), CString(control.text)) << "control " << control.id;
            }
            CRect area;
            window->GetWindowRect(&area);
            dialog.ScreenToClient(&area);
            const QRect placed(area.left, area.top, area.Width(), area.Height());
            if (i + 1 < controls.size() && controls[i + 1].kind == ControlKind::UpDown) {
                const QRect updown = modal.Control(controls[i + 1].id)->geometry();
                const int arrows = MapDialogSize(units, controls[i + 1].cx, 0).width();
                EXPECT_EQ(updown,
                          QRect(expected.right() - arrows + 1, expected.top(), arrows, expected.height()));
                EXPECT_EQ(placed.left(), expected.left());
                EXPECT_LT(placed.right(), updown.right());
                EXPECT_GE(placed.right(), updown.left());
            } else if (control.kind != ControlKind::UpDown) {
                EXPECT_EQ(placed, expected) << "control " << control.id;
            }
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

} // namespace

namespace {

// A pixel that tells where it lies, so that a client area moved by a pixel shows.
QRgb PatternAt(int x, int y)
{
    return qRgb(x % 256, y % 256, 128 + x / 256 * 16 + y / 256);
}

// Erases with the pattern and notes where the mouse last moved, in client coordinates.
class PatternDialog : public CDialog
{
public:
    using CDialog::CDialog;
    CPoint m_lastMove{-1, -1};

    BOOL OnEraseBkgnd(CDC* dc) override
    {
        static const QImage pattern = [] {
            QImage image(1024, 1024, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, PatternAt(x, y));
            }
            return image;
        }();
        PainterOf(dc)->drawImage(0, 0, pattern);
        return TRUE;
    }
    void OnMouseMove(UINT, CPoint point) override { m_lastMove = point; }
};

} // namespace

TEST_F(DialogLayoutTest, ACaptionlessPopupGetsTheRaisedModalFrameAroundItsUntouchedClientArea)
{
    PatternDialog dialog(IDD_RESULTS);
    RunModal(dialog, [&](ModalDialog& modal) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(modal.Window()));
        const QImage window = modal.Grab().convertToFormat(QImage::Format_RGB32);
        CRect client;
        dialog.GetClientRect(&client);
        ASSERT_EQ(window.size(), QSize(client.Width() + 6, client.Height() + 6));
        const int r = window.width() - 1;
        const int b = window.height() - 1;
        const COLORREF face = GetDialogFaceColor();
        const QRgb kFace = qRgb(GetRValue(face), GetGValue(face), GetBValue(face));
        // Outside in, one line each: light above and left, darkest below and right (its lines
        // take the corners at the top right and the bottom left); white and shadow; the face
        // colour all round.
        const QRgb above[] = {qRgb(227, 227, 227), qRgb(255, 255, 255), kFace};
        const QRgb below[] = {qRgb(105, 105, 105), qRgb(160, 160, 160), kFace};
        for (int k = 0; k < 3; ++k) {
            for (const QPoint at : {QPoint(k, k), QPoint(r / 2, k), QPoint(k, b / 2)})
                EXPECT_EQ(window.pixel(at), above[k]) << at.x() << "," << at.y();
            for (const QPoint at : {QPoint(r - k, k), QPoint(k, b - k), QPoint(r / 2, b - k),
                                    QPoint(r - k, b / 2), QPoint(r - k, b - k)})
                EXPECT_EQ(window.pixel(at), below[k]) << at.x() << "," << at.y();
        }
        // Inside the frame the client area's own pixels, neither moved nor painted over, all
        // along its edges, which no control covers.
        int moved = 0;
        for (int x = 0; x < client.Width(); ++x) {
            for (int y = 0; y < client.Height(); ++y) {
                const bool edge = x < 3 || y < 3 || x >= client.Width() - 3 || y >= client.Height() - 3;
                moved += edge && window.pixel(3 + x, 3 + y) != PatternAt(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(moved, 0);
        QTest::mouseMove(modal.Window(), QPoint(3 + 5, 3 + 4));
        EXPECT_EQ(QPoint(dialog.m_lastMove.x, dialog.m_lastMove.y), QPoint(5, 4));
        modal.Key(Qt::Key_Escape);
    });
}
