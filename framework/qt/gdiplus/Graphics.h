#pragma once
// A drawing surface on a device context (or directly on a Qt painter), made for one paint.
// It keeps the painter's state as it found it: everything it changes is undone when it is
// destroyed. Coordinates are pixels whose centres lie on the integer grid, so a one-pixel
// line at y = 5 covers exactly row 5 and anti-aliased shapes come out as the same pixels
// on every platform.

#include "framework/base/WinTypes.h"
#include "framework/base/gdiplus/GdiplusTypes.h"

class QBrush;
class QPainter;

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
    explicit Graphics(QPainter* painter);
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
    // Prepares the painter for one figure; the caller restores it afterwards.
    void BeginFigure();
    QBrush GridBrush(const Brush& brush) const;

    QPainter* m_pPainter = nullptr;
    SmoothingMode m_smoothingMode = SmoothingModeDefault;
    Status m_status = Ok;
};

} // namespace Gdiplus
