#include "ui/ChoiceGroup.h"

#include "framework/DataExchange.h"
#include "ui/ChoiceButton.h"

ChoiceGroup::ChoiceGroup() = default;

ChoiceGroup::~ChoiceGroup() = default;

void ChoiceGroup::AddChoice(UINT id)
{
    auto button = std::make_unique<ChoiceButton>();
    button->m_nIndex = GetCount();
    button->m_pGroup = this;
    m_buttons.push_back(std::move(button));
    m_ids.push_back(id);
}

void ChoiceGroup::ExchangeChoice(CDataExchange* dx, int& value)
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        DDX_Control(dx, int(m_ids[i]), *m_buttons[i]);
    if (dx->m_bSaveAndValidate)
        value = GetSelection();
    else
        SetSelection(value);
}

int ChoiceGroup::GetSelection()
{
    m_nSelected = -1;
    for (const auto& button : m_buttons) {
        if (button->m_bChecked)
            m_nSelected = button->m_nIndex;
    }
    return m_nSelected;
}

void ChoiceGroup::SetSelection(int index)
{
    m_nSelected = index;
    for (const auto& button : m_buttons)
        button->m_bChecked = button->m_nIndex == index;
}

void ChoiceGroup::OnChoiceClicked(int index)
{
    for (const auto& button : m_buttons) {
        if (button->m_nIndex != index) {
            button->m_bChecked = false;
            button->Invalidate(TRUE);
        }
    }
}
