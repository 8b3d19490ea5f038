// Choice groups: the selection exchanged with an integer, and the click rules of the
// choice buttons driven by real mouse events on the exam set-up's template. (The program puts
// every choice in a group: a stand-alone choice that toggles goes untested here.)

#include "tests/support/ModalDriver.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "ui/ChoiceButton.h"
#include "ui/ChoiceGroup.h"
#include "ui/GradientDialog.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<bool> Checked(ChoiceGroup& group)
{
    std::vector<bool> checked;
    for (int i = 0; i < group.GetCount(); ++i)
        checked.push_back(group.GetChoice(i).IsChecked());
    return checked;
}

class OrderDialog : public GradientDialog
{
public:
    OrderDialog() : GradientDialog(IDD_EXAM_SETTINGS)
    {
        SetGradientColors(Palette::LightBlue, Palette::White);
        m_order.AddChoice(IDC_ORDER_SEQUENTIAL);
        m_order.AddChoice(IDC_ORDER_RANDOM);
        m_order.AddChoice(IDC_ORDER_SIMULATED);
        MapCommand(IDC_ORDER_SEQUENTIAL, &OrderDialog::OnSequential);
    }

    ChoiceGroup m_order;
    int m_nOrder = 2;
    // What the click handler saw.
    std::vector<bool> m_sequentialClicks;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        GradientDialog::DoDataExchange(dx);
        m_order.ExchangeChoice(dx, m_nOrder);
    }

private:
    void OnSequential() { m_sequentialClicks.push_back(m_order.GetChoice(0).IsChecked()); }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Count() const { return m_nPaints; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }

private:
    int m_nPaints = 0;
};

// Whether the circle of the choice button shows green (checked) rather than red, sampled
// in its fill below the mark.
bool LooksChecked(const ModalDialog& modal, int id)
{
    const QImage image = GrabArgb(modal);
    const QRect button = modal.Rect(id);
    const int d = button.height() - 3;
    const QRgb fill = image.pixel(button.topLeft() + QPoint(d / 2, d - 2));
    return qGreen(fill) > qRed(fill);
}

using ChoiceGroupTest = GuiTest;

} // namespace

// A selection checks one button and reads back. (The buttons numbered as added: the clicks
// below and the learning set-up's choices in the modes' tests.)
TEST_F(ChoiceGroupTest, TheSelectionChecksOneButtonAndOneOutsideTheGroupNone)
{
    ChoiceGroup group;
    for (UINT id = 1021; id < 1040; ++id)
        group.AddChoice(id);
    group.SetSelection(18);
    std::vector<bool> last(19, false);
    last.back() = true;
    EXPECT_EQ(Checked(group), last);
    EXPECT_EQ(group.GetSelection(), 18);
    // A selection outside the group unchecks all and reads back as none.
    for (const int outside : {-1, 19}) {
        group.SetSelection(1);
        group.SetSelection(outside);
        EXPECT_EQ(Checked(group), std::vector<bool>(19, false)) << outside;
        EXPECT_EQ(group.GetSelection(), -1) << outside;
    }
}

// The data exchange loads the member; a press released outside changes nothing; a click checks
// the button and unchecks and repaints the others, and the exchange reads the new choice back.
TEST_F(ChoiceGroupTest, ClickChecksTheButtonAndUnchecksAndRepaintsTheOthers)
{
    OrderDialog dialog;
    ShowAndRun(dialog, [&](ModalDialog& modal) {
        EXPECT_EQ(Checked(dialog.m_order), (std::vector{false, false, true}));
        EXPECT_TRUE(LooksChecked(modal, IDC_ORDER_SIMULATED));
        EXPECT_FALSE(LooksChecked(modal, IDC_ORDER_SEQUENTIAL));
        // A press released outside the button changes nothing.
        QWidget* button = modal.Control(IDC_ORDER_RANDOM);
        const QPoint outside(button->width() + 20, button->height() / 2);
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        QTest::mouseMove(button, outside);
        QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
        Settle();
        EXPECT_EQ(Checked(dialog.m_order), (std::vector{false, false, true}));
        const PaintCounter random(modal.Control(IDC_ORDER_RANDOM));
        const PaintCounter simulated(modal.Control(IDC_ORDER_SIMULATED));
        modal.Click(IDC_ORDER_SEQUENTIAL);
        Settle();
        EXPECT_GE(random.Count(), 1);
        EXPECT_GE(simulated.Count(), 1);
        EXPECT_EQ(Checked(dialog.m_order), (std::vector{true, false, false}));
        EXPECT_TRUE(LooksChecked(modal, IDC_ORDER_SEQUENTIAL));
        EXPECT_FALSE(LooksChecked(modal, IDC_ORDER_SIMULATED));
        // The click reached the dialog after the state had changed.
        EXPECT_EQ(dialog.m_sequentialClicks, std::vector{true});
        EXPECT_TRUE(dialog.UpdateData(TRUE));
        EXPECT_EQ(dialog.m_nOrder, 0);
        // A click on the checked button leaves it checked.
        modal.Click(IDC_ORDER_SEQUENTIAL);
        Settle();
        EXPECT_EQ(Checked(dialog.m_order), (std::vector{true, false, false}));
        EXPECT_EQ(dialog.m_sequentialClicks, (std::vector{true, true}));
    });
}
