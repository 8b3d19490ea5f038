#pragma once
// Paints a static control's text the way the framework's dialogs expect on every system:
// the dialog's control-colour handler is asked first, and the font, colours and
// background mode it leaves on the context are the ones the text is drawn with, so a font
// chosen there wins over the control's own. A hollow brush leaves the background alone,
// so the text floats over whatever the dialog painted beneath.

#include "framework/base/WinTypes.h"

namespace StaticPainter {

void Paint(HWND control, HDC dc);
// A static whose text or visibility changes: the dialog repaints the rectangle beneath it
// first, since a transparent control cannot erase its own old text.
void RepaintBeneath(HWND control);

} // namespace StaticPainter
