#pragma once
// What a window carries besides its widget's own state, kept on the widget so that it
// lives exactly as long as the window: the control id, the template styles, the window
// text as ANSI bytes (so GetWindowText returns exactly what SetWindowText stored), the
// font object last set, the armed mouse-leave request and, for a dialog, whether it still
// hides where the keyboard focus is.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

class QWidget;

namespace WindowData {

int Id(const QWidget* widget);
void SetId(QWidget* widget, int id);
DWORD Style(const QWidget* widget);
void SetStyle(QWidget* widget, DWORD style);
CString Text(const QWidget* widget);
void SetText(QWidget* widget, const CString& text);
bool LeaveTracked(const QWidget* widget);
void SetLeaveTracked(QWidget* widget, bool tracked);
// A dialog hides the focus of its controls until the keyboard moves it; a window that never
// set this shows it.
bool FocusHidden(const QWidget* window);
void SetFocusHidden(QWidget* window, bool hidden);

} // namespace WindowData
