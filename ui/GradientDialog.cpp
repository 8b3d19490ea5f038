#include "ui/GradientDialog.h"

#include "app/framework/CDC.h"
#include "app/framework/CGdiObjects.h"
#include "ui/ImageObject.h"
#include "ui/gdiplus/Graphics.h"
#include "ui/gdiplus/LinearGradientBrush.h"

GradientDialog::GradientDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

GradientDialog::~GradientDialog() = default;

void GradientDialog::SetGradientColors(COLORREF top, COLORREF bottom)
{
    m_crTop = top;
    m_crBottom = bottom;
    m_bGradient = true;
}

void GradientDialog::SetBackgroundImage(const CString& path)
{
    m_bImage = true;
    m_pImage = std::make_unique<ImageObject>(path);
}

BOOL GradientDialog::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    if (m_bGradient) {
        Gdiplus::Graphics graphics(dc);
        const Gdiplus::Rect area(client.left, client.top, client.Width(), client.Height());
        Gdiplus::LinearGradientBrush brush(area, Gdiplus::Color::FromCOLORREF(m_crTop),
                                           Gdiplus::Color::FromCOLORREF(m_crBottom),
                                           Gdiplus::LinearGradientModeVertical);
        brush.SetWrapMode(Gdiplus::WrapModeTile);
        graphics.FillRectangle(&brush, area);
        return TRUE;
    }
    if (m_bImage && m_pImage) {
        Gdiplus::Graphics graphics(dc);
        m_pImage->Draw(graphics, 0, 0, client.Width(), client.Height());
        return TRUE;
    }
    return CDialog::OnEraseBkgnd(dc);
}

HBRUSH GradientDialog::OnCtlColor(CDC* dc, CWnd* control, UINT controlKind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, controlKind);
    dc->SetBkMode(TRANSPARENT);
    return m_bDefaultBrush ? brush : GetStockObject(NULL_BRUSH);
}

void GradientDialog::OnSize(UINT type, int width, int height)
{
    CDialog::OnSize(type, width, height);
    // The gradient spans the whole client height, so a resize changes every row of it.
    Invalidate(TRUE);
}
