#include "framework/qt/PaintScope.h"

namespace {

PaintScope* g_pInnermost = nullptr;

} // namespace

PaintScope::PaintScope(const QWidget* widget, QPainter* painter)
    : m_pWidget(widget), m_pPainter(painter), m_pOuter(g_pInnermost)
{
    g_pInnermost = this;
}

PaintScope::~PaintScope()
{
    g_pInnermost = m_pOuter;
}

QPainter* PaintScope::PainterOf(const QWidget* widget)
{
    for (const PaintScope* scope = g_pInnermost; scope; scope = scope->m_pOuter) {
        if (scope->m_pWidget == widget)
            return scope->m_pPainter;
    }
    return nullptr;
}
