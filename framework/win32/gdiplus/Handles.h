#pragma once
// The system GDI+ objects behind the drawing layer's classes, declared as the flat
// interface declares them.

namespace GdiplusFlat {
class GpBrush;
class GpFont;
class GpFontFamily;
class GpGraphics;
class GpImage;
class GpPath;
class GpPen;
} // namespace GdiplusFlat
