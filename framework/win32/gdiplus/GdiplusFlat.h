#pragma once
// The system's flat GDI+ interface, for the drawing layer's own sources only. gdiplus.h
// would also bring the system's C++ classes into namespace Gdiplus, where the framework's
// drawing layer has classes of the same names; so the flat part alone is taken, in a
// namespace of its own, as gdiplus.h itself wraps these headers.

#include "framework/base/WinTypes.h"

#include <objidl.h>

#include <cmath>
#include <cstddef>

#ifndef _COM_interface
#define _COM_interface struct
#endif
typedef _COM_interface IDirectDrawSurface7 IDirectDrawSurface7;

namespace GdiplusFlat {

typedef float REAL;
typedef SHORT INT16;
typedef WORD UINT16;

// clang-format off
#include <gdiplus/gdiplusenums.h>
#include <gdiplus/gdiplustypes.h>
#include <gdiplus/gdiplusgpstubs.h>
#include <gdiplus/gdiplusimaging.h>
#include <gdiplus/gdiplusinit.h>
#include <gdiplus/gdiplusmem.h>
#include <gdiplus/gdiplusmetaheader.h>
#include <gdiplus/gdipluspixelformats.h>
#include <gdiplus/gdipluscolor.h>
#include <gdiplus/gdipluscolormatrix.h>
#include <gdiplus/gdiplusflat.h>
// clang-format on

using namespace DllExports;

} // namespace GdiplusFlat
