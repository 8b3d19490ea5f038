#include "framework/qt/ModalFrame.h"

#include "framework/GdiBrush.h"
#include "framework/base/DialogTemplate.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/WindowData.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QWidget>

namespace {

// Windows draws a modal dialog frame as a raised edge (DrawEdge with EDGE_RAISED) and inside
// it one line of the face colour. The raised edge is two lines: the outer one light on the
// top and left and darkest on the bottom and right, the inner one white on the top and left
// and shadowed on the bottom and right. The bottom and right lines run the whole length of
// their side, so the top-right and bottom-left corners take the dark colour. The colours are
// the system colours that go with the framework's face colour (240, 240, 240).
const QColor kLight(227, 227, 227);      // COLOR_3DLIGHT
const QColor kHighlight(255, 255, 255);  // COLOR_3DHILIGHT
const QColor kShadow(160, 160, 160);     // COLOR_3DSHADOW
const QColor kDarkShadow(105, 105, 105); // COLOR_3DDKSHADOW

// One ring of the frame, inset from the window's rectangle.
void PaintRing(QPainter& painter, const QRect& ring, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width() - 1, 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height() - 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

} // namespace

int ModalFrameWidth(const QWidget* widget)
{
    if (!widget || !widget->isWindow())
        return 0;
    const DWORD style = WindowData::Style(widget);
    return (style & DS_MODALFRAME) && (style & WS_CAPTION) != WS_CAPTION ? kModalFrameWidth : 0;
}

void PaintModalFrame(QPainter& painter, const QRect& window)
{
    PaintRing(painter, window, kLight, kDarkShadow);
    PaintRing(painter, window.adjusted(1, 1, -1, -1), kHighlight, kShadow);
    const QColor face = ToQColor(GetDialogFaceColor());
    PaintRing(painter, window.adjusted(2, 2, -2, -2), face, face);
}
