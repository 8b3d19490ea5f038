#pragma once
// The About box: the program's name and version, and a button that opens the home page.

#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

class AboutDialog : public GradientDialog
{
public:
    AboutDialog();

    static const char* const kHomePage;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnHomePage();

    PillButton m_btnOK;
    PillButton m_btnHomePage;
};
