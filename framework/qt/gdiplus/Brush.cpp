#include "framework/qt/gdiplus/Brush.h"

#include <QBrush>

namespace Gdiplus {

Brush::Brush() : m_pBrush(std::make_unique<QBrush>()) {}

Brush::~Brush() = default;

} // namespace Gdiplus
