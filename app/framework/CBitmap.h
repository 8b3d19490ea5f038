#pragma once
// A bitmap on a 32-bit image, as created compatible with a device context.

#include "WinTypes.h"

#include <memory>

class QImage;
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
    QImage* GetImage() const { return m_image.get(); }

private:
    std::unique_ptr<QImage> m_image;
};
