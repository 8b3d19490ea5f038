#pragma once
// The framework's window, device-context and bitmap handles as the Qt back-end made them: a
// window handle is its widget, a device context a painter on a surface, a bitmap an image.

#include "framework/CDC.h"
#include "framework/base/WinTypes.h"

class CBitmap;
class CWnd;
class QImage;
class QPainter;
class QWidget;

struct HDC__
{
    QPainter* painter = nullptr;
    // The surface painted on, when it can be read back; none for a window's own paint.
    QImage* image = nullptr;
};

// A device context on a Qt painter and, when it can be read back, the image it paints on.
class QtDC : public CDC
{
public:
    QtDC(QPainter* painter, QImage* image);

private:
    HDC__ m_surface;
};

inline QWidget* ToWidget(HWND window)
{
    return reinterpret_cast<QWidget*>(window);
}
inline HWND ToHwnd(const QWidget* widget)
{
    return reinterpret_cast<HWND>(const_cast<QWidget*>(widget));
}
// The widget a window object is bound to, or none.
QWidget* WidgetOf(const CWnd* window);
// The object bound to widget, or none.
CWnd* WindowOf(const QWidget* widget);

// What a context paints with and on; reading either first paints what the surface must hold.
QPainter* PainterOf(const CDC* dc);
QImage* ImageOf(const CDC* dc);
QImage* ImageOf(const CBitmap* bitmap);
