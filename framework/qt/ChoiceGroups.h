#pragma once
// The groups of a dialog's controls as Windows' dialog manager sees them: a group starts at
// a control with WS_GROUP (or at the first control) and runs to the control before the next
// one with WS_GROUP, in template order. The arrow keys move through the choices of a group
// (the buttons whose dialog code says radio button) and Tab lands on a group's checked one.
// A dialog's labels carry WS_GROUP, as the resource script gives them, so a group ends there.

#include <vector>

class ButtonWidget;
class QWidget;

// The choices of the group that control belongs to that can take the focus (enabled and
// shown), in template order; controls are the dialog's controls in template order.
std::vector<ButtonWidget*> ChoicesInGroup(const std::vector<QWidget*>& controls, const QWidget* control);
