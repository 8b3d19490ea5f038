#include "framework/common/EditSelection.h"

#include "framework/qt/QtHandles.h"

#include <QLineEdit>

void SelectWholeText(CWnd& edit)
{
    if (auto* line = dynamic_cast<QLineEdit*>(WidgetOf(&edit)))
        line->selectAll();
}
