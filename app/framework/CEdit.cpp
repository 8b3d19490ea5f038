#include "CEdit.h"

#include <QLineEdit>

void CEdit::SetSel(int start, int end)
{
    auto* edit = dynamic_cast<QLineEdit*>(GetSafeHwnd());
    if (!edit)
        return;
    const int length = int(edit->text().size());
    const int from = std::clamp(start, 0, length);
    const int to = end < 0 ? length : std::clamp(end, from, length);
    edit->setSelection(from, to - from);
}
