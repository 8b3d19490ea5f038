#pragma once
// A picture decoded from a file by the platform's image readers (JPEG and GIF among them;
// of an animated GIF only the first frame). A file that is missing or cannot be decoded
// still gives a valid object: its size is 0 and drawing it draws nothing.

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <memory>

class QImage;

namespace Gdiplus {

class Image
{
public:
    explicit Image(const WCHAR* filename);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    unsigned GetWidth() const;
    unsigned GetHeight() const;
    Status GetLastStatus() const { return m_status; }

    // The decoded pixels; a null image when there are none.
    const QImage& QtImage() const { return *m_pImage; }

private:
    std::unique_ptr<QImage> m_pImage;
    Status m_status = Ok;
};

} // namespace Gdiplus
