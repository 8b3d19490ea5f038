#pragma once
// The graphics interface in one include: the drawing surface, brushes, pens, paths, fonts,
// string formats and images.

#include "ui/gdiplus/Brush.h"
#include "ui/gdiplus/Font.h"
#include "ui/gdiplus/FontFamily.h"
#include "ui/gdiplus/GdiplusTypes.h"
#include "ui/gdiplus/Graphics.h"
#include "ui/gdiplus/GraphicsPath.h"
#include "ui/gdiplus/Image.h"
#include "ui/gdiplus/LinearGradientBrush.h"
#include "ui/gdiplus/Pen.h"
#include "ui/gdiplus/SolidBrush.h"
#include "ui/gdiplus/StringFormat.h"
