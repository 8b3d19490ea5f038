#pragma once
// The graphics interface in one include: the drawing surface, brushes, pens, paths, fonts,
// string formats and images.

#include "framework/qt/gdiplus/Brush.h"
#include "framework/qt/gdiplus/Font.h"
#include "framework/qt/gdiplus/FontFamily.h"
#include "framework/qt/gdiplus/GdiplusTypes.h"
#include "framework/qt/gdiplus/Graphics.h"
#include "framework/qt/gdiplus/GraphicsPath.h"
#include "framework/qt/gdiplus/Image.h"
#include "framework/qt/gdiplus/LinearGradientBrush.h"
#include "framework/qt/gdiplus/Pen.h"
#include "framework/qt/gdiplus/SolidBrush.h"
#include "framework/qt/gdiplus/StringFormat.h"
