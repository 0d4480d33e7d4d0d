#include "mainwnd/MainDialog.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CMainDialog::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnCommand(IDC_TOOL_EXIT, &CMainDialog::OnToolExit),
    });
    return &map;
}

CMainDialog::CMainDialog(CWnd* parent) : CDialog(IDD_MAIN, parent)
{
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOOL_CUSTOMIZE, m_btnToolCustomize);
    DDX_Control(pDX, IDC_TOOL_VIEW, m_btnToolView);
    DDX_Control(pDX, IDC_TEXT_PREVIEW, m_editTextPreview);
    DDX_Control(pDX, IDC_INFO_VIEW, m_editInfoView);
    DDX_Control(pDX, IDC_TOOL_FONT, m_btnToolFont);
    DDX_Control(pDX, IDC_TOOL_EXIT, m_btnToolExit);
    DDX_Control(pDX, IDC_HISTORY_LIST, m_listHistory);
    DDX_Control(pDX, IDC_TOOL_BEHAVIOUR, m_btnToolBehaviour);
    DDX_Control(pDX, IDC_TOOL_VERSION, m_btnToolVersion);
}

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

// Enter reaches IDOK; the program has nothing to confirm.
void CMainDialog::OnOK()
{
}

// The close box, Esc and Alt+F4: the program stays resident, only hidden.
void CMainDialog::OnCancel()
{
    ShowWindow(SW_HIDE);
}

void CMainDialog::OnToolExit()
{
    CDialog::OnCancel();
}
