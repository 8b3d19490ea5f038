#pragma once
// The drawing objects of the device-context layer: fonts described by a LOGFONT, bitmaps
// on 32-bit images and brush handles.

#include "framework/CBitmap.h"
#include "framework/CFont.h"
#include "framework/GdiBrush.h"
