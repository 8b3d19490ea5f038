#include "ui/GradientDialog.h"

#include "framework/CDC.h"
#include "framework/CGdiObjects.h"
#include "framework/Gdiplus.h"
#include "ui/ImageObject.h"
#include "ui/OffscreenDC.h"

namespace {

void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& area, COLORREF top, COLORREF bottom)
{
    Gdiplus::LinearGradientBrush brush(area, Gdiplus::Color::FromCOLORREF(top),
                                       Gdiplus::Color::FromCOLORREF(bottom),
                                       Gdiplus::LinearGradientModeVertical);
    brush.SetWrapMode(Gdiplus::WrapModeTile);
    graphics.FillRectangle(&brush, area);
}

} // namespace

GradientDialog::GradientDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

GradientDialog::~GradientDialog() = default;

void GradientDialog::SetGradientColors(COLORREF top, COLORREF bottom)
{
    m_crTop = top;
    m_crBottom = bottom;
    m_bGradient = true;
    m_pGradient.reset();
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
        const Gdiplus::Rect area(client.left, client.top, client.Width(), client.Height());
        // Copied pixels match the filled ones only where a pixel is a pixel; a scaled
        // surface (a high-density screen) gets the gradient filled at its resolution.
        if (!dc || !dc->CopiesPixelForPixel()) {
            Gdiplus::Graphics graphics(dc ? dc->GetSafeHdc() : nullptr);
            FillGradient(graphics, area, m_crTop, m_crBottom);
            return TRUE;
        }
        if (!m_pGradient || m_pGradient->GetWidth() != area.Width ||
            m_pGradient->GetHeight() != area.Height) {
            // Like the window's pixels, so that it is copied onto the window and the controls.
            m_pGradient = std::make_unique<CBitmap>();
            m_pGradient->CreateCompatibleBitmap(dc, area.Width, area.Height);
            CDC memory;
            memory.CreateCompatibleDC(dc);
            memory.SelectObject(m_pGradient.get());
            {
                Gdiplus::Graphics graphics(memory.GetSafeHdc());
                FillGradient(graphics, Gdiplus::Rect(0, 0, area.Width, area.Height), m_crTop, m_crBottom);
            }
            memory.SelectObject(static_cast<CBitmap*>(nullptr));
        }
        DrawBitmap(m_pGradient.get(), dc, CPoint(area.X, area.Y));
        return TRUE;
    }
    if (m_bImage && m_pImage) {
        // The default erase first, so that a picture that could not be read, or one with
        // transparent parts, shows the face colour rather than whatever the window held.
        CDialog::OnEraseBkgnd(dc);
        Gdiplus::Graphics graphics(dc->GetSafeHdc());
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
