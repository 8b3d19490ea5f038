#pragma once
// The surface a control paints on: an image of the control's size that first receives
// what its dialog paints beneath it (the dialog's background erase for that rectangle),
// then whatever the control draws through DC(), and finally goes to the screen. This
// gives a control's device context the Windows semantics of a dialog without
// clip-children: what lies beneath can be read back (an owner-drawn button captures it).

#include "app/framework/CDC.h"

#include <QColor>
#include <QImage>
#include <QPainter>

class QWidget;

// The dialog's background erase (OnEraseBkgnd; the face colour by default) on painter,
// whose coordinates are the dialog's client coordinates.
void EraseDialogBackground(QWidget* dialog, QPainter& painter);
// The same on a painter whose surface already holds the face colour.
void EraseWithDialog(QWidget* dialog, QPainter& painter, const QColor& face);

class ControlCanvas
{
public:
    explicit ControlCanvas(QWidget* control);
    ControlCanvas(const ControlCanvas&) = delete;
    ControlCanvas& operator=(const ControlCanvas&) = delete;

    QPainter& Painter() { return m_painter; }
    CDC& DC() { return m_dc; }
    // Ends the painting and returns the finished image.
    const QImage& Finish();
    // Ends the painting and draws the image on the control (from its paint event).
    void Present(QWidget* control);

private:
    QImage m_image;
    QPainter m_painter;
    CDC m_dc;
};
