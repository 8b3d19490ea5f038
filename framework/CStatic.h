#pragma once
// A static control: a label, an icon or a hidden marker. Everything a dialog does with one
// (text, showing, moving, window rectangles) is a window operation of CWnd.

#include "framework/CWnd.h"

class CStatic : public CWnd
{
};
