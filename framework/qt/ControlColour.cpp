#include "framework/qt/ControlColour.h"
#include "framework/qt/QtFonts.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/CWnd.h"
#include "framework/qt/MessageDispatch.h"

#include <QWidget>

HBRUSH UsualControlBrush(UINT kind)
{
    return kind == CTLCOLOR_EDIT ? GetWindowBrush() : GetDialogBrush();
}

HBRUSH RequestControlColour(QWidget* control, CDC& dc, UINT kind)
{
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkColor(UsualControlBrush(kind)->color);
    dc.SetBkMode(OPAQUE);
    CWnd* window = WindowOf(control);
    CWnd* dialog = window ? window->GetParent() : nullptr;
    if (!dialog)
        return UsualControlBrush(kind);
    const LRESULT brush = SendWindowMessage(
        dialog,
        [dialog, &dc, window, kind] {
            return reinterpret_cast<LRESULT>(dialog->OnCtlColor(&dc, window, kind));
        },
        [kind] { return reinterpret_cast<LRESULT>(UsualControlBrush(kind)); });
    return brush ? reinterpret_cast<HBRUSH>(brush) : UsualControlBrush(kind);
}

QFont ControlFont(const CDC& dc, const QWidget* control)
{
    if (const LOGFONT* selected = dc.GetSelectedLogFont())
        return ToQFont(*selected);
    return control->font();
}
