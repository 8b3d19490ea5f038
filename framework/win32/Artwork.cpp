#include "framework/win32/Artwork.h"

#include "framework/base/Resources.h"
#include "framework/win32/gdiplus/GdiplusFlat.h"

#include <cstring>

namespace {

// ARGB as GDI+ takes it, from a COLORREF.
GdiplusFlat::ARGB Opaque(COLORREF color)
{
    return 0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

void DrawShapes(GdiplusFlat::GpGraphics* graphics, UINT id, int size)
{
    GdiplusFlat::GdipSetSmoothingMode(graphics, GdiplusFlat::SmoothingModeAntiAlias);
    const float scale = float(size);
    for (const IconShape& shape : FindIconArt(id)) {
        GdiplusFlat::GpSolidFill* brush = nullptr;
        if (GdiplusFlat::GdipCreateSolidFill(Opaque(shape.fill), &brush) != GdiplusFlat::Ok)
            continue;
        if (shape.kind == IconShape::Kind::Ellipse && shape.points.size() >= 2) {
            const IconPoint& a = shape.points[0];
            const IconPoint& b = shape.points[1];
            GdiplusFlat::GdipFillEllipse(graphics, brush, a.x * scale, a.y * scale, (b.x - a.x) * scale,
                                         (b.y - a.y) * scale);
        } else if (shape.kind == IconShape::Kind::Polygon && !shape.points.empty()) {
            std::vector<GdiplusFlat::PointF> points;
            for (const IconPoint& p : shape.points)
                points.emplace_back(p.x * scale, p.y * scale);
            GdiplusFlat::GdipFillPolygon(graphics, brush, points.data(), INT(points.size()),
                                         GdiplusFlat::FillModeAlternate);
        }
        GdiplusFlat::GdipDeleteBrush(brush);
    }
}

// Little-endian writers for the icon file.
void Put16(std::string& out, unsigned value)
{
    out.push_back(char(value & 0xFF));
    out.push_back(char((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The AND mask of an icon image: a set bit where the pixel is transparent, rows bottom up,
// each padded to 32 bits.
std::vector<std::uint8_t> MaskBits(const std::vector<std::uint32_t>& pixels, int size)
{
    const int stride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> mask(std::size_t(stride * size), 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((pixels[std::size_t((size - 1 - y) * size + x)] >> 24) == 0)
                mask[std::size_t(y * stride + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        }
    }
    return mask;
}

} // namespace

namespace Artwork {

HCURSOR MakeCursor(UINT id)
{
    const CursorArt* art = FindCursorArt(id);
    if (!art)
        return nullptr;
    // Monochrome planes: AND 1 and XOR 0 leave the screen (transparent), AND 0 with XOR 0
    // is black, AND 0 with XOR 1 white.
    constexpr int kBytes = CursorArt::kSize * CursorArt::kSize / 8;
    std::uint8_t andPlane[kBytes];
    std::uint8_t xorPlane[kBytes];
    std::memset(andPlane, 0xFF, sizeof andPlane);
    std::memset(xorPlane, 0, sizeof xorPlane);
    for (int y = 0; y < CursorArt::kSize; ++y) {
        for (int x = 0; x < CursorArt::kSize; ++x) {
            const char pixel = art->rows[y][x];
            const int byte = (y * CursorArt::kSize + x) / 8;
            const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
            if (pixel == 'X' || pixel == 'o')
                andPlane[byte] &= std::uint8_t(~bit);
            if (pixel == 'o')
                xorPlane[byte] |= bit;
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), art->hotX, art->hotY, CursorArt::kSize, CursorArt::kSize,
                        andPlane, xorPlane);
}

std::vector<std::uint32_t> IconPixels(UINT id, int size)
{
    std::vector<std::uint32_t> pixels(std::size_t(size * size), 0);
    if (FindIconArt(id).empty() || size <= 0)
        return {};
    GdiplusFlat::GpBitmap* bitmap = nullptr;
    if (GdiplusFlat::GdipCreateBitmapFromScan0(size, size, size * 4, PixelFormat32bppARGB,
                                               reinterpret_cast<BYTE*>(pixels.data()),
                                               &bitmap) != GdiplusFlat::Ok)
        return {};
    GdiplusFlat::GpGraphics* graphics = nullptr;
    if (GdiplusFlat::GdipGetImageGraphicsContext(bitmap, &graphics) == GdiplusFlat::Ok) {
        DrawShapes(graphics, id, size);
        GdiplusFlat::GdipDeleteGraphics(graphics);
    }
    GdiplusFlat::GdipDisposeImage(bitmap);
    return pixels;
}

HICON MakeIcon(UINT id, int size)
{
    const std::vector<std::uint32_t> pixels = IconPixels(id, size);
    if (pixels.empty())
        return nullptr;
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = size;
    header.bV5Height = -size;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP color =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!color)
        return nullptr;
    std::memcpy(bits, pixels.data(), pixels.size() * 4);
    const std::vector<std::uint8_t> maskBits = MaskBits(pixels, size);
    // CreateBitmap takes rows of 16-bit multiples top down; the 32-bit padded rows are too.
    std::vector<std::uint8_t> topDown(maskBits.size());
    const int stride = int(maskBits.size()) / size;
    for (int y = 0; y < size; ++y)
        std::memcpy(&topDown[std::size_t(y * stride)], &maskBits[std::size_t((size - 1 - y) * stride)],
                    std::size_t(stride));
    HBITMAP mask = CreateBitmap(stride * 8, size, 1, 1, topDown.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

std::string IconFile(UINT id, const std::vector<int>& sizes)
{
    std::vector<std::string> images;
    for (int size : sizes) {
        const std::vector<std::uint32_t> pixels = IconPixels(id, size);
        if (pixels.empty())
            return {};
        std::string image;
        // BITMAPINFOHEADER of the colour image and its mask, stacked: twice the height.
        Put32(image, 40);
        Put32(image, std::uint32_t(size));
        Put32(image, std::uint32_t(size * 2));
        Put16(image, 1);
        Put16(image, 32);
        Put32(image, 0);
        const std::vector<std::uint8_t> mask = MaskBits(pixels, size);
        Put32(image, std::uint32_t(size * size * 4 + mask.size()));
        Put32(image, 0);
        Put32(image, 0);
        Put32(image, 0);
        Put32(image, 0);
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x)
                Put32(image, pixels[std::size_t(y * size + x)]);
        }
        image.append(reinterpret_cast<const char*>(mask.data()), mask.size());
        images.push_back(std::move(image));
    }
    std::string file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        file.push_back(char(size >= 256 ? 0 : size));
        file.push_back(char(size >= 256 ? 0 : size));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, std::uint32_t(images[i].size()));
        Put32(file, offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const std::string& image : images)
        file += image;
    return file;
}

} // namespace Artwork
