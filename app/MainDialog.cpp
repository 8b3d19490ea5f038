#include "MainDialog.h"

#include "AboutDialog.h"
#include "framework/AfxFunctions.h"
#include "framework/CMenu.h"
#include "framework/CPaintDC.h"
#include "framework/DataExchange.h"
#include "framework/base/CFileException.h"
#include "model/ModelObjects.h"
#include "modes/ComposeTest.h"
#include "modes/CorrectionTest.h"
#include "modes/LearningNavigation.h"
#include "modes/RandomIndex.h"
#include "modes/dialogs/ExamSettingsDialog.h"
#include "modes/dialogs/LearnSettingsDialog.h"
#include "modes/dialogs/QuestionDialog.h"
#include "modes/dialogs/ResultsDialog.h"
#include "res/resource.h"
#include "storage/CFile.h"
#include "storage/TreeNode.h"
#include "storage/UserFiles.h"

namespace {

std::string FilePath(const char* name)
{
    return NativePath(theSettings.m_strExeDir + name);
}

// What the program writes stays beside it unless its folder is read-only (UserFiles).
std::string UserFilePath(const char* name)
{
    return UserFiles::PathOf(NativePath(theSettings.m_strExeDir), name);
}

std::string UserFileForWriting(const char* name)
{
    return UserFiles::PathForWriting(NativePath(theSettings.m_strExeDir), name);
}

} // namespace

MainDialog::MainDialog() : MainDialog(ExeDirFromPath(GetModuleFileName())) {}

MainDialog::MainDialog(const CString& exeDir) : GradientDialog(IDD_MAIN, nullptr)
{
    MapCommand(IDC_LEARN, &MainDialog::OnLearn);
    MapCommand(IDC_EXAM, &MainDialog::OnExam);
    MapCommand(IDC_EXIT, &MainDialog::OnExit);

    theSettings.m_strExeDir = exeDir;
    m_hIcon = LoadIconResource(IDR_MAINFRAME, 0, 0);
    m_hSmallIcon = LoadIconResource(IDR_MAINFRAME, 16, 16);
    ReadSettings();
}

MainDialog::~MainDialog()
{
    DestroyIcon(m_hIcon);
    DestroyIcon(m_hSmallIcon);
}

CString MainDialog::ExeDirFromPath(const CString& programPath)
{
    return programPath.Left(programPath.ReverseFind(kPathSeparator) + 1);
}

void MainDialog::ReadSettings()
{
    const std::string path = UserFilePath("navik.cfg");
    CFile probe;
    if (!probe.Open(path, CFile::modeRead))
        return;
    probe.Close();
    // The constructor is no message handler: a read error that comes after the file
    // opened is reported like any other file error, and the defaults stay.
    try {
        TreeNode root;
        root.LoadFile(path);
        theSettings.LoadFromNode(&root);
    } catch (const CFileException& error) {
        AfxReportFileException(error);
    }
}

void MainDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LEARN, m_btnLearn);
    DDX_Control(dx, IDC_EXAM, m_btnExam);
    DDX_Control(dx, IDC_EXIT, m_btnExit);
}

BOOL MainDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetBackgroundImage(theSettings.m_strExeDir + "Logo.jpg");

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);

    LoadQuestionBank();
    SetWindowText(GetWindowText() + " - DEMO version");
    return TRUE;
}

void MainDialog::LoadQuestionBank()
{
    // A file that cannot be opened raises its file error here, before anything is fitted.
    TreeNode root;
    m_bankStatus = root.LoadFileWithStatus(FilePath("Demootazky.dat"));
    theQuestionBank.LoadFromNode(root);
    if (m_bankStatus == TreeLoadStatus::Loaded) {
        // A stored test or a remembered question that the bank no longer holds must not be
        // offered. Only a bank that was read can say so: one that is missing or damaged for
        // a while leaves the stored state as it is, to be saved back unchanged.
        theSettings.FitToBank(theQuestionBank.GetSize());
    } else {
        ReportUnreadableBank();
    }
}

void MainDialog::ReportUnreadableBank() const
{
    CString format;
    format.LoadString(IDS_BANK_NOT_READABLE);
    CString message;
    message.Format(format.c_str(), FilePath("Demootazky.dat").c_str());
    AfxMessageBox(message);
}

void MainDialog::OnSysCommand(UINT id, LPARAM param)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        AboutDialog about;
        about.DoModal();
    } else {
        GradientDialog::OnSysCommand(id, param);
    }
}

void MainDialog::OnPaint()
{
    if (!IsIconic()) {
        GradientDialog::OnPaint();
        return;
    }
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    CPaintDC dc(this);
    DrawIcon(&dc, x, y, m_hSmallIcon);
}

void MainDialog::OnLearn()
{
    // An empty bank has nothing to page through.
    if (theQuestionBank.GetSize() == 0) {
        if (m_bankStatus && *m_bankStatus != TreeLoadStatus::Loaded)
            ReportUnreadableBank();
        else
            AfxMessageBox("V databázi otázek není žádná otázka.");
        return;
    }
    LearnSettingsDialog setup;
    QuestionDialog question;
    if (setup.DoModal() != IDOK)
        return;
    question.m_bLearning = true;
    question.m_nQuestion = LearningStart(theSettings, theQuestionBank.GetSize());
    question.DoModal();
    theSettings.m_nULast = question.m_nQuestion;
}

void MainDialog::OnExam()
{
    ExamSettingsDialog setup;
    if (setup.DoModal() != IDOK)
        return;
    SeedRandomFromClock();
    if (theSettings.m_nZNovytest == 0 && !ComposeTest(theSettings, theQuestionBank.GetSize())) {
        CString refusal;
        refusal.LoadString(IDS_TOO_MANY_QUESTIONS);
        AfxMessageBox(refusal);
        return;
    }

    for (;;) {
        QuestionDialog question;
        question.m_bLearning = false;
        question.DoModal();
        theSettings.m_nZLast = question.m_nQuestion;

        ResultsDialog results;
        results.m_nResult = 0;
        results.DoModal();
        if (results.m_nResult != 1)
            return;
        PrepareCorrectionTest(theSettings);
    }
}

void MainDialog::OnExit()
{
    TreeNode root;
    theSettings.SaveToNode(&root);
    root.SaveFile(UserFileForWriting("navik.cfg"));
    OnOK();
}
