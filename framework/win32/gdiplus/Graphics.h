#pragma once
// A drawing surface on a device context, made for one paint: the system GDI+'s graphics
// object on the context's HDC. A surface made on no context draws nothing.

#include "framework/base/WinTypes.h"
#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

namespace Gdiplus {

class Brush;
class Font;
class GraphicsPath;
class Image;
class Pen;
class StringFormat;

class Graphics
{
public:
    explicit Graphics(HDC dc);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Status GetLastStatus() const { return m_status; }

    Status SetSmoothingMode(SmoothingMode mode);

    Status FillRectangle(const Brush* brush, const Rect& rect);
    Status FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height);
    Status DrawPath(const Pen* pen, const GraphicsPath* path);
    Status FillPath(const Brush* brush, const GraphicsPath* path);
    Status DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2);
    // length < 0: the string runs to its terminator.
    Status DrawString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                      const StringFormat* format, const Brush* brush);
    // The box the string takes when DrawString lays it out in layoutRect.
    Status MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                         const StringFormat* format, RectF* boundingBox) const;
    // Unscaled, with the image's top-left corner at (x, y).
    Status DrawImage(const Image* image, INT x, INT y);
    // Stretched into the rectangle, whatever the image's own aspect ratio.
    Status DrawImage(const Image* image, const Rect& rect);
    Status DrawImage(const Image* image, INT x, INT y, INT width, INT height);

private:
    GdiplusFlat::GpGraphics* m_pGraphics = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
