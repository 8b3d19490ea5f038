#include "framework/CPaintDC.h"

#include "framework/CWnd.h"
#include "framework/win32/MessageDispatch.h"

CPaintDC::CPaintDC(CWnd* window)
{
    HWND handle = window ? window->GetSafeHwnd() : nullptr;
    if (handle && IsHandling(handle, WM_PAINT)) {
        if (HDC dc = BeginPaint(handle, &m_paint)) {
            m_hPaintWnd = handle;
            Attach(dc);
            return;
        }
    }
    m_scratch.CreateCompatibleBitmap(nullptr, 1, 1);
    CreateCompatibleDC(nullptr);
    SelectObject(&m_scratch);
}

CPaintDC::~CPaintDC()
{
    SelectObject(static_cast<CBitmap*>(nullptr));
    if (m_hPaintWnd) {
        Attach(nullptr);
        EndPaint(m_hPaintWnd, &m_paint);
    }
}
