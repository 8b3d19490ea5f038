#include "framework/qt/gdiplus/Image.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <vector>

namespace {

// Decoding a GIF costs more than painting the whole question window, and learning and
// correction tests show the same pictures again and again. The latest decoded files are
// kept, each with the size and time of change it had, so a changed file is read anew.
class DecodedFiles
{
public:
    const QImage* Find(const QFileInfo& file)
    {
        const QString path = file.absoluteFilePath();
        const qint64 size = file.size();
        const QDateTime modified = file.lastModified();
        const auto found = std::find_if(m_files.begin(), m_files.end(), [&](const Entry& entry) {
            return entry.path == path && entry.size == size && entry.modified == modified;
        });
        if (found == m_files.end())
            return nullptr;
        std::rotate(m_files.begin(), found, found + 1); // the most recent first
        return &m_files.front().image;
    }

    void Keep(const QFileInfo& file, const QImage& image)
    {
        if (image.sizeInBytes() > kMaxBytes)
            return;
        m_files.insert(m_files.begin(),
                       Entry{file.absoluteFilePath(), file.size(), file.lastModified(), image});
        qsizetype bytes = 0;
        std::size_t kept = 0;
        while (kept < m_files.size() && kept < kMaxFiles &&
               bytes + m_files[kept].image.sizeInBytes() <= kMaxBytes)
            bytes += m_files[kept++].image.sizeInBytes();
        m_files.resize(kept);
    }

private:
    static constexpr std::size_t kMaxFiles = 16;
    static constexpr qsizetype kMaxBytes = 16 * 1024 * 1024;

    struct Entry
    {
        QString path;
        qint64 size;
        QDateTime modified;
        QImage image;
    };
    std::vector<Entry> m_files;
};

DecodedFiles& Decoded()
{
    thread_local DecodedFiles files;
    return files;
}

} // namespace

namespace Gdiplus {

Image::Image(const WCHAR* filename) : m_pImage(std::make_unique<QImage>())
{
    const QString path = filename ? QString::fromUtf16(filename) : QString();
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile()) {
        m_status = FileNotFound;
        return;
    }
    if (const QImage* decoded = Decoded().Find(file)) {
        *m_pImage = *decoded;
        return;
    }
    QImageReader reader(path);
    if (!reader.read(m_pImage.get())) {
        *m_pImage = QImage();
        m_status = UnknownImageFormat;
        return;
    }
    Decoded().Keep(file, *m_pImage);
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
