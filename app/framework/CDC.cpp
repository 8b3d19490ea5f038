#include "CDC.h"

#include <QImage>
#include <QPainter>

CDC::CDC(QPainter* painter, QImage* image) : m_pPainter(painter), m_pImage(image) {}

CDC::~CDC() = default;

void CDC::Attach(QPainter* painter, QImage* image)
{
    m_pPainter = painter;
    m_pImage = image;
}

int CDC::SetBkMode(int mode)
{
    const int previous = m_nBkMode;
    m_nBkMode = mode;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF previous = m_crBk;
    m_crBk = color;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_crText;
    m_crText = color;
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* previous = m_pFont;
    if (font && font->GetLogFont(&m_logFont)) {
        m_pFont = font;
        if (m_pPainter)
            m_pPainter->setFont(font->ToQFont());
    }
    return previous;
}

int CDC::SetMapMode(int mode)
{
    const int previous = m_nMapMode;
    m_nMapMode = mode;
    return previous;
}

QPainter* CDC::GetPainter() const
{
    RunPendingPaint();
    return m_pPainter;
}

QImage* CDC::GetImage() const
{
    RunPendingPaint();
    return m_pImage;
}

void CDC::RunPendingPaint() const
{
    if (!m_pendingPaint)
        return;
    const std::function<void()> paint = std::move(m_pendingPaint);
    m_pendingPaint = nullptr;
    paint();
}

bool CDC::CoversSurface(int x, int y, int width, int height) const
{
    return m_pImage && !m_pPainter->hasClipping() && m_pPainter->transform().isIdentity() &&
           QRect(x, y, width, height).contains(m_pImage->rect());
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    if (rop != SRCCOPY || !m_pPainter || !source || !source->m_pImage || width <= 0 || height <= 0)
        return FALSE;
    source->RunPendingPaint();
    // The copy replaces the pixels it covers (source composition), so what the surface was
    // to hold first need not be painted when it covers all of them.
    if (CoversSurface(x, y, width, height))
        m_pendingPaint = nullptr;
    else
        RunPendingPaint();
    // Source coordinates are logical ones of the source context.
    QRect from(xSource, ySource, width, height);
    if (source->m_pPainter && source->m_pPainter->isActive())
        from = source->m_pPainter->transform().mapRect(from);
    m_pPainter->save();
    m_pPainter->setCompositionMode(QPainter::CompositionMode_Source);
    if (source->m_pImage == m_pImage) {
        // Within one image the pixels are copied out first, as the areas may overlap.
        m_pPainter->drawImage(QRect(x, y, width, height), m_pImage->copy(from));
    } else {
        m_pPainter->drawImage(QRect(x, y, width, height), *source->m_pImage, from);
    }
    m_pPainter->restore();
    return TRUE;
}
