#include "ui/ImageObject.h"

#include "framework/AnsiText.h"
#include "framework/Gdiplus.h"

ImageObject::ImageObject(std::string_view path)
    : m_pImage(std::make_unique<Gdiplus::Image>(AnsiToUtf16(path).c_str())),
      m_status(m_pImage->GetLastStatus())
{
}

ImageObject::~ImageObject() = default;

unsigned ImageObject::GetWidth() const
{
    return m_pImage->GetWidth();
}

unsigned ImageObject::GetHeight() const
{
    return m_pImage->GetHeight();
}

Gdiplus::Status ImageObject::Draw(Gdiplus::Graphics& graphics, int x, int y)
{
    m_status = graphics.DrawImage(m_pImage.get(), x, y);
    return m_status;
}

Gdiplus::Status ImageObject::Draw(Gdiplus::Graphics& graphics, int x, int y, int width, int height)
{
    m_status = graphics.DrawImage(m_pImage.get(), x, y, width, height);
    return m_status;
}
