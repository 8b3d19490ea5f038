#pragma once
// A bitmap of the platform's, as created compatible with a device context.

#include "framework/base/WinTypes.h"

class CDC;

class CBitmap
{
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // The pixels are not initialised, as with a compatible bitmap on Windows.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetWidth() const;
    int GetHeight() const;
    HBITMAP GetSafeHandle() const { return m_hBitmap; }

private:
    HBITMAP m_hBitmap = nullptr;
};
