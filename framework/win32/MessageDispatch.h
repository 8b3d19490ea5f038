#pragma once
// The one boundary every message crosses on its way to a window's handler. While a
// handler runs, CWnd::Default() of that window calls the window's own procedure (the
// system's dialog or control procedure) with the message. No exception leaves a handler
// into the system: a CFileException is reported in the framework's message box, any other
// in a box that names it, and the handler is abandoned.

#include "framework/base/WinTypes.h"

#include <functional>

class CWnd;

// Runs handler as window's processing of message; original is the window's procedure
// beneath the framework's. Returns the handler's result, 0 when abandoned.
LRESULT SendWindowMessage(CWnd* window, HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                          WNDPROC original, const std::function<LRESULT()>& handler);

// Runs code that the framework calls from a window procedure outside any one message.
void RunGuarded(const std::function<void()>& code);

// The default processing of the innermost message window is handling; 0 when none.
LRESULT RunDefaultProcessing(const CWnd* window);

// Whether window is handling message now (a paint, say).
bool IsHandling(HWND window, UINT message);
