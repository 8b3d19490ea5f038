#pragma once
// The one boundary every message crosses on its way to a window's handler. While a
// handler runs, CWnd::Default() of that window performs the message's default
// processing; a CFileException that leaves the handler is reported in the framework's
// message box and the handler is abandoned, as Windows' message dispatch does.

#include "framework/base/WinTypes.h"

#include <functional>

class CWnd;

// Runs handler as window's processing of one message whose default processing is
// defaultProcessing (none: nothing to do). Returns the handler's result, 0 when abandoned.
LRESULT SendWindowMessage(CWnd* window, const std::function<LRESULT()>& handler,
                          const std::function<LRESULT()>& defaultProcessing = {});

// The default processing of the innermost message window is handling; 0 when none.
LRESULT RunDefaultProcessing(const CWnd* window);
