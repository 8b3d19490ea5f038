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

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    if (rop != SRCCOPY || !m_pPainter || !source || !source->m_pImage || width <= 0 || height <= 0)
        return FALSE;
    // Source coordinates are logical ones of the source context; copy the pixels out first,
    // since source and target may be the same image.
    QRect from(xSource, ySource, width, height);
    if (source->m_pPainter && source->m_pPainter->isActive())
        from = source->m_pPainter->transform().mapRect(from);
    const QImage pixels = source->m_pImage->copy(from);
    m_pPainter->save();
    m_pPainter->setCompositionMode(QPainter::CompositionMode_Source);
    m_pPainter->drawImage(QRect(x, y, width, height), pixels);
    m_pPainter->restore();
    return TRUE;
}
