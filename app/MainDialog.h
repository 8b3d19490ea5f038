#pragma once
// The launcher: three buttons over the stretched logo. Creating it reads the settings
// file; opening it fills the question bank; "Učení" and "Zkoušení" run the learning and
// exam flows; "Konec" writes the settings file and ends the program. Closing it any
// other way ends the program without saving.

#include "framework/Cursor.h"
#include "storage/TreeLoadStatus.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

#include <optional>

class MainDialog : public GradientDialog
{
public:
    // Looks for its files beside the program.
    MainDialog();
    // Looks for its files in exeDir, which ends with a separator (tests point it elsewhere).
    explicit MainDialog(const CString& exeDir);
    ~MainDialog() override;

    // Everything up to and including the last separator of the program's path.
    static CString ExeDirFromPath(const CString& programPath);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT id, LPARAM param) override;
    void OnPaint() override;

private:
    void OnLearn();
    void OnExam();
    void OnExit();
    void ReadSettings();
    void LoadQuestionBank();
    // A bank file that is there but is no question database, named in a message box.
    void ReportUnreadableBank() const;

    PillButton m_btnLearn;
    PillButton m_btnExam;
    PillButton m_btnExit;
    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    // How reading the bank file ended; none while it has not been read or could not be opened.
    std::optional<TreeLoadStatus> m_bankStatus;
};
