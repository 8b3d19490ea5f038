#include "Artwork.h"

#include "QtConversions.h"
#include "res/CursorArt.h"
#include "res/IconArt.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <map>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

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
    // Drawing the six sizes of an icon is a good part of the start-up, and the program
    // asks for its icon three times; the artwork never changes, and QIcon is shared.
    // Kept until the application object goes, since pixmaps must not outlive it.
    static std::map<UINT, QIcon>* drawn = nullptr;
    if (!drawn) {
        drawn = new std::map<UINT, QIcon>;
        qAddPostRoutine([] {
            delete drawn;
            drawn = nullptr;
        });
    }
    const auto found = drawn->find(id);
    if (found != drawn->end())
        return found->second;
    QIcon icon;
    if (FindIconArt(id).empty())
        return icon;
    for (int size : kIconSizes)
        icon.addPixmap(IconPixmap(id, size));
    drawn->emplace(id, icon);
    return icon;
}

std::optional<QCursor> CursorArtwork(UINT id)
{
    const CursorArt* art = FindCursorArt(id);
    if (!art)
        return std::nullopt;
    // Qt's monochrome cursors: a set bitmap bit is black, a clear one white; the mask
    // makes the pixel visible.
    QBitmap bitmap(CursorArt::kSize, CursorArt::kSize);
    QBitmap mask(CursorArt::kSize, CursorArt::kSize);
    bitmap.fill(Qt::color0);
    mask.fill(Qt::color0);
    QPainter bits(&bitmap);
    QPainter visible(&mask);
    bits.setPen(Qt::color1);
    visible.setPen(Qt::color1);
    for (int y = 0; y < CursorArt::kSize; ++y) {
        for (int x = 0; x < CursorArt::kSize; ++x) {
            const char pixel = art->rows[y][x];
            if (pixel == 'X')
                bits.drawPoint(x, y);
            if (pixel == 'X' || pixel == 'o')
                visible.drawPoint(x, y);
        }
    }
    bits.end();
    visible.end();
    return QCursor(bitmap, mask, art->hotX, art->hotY);
}
