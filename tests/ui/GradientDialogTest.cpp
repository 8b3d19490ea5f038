// The dialog background (gradient, stretched image or the framework's default) and the
// control colours, on real dialogs built from the program's templates.

#include "TestPixels.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/CGdiObjects.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "ui/GradientDialog.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kLightRed = 0xFFFF8E8E;
constexpr QRgb kWhite = 0xFFFFFFFF;

class TestDialog : public GradientDialog
{
public:
    explicit TestDialog(UINT templateId = IDD_LEARN_SETTINGS) : GradientDialog(templateId) {}

    void UseDialogBrush() { m_bDefaultBrush = true; }
};

QRgb FaceColour()
{
    const COLORREF face = GetDialogFaceColor();
    return qRgb(GetRValue(face), GetGValue(face), GetBValue(face));
}

// A red JPEG with the given size, written to dir.
CString RedJpeg(const QTemporaryDir& dir, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(220, 20, 20));
    const QString path = dir.filePath("Logo.jpg");
    image.save(path, "JPG", 100);
    return CString(path.toStdString());
}

// Column 1 runs past the left edge of every control of the templates used here.
constexpr int kFreeColumn = 1;

void ExpectVerticalGradient(const QImage& image, QRgb top, QRgb bottom)
{
    const int last = image.height() - 1;
    EXPECT_EQ(image.pixel(kFreeColumn, 0), top);
    EXPECT_TRUE(Near(image.pixel(kFreeColumn, last), bottom, 2));
    const QRgb middle = qRgb((qRed(top) + qRed(bottom)) / 2, (qGreen(top) + qGreen(bottom)) / 2,
                             (qBlue(top) + qBlue(bottom)) / 2);
    EXPECT_TRUE(Near(image.pixel(kFreeColumn, last / 2), middle, 3));
    // The gradient, copied from its bitmap, reaches the far corner as well.
    EXPECT_TRUE(Near(image.pixel(image.width() - 1, last), bottom, 2));
}

using GradientDialogTest = GuiTest;

} // namespace

// The gradient wins over a picture set as well; a resize repaints the whole gradient over the
// new client area.
TEST_F(GradientDialogTest, PaintsTheGradientFromTheTopColourToTheBottomColourAlsoAfterAResize)
{
    const QTemporaryDir dir;
    TestDialog dialog;
    dialog.SetBackgroundImage(RedJpeg(dir, 8, 8));
    dialog.SetGradientColors(Palette::LightRed, Palette::White);
    ShowAndRun(dialog, [&](ModalDialog& modal) {
        ExpectVerticalGradient(GrabArgb(modal), kLightRed, kWhite);
        ExpectVerticalGradient(ErasedBackground(dialog), kLightRed, kWhite);
        QWidget* widget = WidgetOf(&dialog);
        const QSize larger = widget->size() + QSize(40, 160);
        widget->setFixedSize(larger);
        Settle();
        const QImage image = GrabArgb(modal);
        ASSERT_EQ(image.size(), larger);
        ExpectVerticalGradient(image, kLightRed, kWhite);
    });
}

TEST_F(GradientDialogTest, ImageIsStretchedOverTheWholeClientArea)
{
    const QTemporaryDir dir;
    TestDialog dialog;
    dialog.SetBackgroundImage(RedJpeg(dir, 7, 3));
    ShowAndRun(dialog, [&](ModalDialog& modal) {
        const QImage image = ErasedBackground(dialog);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint p : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom),
                               QPoint(right / 2, bottom / 2)})
            EXPECT_TRUE(Near(image.pixel(p), qRgb(220, 20, 20), 12)) << p.x() << "," << p.y();
        EXPECT_TRUE(Near(GrabArgb(modal).pixel(kFreeColumn, bottom), qRgb(220, 20, 20), 12));
    });
}

TEST_F(GradientDialogTest, WithoutGradientOrPictureTheWindowShowsTheFaceColour)
{
    const QTemporaryDir dir;
    for (const bool missingImage : {false, true}) {
        SCOPED_TRACE(missingImage ? "missing picture" : "neither");
        TestDialog dialog;
        if (missingImage)
            dialog.SetBackgroundImage(CString(dir.filePath("Logo.jpg").toStdString()));
        ShowAndRun(dialog, [&](ModalDialog& modal) {
            const QImage image = GrabArgb(modal);
            EXPECT_EQ(image.pixel(kFreeColumn, 0), FaceColour());
            EXPECT_EQ(image.pixel(kFreeColumn, image.height() - 1), FaceColour());
        });
    }
}

// Labels draw transparently over the gradient with the hollow brush, and are filled with the
// face colour with the framework's dialog brush.
TEST_F(GradientDialogTest, LabelsShowTheGradientThroughTheHollowBrushOrTheDialogBrush)
{
    for (const bool dialogBrush : {false, true}) {
        SCOPED_TRACE(dialogBrush ? "dialog brush" : "hollow brush");
        TestDialog dialog(IDD_EXAM_SETTINGS);
        dialog.SetGradientColors(Palette::LightBlue, Palette::White);
        if (dialogBrush)
            dialog.UseDialogBrush();
        ShowAndRun(dialog, [&](ModalDialog& modal) {
            const QImage image = GrabArgb(modal);
            const QRect label = modal.Rect(IDC_QUESTION_COUNT_LABEL);
            ASSERT_FALSE(label.isEmpty());
            const int face = CountPixels(image, label, [](QPoint, QRgb p) { return p == FaceColour(); });
            const double share = double(face) / (label.width() * label.height());
            if (dialogBrush)
                EXPECT_GT(share, 0.5);
            else
                EXPECT_EQ(share, 0.0);
        });
    }
}
