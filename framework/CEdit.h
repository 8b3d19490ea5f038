#pragma once
// A single-line edit control.

#include "framework/CWnd.h"

class CEdit : public CWnd
{
public:
    // Selects the characters from start up to end; end -1 selects to the end of the text.
    void SetSel(int start, int end);
};
