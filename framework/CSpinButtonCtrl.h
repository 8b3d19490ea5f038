#pragma once
// An up-down control attached to the edit before it in the template (its buddy). The
// range is 0..1000 until set otherwise; the up arrow steps towards the upper end.

#include "framework/CWnd.h"

class CSpinButtonCtrl : public CWnd
{
public:
    void SetRange(int lower, int upper);
    int SetPos(int position);
};
