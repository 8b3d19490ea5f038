#include "framework/win32/ChoiceGroups.h"

#include "framework/CButton.h"

#include <algorithm>
#include <vector>

namespace {

bool HasGroupStyle(HWND control)
{
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0;
}

// The choices of control's group that can take the focus, in template order.
std::vector<HWND> ChoicesInGroup(HWND dialog, HWND control)
{
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    const auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end())
        return {};
    auto first = at;
    while (first != controls.begin() && !HasGroupStyle(*first))
        --first;
    auto end = at + 1;
    while (end != controls.end() && !HasGroupStyle(*end))
        ++end;
    std::vector<HWND> choices;
    std::copy_if(first, end, std::back_inserter(choices), [](HWND choice) {
        return IsWindowVisible(choice) && IsWindowEnabled(choice) && IsChoice(choice);
    });
    return choices;
}

} // namespace

bool IsChoice(HWND control)
{
    return control && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool IsCheckedChoice(HWND control)
{
    const auto* button = dynamic_cast<const CButton*>(CWnd::FromHandle(control));
    return button && button->GetCheck() == BST_CHECKED;
}

HWND NextChoiceInGroup(HWND dialog, HWND focus, bool forward)
{
    if (!IsChoice(focus))
        return nullptr;
    const std::vector<HWND> choices = ChoicesInGroup(dialog, focus);
    const auto at = std::find(choices.begin(), choices.end(), focus);
    if (at == choices.end())
        return focus;
    const std::size_t count = choices.size();
    const std::size_t index = std::size_t(at - choices.begin());
    return choices[forward ? (index + 1) % count : (index + count - 1) % count];
}

HWND NextTabStop(HWND dialog, HWND focus, bool backward)
{
    const std::vector<HWND> from = IsChoice(focus) ? ChoicesInGroup(dialog, focus) : std::vector<HWND>{};
    HWND target = focus;
    // Each step passes one control; more steps than controls means every stop is in focus's group.
    int controls = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++controls;
    for (int step = 0; step <= controls; ++step) {
        target = GetNextDlgTabItem(dialog, target, backward);
        if (!target || !IsChoice(target) || IsCheckedChoice(target))
            return target;
        const std::vector<HWND> group = ChoicesInGroup(dialog, target);
        const auto checked = std::find_if(group.begin(), group.end(), IsCheckedChoice);
        if (checked == group.end())
            return target;
        if (std::find(from.begin(), from.end(), target) == from.end())
            return *checked;
    }
    return target;
}
