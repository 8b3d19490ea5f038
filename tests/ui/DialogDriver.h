#pragma once
// What the look's dialog tests add to the modal driver: a dialog shown and painted before
// the test's body runs and closed after it, settling of repaints, control rectangles in
// window coordinates, and the dialog's background as its erase paints it.

#include "tests/support/ModalDriver.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

class CDialog;
class CWnd;

// Runs dialog modally; body runs once the window is exposed and painted, and the dialog
// is closed after it.
void ShowAndRun(CDialog& dialog, const std::function<void(ModalDialog&)>& body);
// Lets posted events and pending repaints run.
void Settle();
// Moves the mouse over the dialog to point (window coordinates, as Grab's), with real events.
void MoveMouse(const ModalDialog& modal, QPoint point);
// The control's rectangle in the coordinates of the dialog's window, as Grab's.
QRect ControlRect(const ModalDialog& modal, int id);
// The dialog as it is on screen now, controls included, as 32-bit ARGB.
QImage GrabArgb(const ModalDialog& modal);
// What the dialog's background erase paints over its whole client area.
QImage ErasedBackground(CWnd& dialog);
