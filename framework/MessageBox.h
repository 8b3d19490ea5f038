#pragma once
// The framework's message box: a text, an icon chosen by the type and an OK button, shown
// modally over the program's windows. Every box goes through one seam, so that tests can
// read the text and answer without a window appearing.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <functional>

// Shows text with an OK button; returns IDOK.
int AfxMessageBox(const CString& text, UINT type = MB_OK, UINT helpId = 0);

// Answers every AfxMessageBox in place of a window until replaced; an empty handler
// restores the real box. Returns the handler that was in use.
using MessageBoxHandler = std::function<int(const CString& text, UINT type)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
