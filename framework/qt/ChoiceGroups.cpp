#include "framework/qt/ChoiceGroups.h"

#include "framework/base/DialogTemplate.h"
#include "framework/qt/ButtonWidget.h"
#include "framework/qt/WindowData.h"

#include <algorithm>

std::vector<ButtonWidget*> ChoicesInGroup(const std::vector<QWidget*>& controls, const QWidget* control)
{
    const auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end())
        return {};
    auto first = at;
    while (first != controls.begin() && !(WindowData::Style(*first) & WS_GROUP))
        --first;
    auto end = at + 1;
    while (end != controls.end() && !(WindowData::Style(*end) & WS_GROUP))
        ++end;
    std::vector<ButtonWidget*> choices;
    for (auto it = first; it != end; ++it) {
        auto* button = dynamic_cast<ButtonWidget*>(*it);
        if (button && button->isEnabled() && !button->isHidden() && (button->DialogCode() & DLGC_RADIOBUTTON))
            choices.push_back(button);
    }
    return choices;
}
