// Windows for looking at the look. Not a test and not part of the program: run it on a
// display, take a screenshot and compare with what the buttons should look like.
//
//     navik_ui_gallery [seconds] [faces | exam | alert]
//
// "faces" (the default) shows every button face in every state over both dialog
// gradients; "exam" the exam set-up's template with real buttons and choice groups, one
// push button and one choice disabled; "alert" the wrong-answer popup in light red. The
// window closes by itself after the given seconds.

#include "framework/DataExchange.h"
#include "framework/Gdiplus.h"
#include "res/resource.h"
#include "ui/AlertPillButton.h"
#include "ui/ButtonPainter.h"
#include "ui/ChoiceGroup.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <array>

namespace {

using namespace Gdiplus;

constexpr ARGB kLightBlue = 0xFF8ED4FF;
constexpr ARGB kLightRed = 0xFFFF8E8E;
constexpr ARGB kWhite = 0xFFFFFFFF;

constexpr int kPanelWidth = 560;
constexpr int kPanelHeight = 230;
constexpr int kRowHeight = 40;
const CRect kPill(0, 0, 100, 25);
const CRect kChoice(0, 0, 150, 18);

struct Row
{
    ButtonState state;
    const char16_t* name;
};

constexpr std::array<Row, 4> kRows = {{{ButtonState::Normal, u"Normal"},
                                       {ButtonState::Hover, u"Hover"},
                                       {ButtonState::Pressed, u"Pressed"},
                                       {ButtonState::Disabled, u"Disabled"}}};

class Gallery : public QWidget
{
public:
    Gallery() { resize(2 * kPanelWidth + 30, kPanelHeight + 20); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::darkGray);
        PaintPanel(painter, 10, 10, kLightBlue);
        PaintPanel(painter, kPanelWidth + 20, 10, kLightRed);
    }

private:
    static void PaintPanel(QPainter& painter, int x, int y, ARGB top)
    {
        painter.save();
        painter.translate(x, y);
        {
            Graphics graphics(&painter);
            LinearGradientBrush gradient(Rect(0, 0, kPanelWidth, kPanelHeight), Color(top), Color(kWhite),
                                         LinearGradientModeVertical);
            graphics.FillRectangle(&gradient, 0, 0, kPanelWidth, kPanelHeight);
            const Font font(FontFamily::GenericSansSerif(), 8);
            const SolidBrush black{Color(0xFF000000)};
            int rowTop = 20;
            for (const Row& row : kRows) {
                graphics.DrawString(row.name, -1, &font, RectF(8, REAL(rowTop), 60, 25), nullptr, &black);
                rowTop += kRowHeight;
            }
        }
        int rowTop = 20;
        for (const Row& row : kRows) {
            PaintAt(painter, 70, rowTop, [&](Graphics& g) {
                ButtonPainter::PaintPill(g, row.state, kPill, kLightBlue, u"U\u010Den\u00ED");
            });
            PaintAt(painter, 180, rowTop,
                    [&](Graphics& g) { ButtonPainter::PaintPill(g, row.state, kPill, kLightRed, u"OK"); });
            PaintAt(painter, 290, rowTop + 3, [&](Graphics& g) {
                ButtonPainter::PaintChoice(g, row.state, kChoice, true, u"Nov\u00FD test");
            });
            PaintAt(painter, 420, rowTop + 3, [&](Graphics& g) {
                ButtonPainter::PaintChoice(g, row.state, kChoice, false, u"Pokra\u010Dovat");
            });
            rowTop += kRowHeight;
        }
        painter.restore();
    }

    template <class Paint> static void PaintAt(QPainter& painter, int x, int y, Paint paint)
    {
        painter.save();
        painter.translate(x, y);
        {
            Graphics graphics(&painter);
            graphics.SetSmoothingMode(SmoothingModeAntiAlias);
            paint(graphics);
        }
        painter.restore();
    }
};

class ExamGallery : public GradientDialog
{
public:
    ExamGallery() : GradientDialog(IDD_EXAM_SETTINGS)
    {
        for (const UINT id : {IDC_NEW_TEST, IDC_CONTINUE_TEST})
            m_test.AddChoice(id);
        for (const UINT id : {IDC_ORDER_SEQUENTIAL, IDC_ORDER_RANDOM, IDC_ORDER_SIMULATED})
            m_order.AddChoice(id);
        for (const UINT id : {IDC_TIME_UNLIMITED, IDC_TIME_LIMITED})
            m_time.AddChoice(id);
        for (const UINT id : {IDC_CHECK_EACH, IDC_CHECK_AT_END})
            m_check.AddChoice(id);
    }

    BOOL OnInitDialog() override
    {
        SetGradientColors(Palette::LightBlue, Palette::White);
        m_bDefaultBrush = true;
        GradientDialog::OnInitDialog();
        m_btnCancel.EnableWindow(FALSE);
        GetDlgItem(IDC_TIME_LIMITED)->EnableWindow(FALSE);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        GradientDialog::DoDataExchange(dx);
        DDX_Control(dx, IDOK, m_btnOK);
        DDX_Control(dx, IDCANCEL, m_btnCancel);
        int test = 0;
        int order = 2;
        int time = 1;
        int check = 0;
        m_test.ExchangeChoice(dx, test);
        m_order.ExchangeChoice(dx, order);
        m_time.ExchangeChoice(dx, time);
        m_check.ExchangeChoice(dx, check);
    }

private:
    PillButton m_btnOK;
    PillButton m_btnCancel;
    ChoiceGroup m_test;
    ChoiceGroup m_order;
    ChoiceGroup m_time;
    ChoiceGroup m_check;
};

class AlertGallery : public GradientDialog
{
public:
    AlertGallery() : GradientDialog(IDD_WRONG_ANSWER)
    {
        SetGradientColors(Palette::LightRed, Palette::White);
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        GradientDialog::DoDataExchange(dx);
        DDX_Control(dx, IDOK, m_btnOK);
    }

private:
    AlertPillButton m_btnOK;
};

int RunDialog(CDialog& dialog, int seconds)
{
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, [&dialog] { dialog.EndDialog(IDCANCEL); });
    dialog.DoModal();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("faces");
    if (mode == QLatin1String("exam")) {
        ExamGallery dialog;
        return RunDialog(dialog, seconds);
    }
    if (mode == QLatin1String("alert")) {
        AlertGallery dialog;
        return RunDialog(dialog, seconds);
    }
    Gallery gallery;
    gallery.setWindowTitle(QStringLiteral("Navik buttons"));
    gallery.move(0, 0);
    gallery.show();
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
