#include "framework/qt/gdiplus/Graphics.h"

#include "framework/base/gdiplus/StringFormat.h"
#include "framework/qt/QtHandles.h"
#include "framework/qt/gdiplus/Brush.h"
#include "framework/qt/gdiplus/Font.h"
#include "framework/qt/gdiplus/GraphicsPath.h"
#include "framework/qt/gdiplus/Image.h"
#include "framework/qt/gdiplus/Pen.h"

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <string_view>

namespace Gdiplus {

namespace {

// A painter that is in the middle of a paint on something, or none.
QPainter* ActivePainter(QPainter* painter)
{
    return painter && painter->isActive() ? painter : nullptr;
}

bool IsAntiAliased(SmoothingMode mode)
{
    return mode == SmoothingModeAntiAlias || mode == SmoothingModeHighQuality;
}

Qt::Alignment HorizontalAlignment(StringAlignment align)
{
    switch (align) {
    case StringAlignmentCenter:
        return Qt::AlignHCenter;
    case StringAlignmentFar:
        return Qt::AlignRight;
    case StringAlignmentNear:
        break;
    }
    return Qt::AlignLeft;
}

Qt::Alignment VerticalAlignment(StringAlignment align)
{
    switch (align) {
    case StringAlignmentCenter:
        return Qt::AlignVCenter;
    case StringAlignmentFar:
        return Qt::AlignBottom;
    case StringAlignmentNear:
        break;
    }
    return Qt::AlignTop;
}

// A string as DrawString lays it out, and MeasureString measures it: the text, its layout
// rectangle and Qt's flags for the format's alignments, wrapping at words.
struct TextLayout
{
    TextLayout(const WCHAR* string, INT length, const RectF& layoutRect, const StringFormat* format)
        : rect(layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height)
    {
        const std::u16string_view view =
            length < 0 ? std::u16string_view(string) : std::u16string_view(string, std::size_t(length));
        text = QString::fromUtf16(view.data(), qsizetype(view.size()));
        const StringFormat defaultFormat;
        const StringFormat& layout = format ? *format : defaultFormat;
        flags =
            int(HorizontalAlignment(layout.GetAlignment()) | VerticalAlignment(layout.GetLineAlignment())) |
            Qt::TextWordWrap;
    }

    QString text;
    QRectF rect;
    int flags = 0;
};

int DpiOf(const QPainter* painter)
{
    return painter->device() ? painter->device()->logicalDpiY() : 96;
}

} // namespace

Graphics::Graphics(HDC dc) : Graphics(dc ? dc->painter : nullptr) {}

Graphics::Graphics(QPainter* painter) : m_pPainter(ActivePainter(painter))
{
    if (!m_pPainter) {
        m_status = InvalidParameter;
        return;
    }
    m_pPainter->save();
    // A fresh surface draws aliased until smoothing is asked for.
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
}

Graphics::~Graphics()
{
    if (m_pPainter)
        m_pPainter->restore();
}

Status Graphics::SetSmoothingMode(SmoothingMode mode)
{
    if (!m_pPainter)
        return InvalidParameter;
    m_smoothingMode = mode;
    m_pPainter->setRenderHint(QPainter::Antialiasing, IsAntiAliased(mode));
    return Ok;
}

void Graphics::BeginFigure()
{
    m_pPainter->save();
    // Qt puts pixel centres at half-integers. Aliased drawing of integer geometry already
    // lands on the same pixels as ours; anti-aliased drawing needs the half-pixel shift,
    // or every one-pixel line would smear over two rows.
    if (IsAntiAliased(m_smoothingMode))
        m_pPainter->translate(0.5, 0.5);
}

QBrush Graphics::GridBrush(const Brush& brush) const
{
    // Without the shift of BeginFigure a gradient would be sampled half a pixel late, and
    // the first row of a gradient would miss its start colour.
    QBrush qtBrush = brush.QtBrush();
    if (!IsAntiAliased(m_smoothingMode))
        qtBrush.setTransform(qtBrush.transform() * QTransform::fromTranslate(0.5, 0.5));
    return qtBrush;
}

Status Graphics::FillRectangle(const Brush* brush, const Rect& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height)
{
    if (!m_pPainter || !brush || brush->GetLastStatus() != Ok)
        return InvalidParameter;
    BeginFigure();
    m_pPainter->setPen(Qt::NoPen);
    m_pPainter->setBrush(GridBrush(*brush));
    m_pPainter->drawRect(QRectF(x, y, width, height));
    m_pPainter->restore();
    return Ok;
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path)
{
    if (!m_pPainter || !pen || !path)
        return InvalidParameter;
    BeginFigure();
    m_pPainter->setPen(pen->QtPen());
    m_pPainter->setBrush(Qt::NoBrush);
    m_pPainter->drawPath(path->QtPath());
    m_pPainter->restore();
    return Ok;
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path)
{
    if (!m_pPainter || !brush || !path || brush->GetLastStatus() != Ok)
        return InvalidParameter;
    BeginFigure();
    m_pPainter->setPen(Qt::NoPen);
    m_pPainter->setBrush(GridBrush(*brush));
    m_pPainter->drawPath(path->QtPath());
    m_pPainter->restore();
    return Ok;
}

Status Graphics::DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2)
{
    if (!m_pPainter || !pen)
        return InvalidParameter;
    BeginFigure();
    m_pPainter->setPen(pen->QtPen());
    m_pPainter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    m_pPainter->restore();
    return Ok;
}

Status Graphics::DrawString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                            const StringFormat* format, const Brush* brush)
{
    if (!m_pPainter || !string || !font || !brush || !font->IsAvailable() || brush->GetLastStatus() != Ok)
        return InvalidParameter;
    const TextLayout layout(string, length, layoutRect, format);
    m_pPainter->save();
    m_pPainter->setFont(font->QtFont(DpiOf(m_pPainter)));
    m_pPainter->setPen(QPen(brush->QtBrush(), 1));
    m_pPainter->setClipRect(layout.rect, Qt::IntersectClip);
    m_pPainter->drawText(layout.rect, layout.flags, layout.text);
    m_pPainter->restore();
    return Ok;
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                               const StringFormat* format, RectF* boundingBox) const
{
    if (!m_pPainter || !string || !font || !boundingBox || !font->IsAvailable())
        return InvalidParameter;
    const TextLayout layout(string, length, layoutRect, format);
    // Limited to the layout, as DrawString's clip limits what it draws.
    const QRectF box = QFontMetricsF(font->QtFont(DpiOf(m_pPainter)), m_pPainter->device())
                           .boundingRect(layout.rect, layout.flags, layout.text)
                           .intersected(layout.rect);
    *boundingBox = RectF(REAL(box.x()), REAL(box.y()), REAL(box.width()), REAL(box.height()));
    return Ok;
}

Status Graphics::DrawImage(const Image* image, INT x, INT y)
{
    if (!m_pPainter || !image || image->QtImage().isNull())
        return InvalidParameter;
    m_pPainter->drawImage(QPoint(x, y), image->QtImage());
    return Ok;
}

Status Graphics::DrawImage(const Image* image, const Rect& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawImage(const Image* image, INT x, INT y, INT width, INT height)
{
    if (!m_pPainter || !image || image->QtImage().isNull())
        return InvalidParameter;
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_pPainter->drawImage(QRect(x, y, width, height), image->QtImage());
    m_pPainter->restore();
    return Ok;
}

} // namespace Gdiplus
