#pragma once
// The surface a control paints on: an image of the control's size that receives what its
// dialog paints beneath it (the dialog's background erase for that rectangle) before the
// control first draws on it or reads it through DC(), then whatever the control draws,
// and finally goes to the screen. This gives a control's device context the Windows
// semantics of a dialog without clip-children: what lies beneath can be read back (an
// owner-drawn button captures it).

#include "framework/qt/QtHandles.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <functional>

class QWidget;

// The dialog's background erase (OnEraseBkgnd; the face colour by default, as the dialog
// class's brush on Windows) on painter, whose coordinates are the dialog's client coordinates.
void EraseDialogBackground(QWidget* dialog, QPainter& painter);
// Calls paint once for each rectangle of region with the painter clipped to it. Qt leaves
// the opaque controls out of a window's paint region, and through such a clip every fill
// and copy goes span by span, tall ones handed to worker threads; through a rectangle it is
// a plain copy. On a busy machine the hand-overs cost more than the painting itself.
void PaintRectByRect(QPainter& painter, const QRegion& region, const std::function<void()>& paint);

class ControlCanvas
{
public:
    explicit ControlCanvas(QWidget* control);
    ControlCanvas(const ControlCanvas&) = delete;
    ControlCanvas& operator=(const ControlCanvas&) = delete;

    QPainter& Painter() { return *PainterOf(&m_dc); }
    CDC& DC() { return m_dc; }
    // Ends the painting and returns the finished image.
    const QImage& Finish();
    // Ends the painting and draws the image on the control's region to be painted (from
    // its paint event).
    void Present(QWidget* control, const QRegion& region);

private:
    void PaintBeneath(QWidget* control);

    QImage m_image;
    QPainter m_painter;
    QtDC m_dc;
};
