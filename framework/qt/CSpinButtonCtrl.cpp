#include "framework/CSpinButtonCtrl.h"
#include "framework/qt/QtHandles.h"

#include "framework/qt/SpinWidget.h"

#include <QLineEdit>

namespace {

SpinWidget* SpinOf(const CWnd* window)
{
    return dynamic_cast<SpinWidget*>(WidgetOf(window));
}

} // namespace

void CSpinButtonCtrl::SetRange(int lower, int upper)
{
    if (SpinWidget* spin = SpinOf(this))
        spin->SetRange(lower, upper);
}

int CSpinButtonCtrl::SetPos(int position)
{
    SpinWidget* spin = SpinOf(this);
    if (!spin)
        return 0;
    const int previous = spin->Pos();
    spin->SetPos(position);
    return previous;
}
