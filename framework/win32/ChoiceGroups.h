#pragma once
// The groups of a dialog's choices, as the dialog manager sees its controls: a group starts
// at a control with WS_GROUP (or at the first control) and runs to the control before the next
// one with WS_GROUP, in template order (the order of the dialog's child windows). A choice is
// a button whose dialog code says radio button; owner-drawn choices keep their check in their
// own object, so the dialog manager cannot move the check or the tab stop along with the focus
// as it does for the system's radio buttons. These find where the keys go instead.

#include "framework/base/WinTypes.h"

// Where an arrow key takes the focus from a choice: the next or previous choice of its
// group that can take the focus, round the group; none when focus is no choice.
HWND NextChoiceInGroup(HWND dialog, HWND focus, bool forward);

// Where Tab (backward: Shift+Tab) takes the focus: the next tab stop, where a group of
// choices is one stop, its checked choice, entered on that choice and left as a whole.
HWND NextTabStop(HWND dialog, HWND focus, bool backward);

bool IsChoice(HWND control);
bool IsCheckedChoice(HWND control);
