#include "framework/qt/Artwork.h"

#include "framework/base/Resources.h"
#include "framework/qt/QtConversions.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <map>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

// The artwork never changes, and Qt shares its icons and cursors, so each is drawn once:
// the program asks for its icon three times and every pill button for the pointing hand.
// Kept until the application object goes, since pixmaps must not outlive it.
template <typename Drawn> std::map<UINT, Drawn>& Kept()
{
    static std::map<UINT, Drawn>* kept = nullptr;
    if (!kept) {
        kept = new std::map<UINT, Drawn>;
        qAddPostRoutine([] {
            delete kept;
            kept = nullptr;
        });
    }
    return *kept;
}

} // namespace

QPixmap IconPixmap(UINT id, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size, size);
    for (const IconShape& shape : FindIconArt(id)) {
        painter.setBrush(ToQColor(shape.fill));
        if (shape.kind == IconShape::Kind::Ellipse && shape.points.size() >= 2) {
            const IconPoint& a = shape.points[0];
            const IconPoint& b = shape.points[1];
            painter.drawEllipse(QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y)));
        } else if (shape.kind == IconShape::Kind::Polygon) {
            QPolygonF polygon;
            for (const IconPoint& p : shape.points)
                polygon << QPointF(p.x, p.y);
            painter.drawPolygon(polygon);
        }
    }
    return pixmap;
}

QIcon IconArtwork(UINT id)
{
    auto& drawn = Kept<QIcon>();
    const auto found = drawn.find(id);
    if (found != drawn.end())
        return found->second;
    QIcon icon;
    if (FindIconArt(id).empty())
        return icon;
    for (int size : kIconSizes)
        icon.addPixmap(IconPixmap(id, size));
    drawn.emplace(id, icon);
    return icon;
}

std::optional<QCursor> CursorArtwork(UINT id)
{
    auto& drawn = Kept<QCursor>();
    const auto found = drawn.find(id);
    if (found != drawn.end())
        return found->second;
    const CursorArt* art = FindCursorArt(id);
    if (!art)
        return std::nullopt;
    // Qt's monochrome cursors: a set bitmap bit is black, a clear one white; the mask
    // makes the pixel visible.
    QImage bits(CursorArt::kSize, CursorArt::kSize, QImage::Format_MonoLSB);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    QImage visible = bits;
    for (int y = 0; y < CursorArt::kSize; ++y) {
        for (int x = 0; x < CursorArt::kSize; ++x) {
            const char pixel = art->rows[y][x];
            if (pixel == 'X')
                bits.setPixel(x, y, 1);
            if (pixel == 'X' || pixel == 'o')
                visible.setPixel(x, y, 1);
        }
    }
    const QCursor cursor(QBitmap::fromImage(bits), QBitmap::fromImage(visible), art->hotX, art->hotY);
    drawn.emplace(id, cursor);
    return cursor;
}
