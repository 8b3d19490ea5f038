#include "ui/gdiplus/Image.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace Gdiplus {

Image::Image(const WCHAR* filename) : m_pImage(std::make_unique<QImage>())
{
    const QString path = filename ? QString::fromUtf16(filename) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_status = FileNotFound;
        return;
    }
    QImageReader reader(path);
    if (!reader.read(m_pImage.get())) {
        *m_pImage = QImage();
        m_status = UnknownImageFormat;
    }
}

Image::~Image() = default;

unsigned Image::GetWidth() const
{
    return unsigned(m_pImage->width());
}

unsigned Image::GetHeight() const
{
    return unsigned(m_pImage->height());
}

} // namespace Gdiplus
