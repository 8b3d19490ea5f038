#pragma once
// What the question window's tests read from a running dialog, all by control id: a
// control's rectangle in client coordinates, its text, whether it is shown, and the font
// the dialog's control-colour handler gives it (the font its text is painted with).

#include "framework/CFont.h"
#include "framework/base/CString.h"
#include "tests/support/ModalDriver.h"

#include <QRect>

QRect ClientRect(const ModalDialog& modal, int id);
CString ControlText(const ModalDialog& modal, int id);
bool ControlShown(const ModalDialog& modal, int id);
// The font selected by the control-colour request a static control makes before it paints.
LOGFONT PaintFont(const ModalDialog& modal, int id);
