#include "AboutDialog.h"

#include "framework/AfxFunctions.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

// The project has no home page of its own yet; example.org names can never point at
// somebody else's site.
const char* const AboutDialog::kHomePage = "http://navik.example.org/index.php?page=soft&prg=Navik";

AboutDialog::AboutDialog() : GradientDialog(IDD_ABOUTBOX, nullptr)
{
    SetGradientColors(Palette::LightBlue, Palette::White);
    MapCommand(IDC_HOME_PAGE, &AboutDialog::OnHomePage);
}

void AboutDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Control(dx, IDC_HOME_PAGE, m_btnHomePage);
}

void AboutDialog::OnHomePage()
{
    ShellExecuteA(this, nullptr, kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}
