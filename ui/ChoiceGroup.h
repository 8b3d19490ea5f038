#pragma once
// Makes ChoiceButtons one radio group: it owns them, checks the one whose index a dialog
// member holds and reads back the checked one, through the dialog's data exchange. The
// checked state lives in the buttons; the group does not repaint on a selection change,
// the buttons show it at their next paint.

#include "framework/base/WinTypes.h"

#include <memory>
#include <vector>

class CDataExchange;
class ChoiceButton;

class ChoiceGroup
{
public:
    ChoiceGroup();
    virtual ~ChoiceGroup();
    ChoiceGroup(const ChoiceGroup&) = delete;
    ChoiceGroup& operator=(const ChoiceGroup&) = delete;

    // Adds a button for the control id; only while the dialog is being constructed.
    void AddChoice(UINT id);
    // Binds the buttons to their controls (once), then moves the selection to or from value.
    void ExchangeChoice(CDataExchange* dx, int& value);
    // The index of the checked button (the last one if several are), -1 for none.
    int GetSelection();
    // Checks the button at index and unchecks the others; any other index unchecks all.
    void SetSelection(int index);
    // Unchecks and repaints every button but the one at index.
    void OnChoiceClicked(int index);

    int GetCount() const { return int(m_buttons.size()); }
    ChoiceButton& GetChoice(int index) { return *m_buttons.at(std::size_t(index)); }

private:
    // Each button sits in its own allocation, so attached windows never see it move.
    std::vector<std::unique_ptr<ChoiceButton>> m_buttons;
    std::vector<UINT> m_ids;
    int m_nSelected = -1;
};
