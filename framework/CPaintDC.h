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
#if defined(_WIN32)
    // BeginPaint's record, or none outside a paint of that window.
    HWND m_hPaintWnd = nullptr;
    PAINTSTRUCT m_paint{};
#else
    HDC__* m_pPaint = nullptr;
#endif
    CBitmap m_scratch;
};
