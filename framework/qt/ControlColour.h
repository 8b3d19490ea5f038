#pragma once
// The control-colour request (WM_CTLCOLOR*): before a control draws, its dialog's
// OnCtlColor chooses the font, text colour and background mode on the control's device
// context and returns the brush of the control's background.

#include "framework/GdiBrush.h"
#include "framework/base/WinTypes.h"

#include <QFont>

class CDC;
class QWidget;

// Sets the context's defaults (black text, opaque background of the kind's colour), then
// asks the dialog. The result is never none: a handler's none means the usual brush.
HBRUSH RequestControlColour(QWidget* control, CDC& dc, UINT kind);
// The framework's usual brush for a kind of control: the window colour for edits, the
// dialog face colour for the others.
HBRUSH UsualControlBrush(UINT kind);
// The font text of control is drawn in: the one selected into dc, else the control's own.
QFont ControlFont(const CDC& dc, const QWidget* control);
