#pragma once
// The graphics interface in one include: the drawing surface, brushes, pens, paths, fonts,
// string formats and images.

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/base/gdiplus/StringFormat.h"

#if defined(_WIN32)
// On Windows the same classes over the system GDI+.
#include "framework/win32/gdiplus/Brush.h"
#include "framework/win32/gdiplus/Font.h"
#include "framework/win32/gdiplus/FontFamily.h"
#include "framework/win32/gdiplus/Graphics.h"
#include "framework/win32/gdiplus/GraphicsPath.h"
#include "framework/win32/gdiplus/Image.h"
#include "framework/win32/gdiplus/LinearGradientBrush.h"
#include "framework/win32/gdiplus/Pen.h"
#include "framework/win32/gdiplus/SolidBrush.h"
#else
#include "framework/qt/gdiplus/Brush.h"
#include "framework/qt/gdiplus/Font.h"
#include "framework/qt/gdiplus/FontFamily.h"
#include "framework/qt/gdiplus/Graphics.h"
#include "framework/qt/gdiplus/GraphicsPath.h"
#include "framework/qt/gdiplus/Image.h"
#include "framework/qt/gdiplus/LinearGradientBrush.h"
#include "framework/qt/gdiplus/Pen.h"
#include "framework/qt/gdiplus/SolidBrush.h"
#endif
