#include "ui/GradientDialog.h"

#include "app/framework/CDC.h"
#include "app/framework/CGdiObjects.h"
#include "ui/ImageObject.h"
#include "ui/gdiplus/Graphics.h"
#include "ui/gdiplus/LinearGradientBrush.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

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
        QPainter* painter = dc ? dc->GetPainter() : nullptr;
        const Gdiplus::Rect area(client.left, client.top, client.Width(), client.Height());
        // Copied pixels match the filled ones only where a pixel is a pixel; a scaled
        // surface (a high-density screen) gets the gradient filled at its resolution.
        if (!painter || !painter->isActive() || painter->deviceTransform().type() > QTransform::TxTranslate) {
            Gdiplus::Graphics graphics(dc);
            FillGradient(graphics, area, m_crTop, m_crBottom);
            return TRUE;
        }
        const QSize size(area.Width, area.Height);
        if (!m_pGradient || m_pGradient->size() != size) {
            // Opaque, so that it is copied onto the window and the controls, not blended.
            m_pGradient = std::make_unique<QImage>(size, QImage::Format_RGB32);
            m_pGradient->fill(Qt::transparent);
            QPainter onImage(m_pGradient.get());
            Gdiplus::Graphics graphics(&onImage);
            FillGradient(graphics, Gdiplus::Rect(0, 0, area.Width, area.Height), m_crTop, m_crBottom);
        }
        painter->drawImage(QPoint(area.X, area.Y), *m_pGradient);
        return TRUE;
    }
    if (m_bImage && m_pImage) {
        // The default erase first, so that a picture that could not be read, or one with
        // transparent parts, shows the face colour rather than whatever the window held.
        CDialog::OnEraseBkgnd(dc);
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
