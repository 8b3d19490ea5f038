#pragma once
// The device context of a window's paint, made in its OnPaint handler. Outside a paint
// of that window it draws on a scratch surface, so drawing through it does nothing.

#include "framework/CBitmap.h"
#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    HDC__* m_pPaint = nullptr;
    CBitmap m_scratch;
};
