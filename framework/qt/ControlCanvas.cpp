#include "framework/qt/ControlCanvas.h"
#include "framework/qt/QtHandles.h"

#include "framework/CWnd.h"
#include "framework/GdiBrush.h"
#include "framework/qt/ClientArea.h"
#include "framework/qt/MessageDispatch.h"
#include "framework/qt/QtConversions.h"

#include <QWidget>

void EraseDialogBackground(QWidget* dialog, QPainter& painter)
{
    const QColor face = ToQColor(GetDialogFaceColor());
    const QRect client(QPoint(0, 0), ClientRect(dialog).size());
    CWnd* window = WindowOf(dialog);
    if (!window) {
        painter.fillRect(client, face);
        return;
    }
    QtDC dc(&painter, nullptr);
    painter.save();
    SendWindowMessage(
        window, [window, &dc] { return LRESULT(window->OnEraseBkgnd(&dc)); },
        [&painter, &client, &face] {
            painter.fillRect(client, face);
            return LRESULT(TRUE);
        });
    painter.restore();
}

void PaintRectByRect(QPainter& painter, const QRegion& region, const std::function<void()>& paint)
{
    for (const QRect& rect : region) {
        painter.save();
        painter.setClipRect(rect);
        paint();
        painter.restore();
    }
}

ControlCanvas::ControlCanvas(QWidget* control)
    // Opaque like a window's pixels, so that the dialog's background and the finished image
    // are copied rather than blended.
    : m_image(control->size(), QImage::Format_RGB32), m_painter(&m_image), m_dc(&m_painter, &m_image)
{
    // What the dialog paints beneath the control is only painted when the control's paint
    // draws on or reads its context; a button that copies back a whole kept face does not.
    m_dc.SetPendingPaint([this, control] { PaintBeneath(control); });
}

void ControlCanvas::PaintBeneath(QWidget* control)
{
    // A fresh image holds no defined pixels, and an erase may leave some alone.
    m_painter.fillRect(m_image.rect(), ToQColor(GetDialogFaceColor()));
    if (QWidget* dialog = control->parentWidget()) {
        // The image's own edges are the control's rectangle, so no clip is set: a clipped
        // fill or copy takes Qt's slower span path, which for tall controls even hands
        // the work to other threads.
        m_painter.save();
        m_painter.translate(ClientOrigin(dialog) - control->pos());
        EraseDialogBackground(dialog, m_painter);
        m_painter.restore();
    }
}

const QImage& ControlCanvas::Finish()
{
    ImageOf(&m_dc); // a control that drew nothing shows what lies beneath it
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

void ControlCanvas::Present(QWidget* control, const QRegion& region)
{
    QPainter screen(control);
    // The image is opaque and covers what is beneath. Drawn over it, it is a plain copy into
    // a window of its own format and a fast blend into any other; a forced copy between
    // formats would go span by span.
    const QImage& image = Finish();
    PaintRectByRect(screen, region, [&] { screen.drawImage(0, 0, image); });
}
