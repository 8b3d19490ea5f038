#include "framework/qt/gdiplus/LinearGradientBrush.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QTransform>

namespace Gdiplus {

namespace {

QGradient::Spread SpreadOf(WrapMode wrapMode)
{
    return wrapMode == WrapModeTileFlipXY ? QGradient::ReflectSpread : QGradient::RepeatSpread;
}

} // namespace

LinearGradientBrush::LinearGradientBrush(const Rect& rect, const Color& color1, const Color& color2,
                                         LinearGradientMode mode)
{
    if (rect.Width <= 0 || rect.Height <= 0) {
        m_status = InvalidParameter;
        return;
    }
    // The gradient is laid out in the unit square and the brush transform stretches the
    // square onto the rectangle; that is what keeps the colours pinned to the corners.
    QLinearGradient gradient;
    switch (mode) {
    case LinearGradientModeHorizontal:
        gradient = QLinearGradient(0, 0, 1, 0);
        break;
    case LinearGradientModeVertical:
        gradient = QLinearGradient(0, 0, 0, 1);
        break;
    case LinearGradientModeForwardDiagonal:
        gradient = QLinearGradient(0, 0, 1, 1);
        break;
    case LinearGradientModeBackwardDiagonal:
        gradient = QLinearGradient(1, 0, 0, 1);
        break;
    }
    gradient.setColorAt(0, QColor::fromRgba(color1.GetValue()));
    gradient.setColorAt(1, QColor::fromRgba(color2.GetValue()));
    gradient.setSpread(SpreadOf(m_wrapMode));
    *m_pBrush = QBrush(gradient);
    m_pBrush->setTransform(QTransform(rect.Width, 0, 0, rect.Height, rect.X, rect.Y));
}

Status LinearGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    m_wrapMode = wrapMode;
    if (m_status != Ok)
        return m_status;
    QLinearGradient gradient = *static_cast<const QLinearGradient*>(m_pBrush->gradient());
    gradient.setSpread(SpreadOf(wrapMode));
    const QTransform transform = m_pBrush->transform();
    *m_pBrush = QBrush(gradient);
    m_pBrush->setTransform(transform);
    return Ok;
}

} // namespace Gdiplus
