// Shows a dialog built from one of the real templates, with a plain background, for
// looking at the layout on a desktop: framework_template_preview [template id] [seconds].
// Without seconds it stays until closed.

#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "res/ProgramResources.h"
#include "res/resource.h"

#include <QTimer>

#include <cstdlib>

namespace {

class PreviewDialog : public CDialog
{
public:
    PreviewDialog(UINT templateId, int seconds) : CDialog(templateId), m_nSeconds(seconds) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (CWnd* count = GetDlgItem(IDC_QUESTION_COUNT))
            count->SetWindowText("70");
        if (CWnd* minutes = GetDlgItem(IDC_MINUTES))
            minutes->SetWindowText("60");
        if (m_nSeconds > 0)
            QTimer::singleShot(m_nSeconds * 1000, [this] { EndDialog(IDCANCEL); });
        return TRUE;
    }

private:
    int m_nSeconds;
};

class PreviewApp : public CWinApp
{
public:
    UINT m_nTemplate = IDD_EXAM_SETTINGS;
    int m_nSeconds = 0;

    BOOL InitInstance() override
    {
        PreviewDialog dialog(m_nTemplate, m_nSeconds);
        dialog.DoModal();
        return FALSE;
    }
};

} // namespace

int main(int argc, char** argv)
{
    RegisterResources(ProgramResources());
    PreviewApp app;
    if (argc > 1)
        app.m_nTemplate = UINT(std::atoi(argv[1]));
    if (argc > 2)
        app.m_nSeconds = std::atoi(argv[2]);
    return AfxWinMain(argc, argv);
}
