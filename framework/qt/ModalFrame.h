#pragma once
// The modal frame of a dialog without a caption (WS_POPUP | DS_MODALFRAME). A window with a
// caption gets its frame from the window manager; a caption-less one is shown without any
// decoration, so the framework draws the frame itself, around the client area, in the outer
// pixels of the dialog's widget: the widget is the client area grown by the frame on every
// side, and the client area keeps its size and its pixels.

class QPainter;
class QRect;
class QWidget;

// The frame is three pixels wide, as Windows' dialog frame (SM_CXDLGFRAME).
constexpr int kModalFrameWidth = 3;

// The width of the frame the framework draws around the window's client area: the modal
// frame for a caption-less dialog window with DS_MODALFRAME, 0 for every other widget.
int ModalFrameWidth(const QWidget* widget);

// Paints the frame along the inside of window, the widget's whole rectangle.
void PaintModalFrame(QPainter& painter, const QRect& window);
