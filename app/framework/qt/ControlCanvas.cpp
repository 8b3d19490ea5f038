#include "ControlCanvas.h"

#include "MessageDispatch.h"
#include "QtConversions.h"
#include "app/framework/CWnd.h"
#include "app/framework/GdiBrush.h"

#include <QWidget>

void EraseDialogBackground(QWidget* dialog, QPainter& painter)
{
    const QColor face = ToQColor(GetDialogFaceColor());
    painter.fillRect(dialog->rect(), face);
    CWnd* window = CWnd::FromHandle(dialog);
    if (!window)
        return;
    CDC dc(&painter, nullptr);
    painter.save();
    SendWindowMessage(
        window, [window, &dc] { return LRESULT(window->OnEraseBkgnd(&dc)); },
        [dialog, &painter, face] {
            painter.fillRect(dialog->rect(), face);
            return LRESULT(TRUE);
        });
    painter.restore();
}

ControlCanvas::ControlCanvas(QWidget* control)
    : m_image(control->size(), QImage::Format_ARGB32_Premultiplied), m_dc(&m_painter, &m_image)
{
    m_image.fill(ToQColor(GetDialogFaceColor()));
    if (QWidget* dialog = control->parentWidget()) {
        QPainter beneath(&m_image);
        beneath.translate(-control->pos());
        beneath.setClipRect(control->geometry());
        EraseDialogBackground(dialog, beneath);
    }
    m_painter.begin(&m_image);
}

const QImage& ControlCanvas::Finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

void ControlCanvas::Present(QWidget* control)
{
    QPainter screen(control);
    screen.drawImage(0, 0, Finish());
}
