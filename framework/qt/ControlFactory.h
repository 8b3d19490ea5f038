#pragma once
// Creates a dialog's controls from its template: one widget per control in template
// order (which is the tab order and, first on top, the stacking order), placed by the
// dialog units of the template's font, each bound to a framework object of its kind
// until the dialog binds one of its own with DDX_Control.

#include "framework/qt/DialogUnits.h"

#include <memory>
#include <vector>

class CFont;
class CWnd;
class QWidget;
struct DialogTemplate;

// The objects returned are the controls' default bindings; the caller keeps them alive
// as long as the widgets.
std::vector<std::unique_ptr<CWnd>> CreateControls(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                                  const BaseUnits& units, CFont* font);
