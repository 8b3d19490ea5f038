#include "framework/win32/gdiplus/Graphics.h"

#include "framework/base/gdiplus/StringFormat.h"
#include "framework/win32/gdiplus/Brush.h"
#include "framework/win32/gdiplus/Font.h"
#include "framework/win32/gdiplus/GdiplusFlat.h"
#include "framework/win32/gdiplus/GraphicsPath.h"
#include "framework/win32/gdiplus/Image.h"
#include "framework/win32/gdiplus/Pen.h"

namespace {

// The system's string format for the framework's: alignment and line alignment.
struct NativeStringFormat
{
    explicit NativeStringFormat(const Gdiplus::StringFormat* format)
    {
        status = Gdiplus::Status(GdiplusFlat::GdipCreateStringFormat(0, LANG_NEUTRAL, &handle));
        if (status != Gdiplus::Ok) {
            handle = nullptr;
            return;
        }
        if (format) {
            GdiplusFlat::GdipSetStringFormatAlign(handle,
                                                  GdiplusFlat::StringAlignment(format->GetAlignment()));
            GdiplusFlat::GdipSetStringFormatLineAlign(
                handle, GdiplusFlat::StringAlignment(format->GetLineAlignment()));
        }
    }
    ~NativeStringFormat()
    {
        if (handle)
            GdiplusFlat::GdipDeleteStringFormat(handle);
    }
    NativeStringFormat(const NativeStringFormat&) = delete;
    NativeStringFormat& operator=(const NativeStringFormat&) = delete;

    GdiplusFlat::GpStringFormat* handle = nullptr;
    Gdiplus::Status status = Gdiplus::Ok;
};

} // namespace

namespace Gdiplus {

Graphics::Graphics(HDC dc)
{
    if (!dc) {
        m_status = InvalidParameter;
        return;
    }
    m_status = Status(GdiplusFlat::GdipCreateFromHDC(dc, &m_pGraphics));
    if (m_status != Ok)
        m_pGraphics = nullptr;
}

Graphics::~Graphics()
{
    if (m_pGraphics)
        GdiplusFlat::GdipDeleteGraphics(m_pGraphics);
}

Status Graphics::SetSmoothingMode(SmoothingMode mode)
{
    if (!m_pGraphics)
        return m_status;
    return Status(GdiplusFlat::GdipSetSmoothingMode(m_pGraphics, GdiplusFlat::SmoothingMode(mode)));
}

Status Graphics::FillRectangle(const Brush* brush, const Rect& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height)
{
    if (!m_pGraphics || !brush || !brush->NativeBrush())
        return InvalidParameter;
    return Status(GdiplusFlat::GdipFillRectangleI(m_pGraphics, brush->NativeBrush(), x, y, width, height));
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path)
{
    if (!m_pGraphics || !pen || !pen->NativePen() || !path || !path->NativePath())
        return InvalidParameter;
    return Status(GdiplusFlat::GdipDrawPath(m_pGraphics, pen->NativePen(), path->NativePath()));
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path)
{
    if (!m_pGraphics || !brush || !brush->NativeBrush() || !path || !path->NativePath())
        return InvalidParameter;
    return Status(GdiplusFlat::GdipFillPath(m_pGraphics, brush->NativeBrush(), path->NativePath()));
}

Status Graphics::DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2)
{
    if (!m_pGraphics || !pen || !pen->NativePen())
        return InvalidParameter;
    return Status(GdiplusFlat::GdipDrawLineI(m_pGraphics, pen->NativePen(), x1, y1, x2, y2));
}

Status Graphics::DrawString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                            const StringFormat* format, const Brush* brush)
{
    if (!m_pGraphics || !string || !font || !font->NativeFont() || !brush || !brush->NativeBrush())
        return InvalidParameter;
    const NativeStringFormat native(format);
    if (!native.handle)
        return native.status;
    const GdiplusFlat::RectF layout(layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height);
    return Status(GdiplusFlat::GdipDrawString(m_pGraphics, reinterpret_cast<const wchar_t*>(string), length,
                                              font->NativeFont(), &layout, native.handle,
                                              brush->NativeBrush()));
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                               const StringFormat* format, RectF* boundingBox) const
{
    if (!m_pGraphics || !string || !font || !font->NativeFont() || !boundingBox)
        return InvalidParameter;
    const NativeStringFormat native(format);
    if (!native.handle)
        return native.status;
    const GdiplusFlat::RectF layout(layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height);
    GdiplusFlat::RectF box;
    const Status status = Status(
        GdiplusFlat::GdipMeasureString(m_pGraphics, reinterpret_cast<const wchar_t*>(string), length,
                                       font->NativeFont(), &layout, native.handle, &box, nullptr, nullptr));
    if (status == Ok)
        *boundingBox = RectF(box.X, box.Y, box.Width, box.Height);
    return status;
}

Status Graphics::DrawImage(const Image* image, INT x, INT y)
{
    // At its size in pixels: the image's own resolution (a JPEG's 72 dots per inch, say)
    // must not scale it.
    if (!image)
        return InvalidParameter;
    return DrawImage(image, x, y, INT(image->GetWidth()), INT(image->GetHeight()));
}

Status Graphics::DrawImage(const Image* image, const Rect& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawImage(const Image* image, INT x, INT y, INT width, INT height)
{
    if (!m_pGraphics || !image || !image->NativeImage())
        return InvalidParameter;
    return Status(GdiplusFlat::GdipDrawImageRectI(m_pGraphics, image->NativeImage(), x, y, width, height));
}

} // namespace Gdiplus
