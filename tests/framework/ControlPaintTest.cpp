// Painting of controls: static text in the font and colour the control-colour handler
// chose over the dialog's background, and the owner-draw request of buttons with its
// item state and the background beneath.

#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "framework/qt/QtHandles.h"
#include "framework/qt/StaticTextPainter.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/ui/TestPixels.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

namespace {

using ControlPaintTest = GuiTest;

const QColor kGreen(0, 160, 0);

bool IsRed(QPoint, QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool IsDark(QPoint, QRgb c)
{
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}

class RecordingButton : public CButton
{
public:
    std::vector<UINT> m_states;

    void DrawItem(LPDRAWITEMSTRUCT item) override { m_states.push_back(item->itemState); }
};

// The results window over a green background; the title in a large red font.
class PaintedDialog : public CDialog
{
public:
    PaintedDialog() : CDialog(IDD_RESULTS) { MapCommand(IDC_CORRECTION_TEST, &PaintedDialog::OnCorrection); }

    int m_nCorrections = 0;
    RecordingButton m_btnCorrection;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_CORRECTION_TEST, m_btnCorrection); }
    BOOL OnEraseBkgnd(CDC* dc) override
    {
        CRect client;
        GetClientRect(&client);
        PainterOf(dc)->fillRect(0, 0, client.Width(), client.Height(), kGreen);
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT) override
    {
        dc->SetBkMode(TRANSPARENT);
        if (control->GetDlgCtrlID() == IDC_RESULT_TITLE) {
            // Lives for this request only, as the results window's fonts do.
            CFont font;
            font.CreateFont(40, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, "Arial");
            dc->SelectObject(&font);
            dc->SetTextColor(RGB(255, 0, 0));
        }
        return GetStockObject(NULL_BRUSH);
    }

private:
    void OnCorrection() { ++m_nCorrections; }
};

// What the window shows where the control lies: a static draws over the dialog's paint.
QImage Render(ModalDialog& modal, int id)
{
    return modal.Window()->grab(modal.Control(id)->geometry()).toImage();
}

StaticTextStyle ElevenPixelArial()
{
    StaticTextStyle style;
    style.font.setFamily(QStringLiteral("Arial"));
    style.font.setPixelSize(11);
    style.color = Qt::black;
    return style;
}

// text drawn by the static text painter on white.
QImage Drawn(QSize size, const QString& text)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawStaticText(painter, image.rect(), text, ElevenPixelArial());
    return image;
}

TEST_F(ControlPaintTest, StaticTextBreaksLongLinesBetweenWords)
{
    const QImage image = Drawn(QSize(60, 40), QStringLiteral("Mmmmm Mmmmm"));
    const QRect ink = InkBounds(image, IsDark);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GT(ink.height(), 16); // two lines
    EXPECT_LT(ink.right(), image.width() - 1);
}

TEST_F(ControlPaintTest, StaticTextTabsAdvanceToStopsOfEightAverageCharacters)
{
    const int stop = 8 * QFontMetrics(ElevenPixelArial().font).averageCharWidth();
    for (const QString& text : {QStringLiteral("\tM"), QStringLiteral("l\tM"), QStringLiteral("ll l\tM")}) {
        SCOPED_TRACE(text.toStdString());
        const QImage image = Drawn(QSize(3 * stop, 20), text);
        const QRect afterTab =
            InkBounds(image.copy(stop / 2, 0, image.width() - stop / 2, image.height()), IsDark);
        ASSERT_TRUE(afterTab.isValid());
        EXPECT_GE(afterTab.left() + stop / 2, stop);
        EXPECT_LE(afterTab.left() + stop / 2, stop + 2);
    }
}

// Static text in the font and colour of the control-colour request. Held and dragged off the
// owner-draw button, it pops up and a release there is no click. (The states of the item, the
// background beneath, the disabled face and the leave that ends a hover are seen through the
// pill buttons of the look's dialog tests.)
TEST_F(ControlPaintTest, StaticTextColourAndOwnerDrawButtonPress)
{
    PaintedDialog dialog;
    RunModal(dialog, [&dialog](ModalDialog& modal) {
        const QImage titleShown = Render(modal, IDC_RESULT_TITLE);
        // The hollow brush lets the dialog's background through.
        EXPECT_EQ(titleShown.pixelColor(1, 1), kGreen);
        EXPECT_EQ(titleShown.pixelColor(titleShown.width() - 2, titleShown.height() - 2), kGreen);
        const QRect red = InkBounds(titleShown, IsRed);
        ASSERT_TRUE(red.isValid());
        EXPECT_FALSE(InkBounds(titleShown, IsDark).isValid());
        // Centred text.
        EXPECT_NEAR(red.center().x(), titleShown.width() / 2, 4);

        // The next label keeps the template's 8 points, in black.
        const QImage count = Render(modal, IDC_RESULT_COUNT);
        const QRect dark = InkBounds(count, IsDark);
        ASSERT_TRUE(dark.isValid());
        EXPECT_LT(dark.height(), 13);
        EXPECT_GT(red.height(), dark.height() + 4);

        RecordingButton& button = dialog.m_btnCorrection;
        QWidget* widget = modal.Control(IDC_CORRECTION_TEST);
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        widget->grab();
        ASSERT_FALSE(button.m_states.empty());
        EXPECT_EQ(button.m_states.back() & ODS_SELECTED, ODS_SELECTED);
        QTest::mouseMove(widget, QPoint(-10, -10));
        widget->grab();
        EXPECT_EQ(button.m_states.back() & ODS_SELECTED, 0u);
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(-10, -10));
        EXPECT_EQ(dialog.m_nCorrections, 0);
        modal.Click(IDC_CORRECTION_TEST);
        EXPECT_EQ(dialog.m_nCorrections, 1);
        modal.Key(Qt::Key_Escape);
    });
}

TEST(DeviceContext, WhatASurfaceHoldsFirstIsPaintedBeforeUseUnlessACopyReplacesIt)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    QPainter onRed(&red);
    QtDC source(&onRed, &red);

    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtDC dc(&painter, &image);
    int painted = 0;
    const auto pendGreen = [&] {
        dc.SetPendingPaint([&] {
            ++painted;
            painter.fillRect(image.rect(), kGreen);
        });
    };

    image.fill(Qt::black);
    pendGreen();
    dc.BitBlt(2, 2, 4, 4, &source, 0, 0, SRCCOPY);
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(image.pixelColor(0, 0), kGreen);
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::red));

    // Reading the context as the source of a copy paints it first too, and only once.
    pendGreen();
    red.fill(Qt::black);
    QtDC intoRed(&onRed, &red);
    intoRed.BitBlt(0, 0, 10, 10, &dc, 0, 0, SRCCOPY);
    EXPECT_EQ(painted, 2);
    EXPECT_EQ(red.pixelColor(5, 5), kGreen);
    PainterOf(&dc);
    EXPECT_EQ(painted, 2);
}

} // namespace
