#pragma once
// The paint of a window in progress, so that a CPaintDC made by the window's OnPaint
// draws with that paint's painter.

class QPainter;
class QWidget;

class PaintScope
{
public:
    PaintScope(const QWidget* widget, QPainter* painter);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    // The painter of the innermost paint of widget in progress, or none.
    static QPainter* PainterOf(const QWidget* widget);

private:
    const QWidget* m_pWidget;
    QPainter* m_pPainter;
    PaintScope* m_pOuter;
};
