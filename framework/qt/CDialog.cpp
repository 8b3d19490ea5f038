#include "framework/CDialog.h"
#include "framework/qt/QtHandles.h"

#include "framework/DataExchange.h"
#include "framework/base/Resources.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/DialogWidget.h"
#include "framework/qt/MessageDispatch.h"

CDialog::CDialog(UINT templateId, CWnd*) : m_nTemplateId(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nTemplateId);
    if (!dialogTemplate)
        return -1;
    m_pWidget = std::make_unique<DialogWidget>(this, *dialogTemplate);
    Attach(ToHwnd(m_pWidget.get()));
    m_nModalResult = IDCANCEL;
    m_bEnded = false;

    BOOL focusFirst = TRUE;
    SendWindowMessage(this, [this, &focusFirst] {
        focusFirst = OnInitDialog();
        return LRESULT(0);
    });
    if (!m_bEnded) {
        if (focusFirst)
            m_pWidget->FocusFirstTabStop();
        m_pWidget->exec();
    }
    const int result = m_nModalResult;
    m_pWidget.reset();
    return result;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEnded = true;
    if (m_pWidget)
        m_pWidget->done(result);
}

HBRUSH CDialog::OnCtlColor(CDC*, CWnd*, UINT controlKind)
{
    return UsualControlBrush(controlKind);
}
