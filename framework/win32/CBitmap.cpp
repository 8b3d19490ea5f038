#include "framework/CBitmap.h"

#include "framework/CDC.h"

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
    HDC reference = dc ? dc->GetSafeHdc() : nullptr;
    HDC screen = reference ? nullptr : GetDC(nullptr);
    m_hBitmap = ::CreateCompatibleBitmap(reference ? reference : screen, width, height);
    if (screen)
        ReleaseDC(nullptr, screen);
    return m_hBitmap != nullptr;
}

int CBitmap::GetWidth() const
{
    BITMAP info{};
    return m_hBitmap && GetObjectW(m_hBitmap, sizeof info, &info) ? info.bmWidth : 0;
}

int CBitmap::GetHeight() const
{
    BITMAP info{};
    return m_hBitmap && GetObjectW(m_hBitmap, sizeof info, &info) ? info.bmHeight : 0;
}
