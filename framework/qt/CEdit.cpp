#include "framework/CEdit.h"
#include "framework/qt/QtHandles.h"

#include <QLineEdit>

void CEdit::SetSel(int start, int end)
{
    auto* edit = dynamic_cast<QLineEdit*>(WidgetOf(this));
    if (!edit)
        return;
    const int length = int(edit->text().size());
    const int from = std::clamp(start, 0, length);
    const int to = end < 0 ? length : std::clamp(end, from, length);
    edit->setSelection(from, to - from);
}
