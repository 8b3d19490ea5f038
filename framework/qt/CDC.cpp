#include "framework/CDC.h"

#include "framework/qt/QtFonts.h"
#include "framework/qt/QtHandles.h"

#include <QImage>
#include <QPainter>

// A memory context's own handle and the painter on its selected bitmap.
struct MemoryDC
{
    HDC__ handle;
    std::unique_ptr<QPainter> painter;
    CBitmap* bitmap = nullptr;
};

CDC::CDC() = default;

CDC::CDC(HDC dc) : m_hDC(dc) {}

CDC::~CDC() = default;

QtDC::QtDC(QPainter* painter, QImage* image) : m_surface{painter, image}
{
    Attach(&m_surface);
}

void CDC::Attach(HDC dc)
{
    m_pMemory.reset();
    m_hDC = dc;
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
        if (m_hDC && m_hDC->painter)
            m_hDC->painter->setFont(ToQFont(m_logFont));
    }
    return previous;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    // Every surface of this back-end is an image; the bitmap selected later decides the format.
    m_pMemory = std::make_unique<MemoryDC>();
    m_hDC = &m_pMemory->handle;
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_pMemory)
        return nullptr;
    CBitmap* previous = m_pMemory->bitmap;
    m_pMemory->painter.reset();
    m_pMemory->handle = HDC__{};
    m_pMemory->bitmap = bitmap;
    if (QImage* image = ImageOf(bitmap); image && !image->isNull()) {
        m_pMemory->painter = std::make_unique<QPainter>(image);
        m_pMemory->handle = HDC__{m_pMemory->painter.get(), image};
    }
    return previous;
}

int CDC::SetMapMode(int mode)
{
    const int previous = m_nMapMode;
    m_nMapMode = mode;
    return previous;
}

HDC CDC::GetSafeHdc() const
{
    RunPendingPaint();
    return m_hDC;
}

QPainter* PainterOf(const CDC* dc)
{
    const HDC handle = dc ? dc->GetSafeHdc() : nullptr;
    return handle ? handle->painter : nullptr;
}

QImage* ImageOf(const CDC* dc)
{
    const HDC handle = dc ? dc->GetSafeHdc() : nullptr;
    return handle ? handle->image : nullptr;
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
    return m_hDC->image && !m_hDC->painter->hasClipping() && m_hDC->painter->transform().isIdentity() &&
           QRect(x, y, width, height).contains(m_hDC->image->rect());
}

void CDC::DrawFocusRect(const CRect* rect)
{
    QImage* image = ImageOf(this);
    QPainter* painter = PainterOf(this);
    if (!rect || !image || !painter || !painter->isActive() || rect->Width() <= 0 || rect->Height() <= 0)
        return;
    // In the surface's pixels; the pattern is aligned to the surface, as a brush is to its context.
    const QRect area = painter->deviceTransform()
                           .mapRect(QRect(rect->left, rect->top, rect->Width(), rect->Height()))
                           .intersected(image->rect());
    if (area.isEmpty())
        return;
    painter->save();
    painter->resetTransform();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    const auto invert = [painter, image](int x, int y) {
        if ((x + y) % 2 == 1)
            painter->fillRect(QRect(x, y, 1, 1), QColor::fromRgb(image->pixel(x, y) ^ 0x00FFFFFF));
    };
    // Each pixel of the outline once: a second inversion would undo the first.
    for (int x = area.left(); x <= area.right(); ++x) {
        invert(x, area.top());
        if (area.bottom() != area.top())
            invert(x, area.bottom());
    }
    for (int y = area.top() + 1; y < area.bottom(); ++y) {
        invert(area.left(), y);
        if (area.right() != area.left())
            invert(area.right(), y);
    }
    painter->restore();
}

bool CDC::CopiesPixelForPixel() const
{
    const QPainter* painter = m_hDC ? m_hDC->painter : nullptr;
    return painter && painter->isActive() && painter->deviceTransform().type() <= QTransform::TxTranslate;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    if (rop != SRCCOPY || !m_hDC || !m_hDC->painter || !source || !source->m_hDC || !source->m_hDC->image ||
        width <= 0 || height <= 0)
        return FALSE;
    source->RunPendingPaint();
    // The copy replaces the pixels it covers (source composition), so what the surface was
    // to hold first need not be painted when it covers all of them.
    if (CoversSurface(x, y, width, height))
        m_pendingPaint = nullptr;
    else
        RunPendingPaint();
    QPainter* painter = m_hDC->painter;
    const QPainter* sourcePainter = source->m_hDC->painter;
    QImage* sourceImage = source->m_hDC->image;
    // Source coordinates are logical ones of the source context.
    QRect from(xSource, ySource, width, height);
    if (sourcePainter && sourcePainter->isActive())
        from = sourcePainter->transform().mapRect(from);
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    if (sourceImage == m_hDC->image) {
        // Within one image the pixels are copied out first, as the areas may overlap.
        painter->drawImage(QRect(x, y, width, height), sourceImage->copy(from));
    } else {
        painter->drawImage(QRect(x, y, width, height), *sourceImage, from);
    }
    painter->restore();
    return TRUE;
}
