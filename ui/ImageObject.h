#pragma once
// A picture file decoded once and drawn at its own size or stretched: the launcher's logo
// and the question pictures. A file that is missing or cannot be decoded still gives a
// valid object, of size 0, whose drawing does nothing; the callers need no special case
// for it. Releasing the image is destroying the object.

#include "framework/Gdiplus.h"

#include <memory>
#include <string_view>

namespace Gdiplus {
class Graphics;
class Image;
} // namespace Gdiplus

class ImageObject
{
public:
    // path is in the ANSI code page.
    explicit ImageObject(std::string_view path);
    ~ImageObject();
    ImageObject(const ImageObject&) = delete;
    ImageObject& operator=(const ImageObject&) = delete;

    unsigned GetWidth() const;
    unsigned GetHeight() const;
    // Unscaled, with its top-left corner at (x, y).
    Gdiplus::Status Draw(Gdiplus::Graphics& graphics, int x, int y);
    // Stretched into the rectangle, ignoring its own aspect ratio.
    Gdiplus::Status Draw(Gdiplus::Graphics& graphics, int x, int y, int width, int height);
    // The status of the last operation on the image.
    Gdiplus::Status GetLastStatus() const { return m_status; }

private:
    std::unique_ptr<Gdiplus::Image> m_pImage;
    Gdiplus::Status m_status = Gdiplus::Ok;
};
