#pragma once
// A picture decoded from a file by the system's codecs (JPEG and GIF among them; of an
// animated GIF the first frame). A file that is missing or cannot be decoded still gives a
// valid object: its size is 0 and drawing it draws nothing.

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

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

    // The decoded image; none when there is none.
    GdiplusFlat::GpImage* NativeImage() const { return m_pImage; }

private:
    GdiplusFlat::GpImage* m_pImage = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
