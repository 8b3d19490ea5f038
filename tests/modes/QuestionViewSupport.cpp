#include "QuestionViewSupport.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/qt/ControlColour.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

QRect ClientRect(const ModalDialog& modal, int id)
{
    const CWnd* control = modal.Dialog()->GetDlgItem(id);
    if (!control) {
        ADD_FAILURE() << "no control " << id;
        return {};
    }
    CRect area;
    control->GetWindowRect(&area);
    modal.Dialog()->ScreenToClient(&area);
    return QRect(area.left, area.top, area.Width(), area.Height());
}

CString ControlText(const ModalDialog& modal, int id)
{
    const CWnd* control = modal.Dialog()->GetDlgItem(id);
    return control ? control->GetWindowText() : CString("<no control>");
}

bool ControlShown(const ModalDialog& modal, int id)
{
    const CWnd* control = modal.Dialog()->GetDlgItem(id);
    return control && control->IsWindowVisible();
}

LOGFONT PaintFont(const ModalDialog& modal, int id)
{
    QImage surface(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&surface);
    QtDC dc(&painter, &surface);
    RequestControlColour(modal.Control(id), dc, CTLCOLOR_STATIC);
    if (const LOGFONT* font = dc.GetSelectedLogFont())
        return *font;
    ADD_FAILURE() << "no font selected for control " << id;
    return {};
}
