#include "dialogs/UserInfoPage.h"

#include "core/ShiftJisLimit.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CUserInfoPage::GetMessageMap() const
{
    static const MessageMap map(CCustomizePage::GetMessageMap(), {
        OnMessage(UM_COLOR_CHOSEN, &CUserInfoPage::OnColorChosen),
        OnCommand(IDC_USERINFO_LIKE_COLOR, &CUserInfoPage::OnClickLikeColor),
        OnCommand(IDC_USERINFO_SHOW_INFO, &CUserInfoPage::OnShowInfo),
        OnCommand(IDC_USERINFO_SHOW_TOOL, &CUserInfoPage::OnShowTool),
        OnControl(EN_CHANGE, IDC_USERINFO_NAME, &CUserInfoPage::OnNameChange),
    });
    return &map;
}

namespace {
// "UserName" holds at most this many bytes of Shift-JIS.
const size_t kUserNameBytes = 20;
}

void CUserInfoPage::DoDataExchange(CDataExchange* pDX)
{
    CCustomizePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USERINFO_SHOW_INFO, m_checkShowInfo);
    DDX_Control(pDX, IDC_USERINFO_SHOW_TOOL, m_checkShowTool);
    DDX_Control(pDX, IDC_USERINFO_NAME, m_editName);
    DDX_Control(pDX, IDC_USERINFO_LIKE_COLOR, m_btnLikeColor);
}

BOOL CUserInfoPage::OnInitDialog()
{
    CCustomizePage::OnInitDialog();
    const AppSettings& s = Settings();
    m_nShowToolAtStart = s.ShowTool;
    m_nShowInfoAtStart = s.ShowInfo;
    m_checkShowTool.SetCheck(CheckFor(s.ShowTool != 0));
    m_checkShowInfo.SetCheck(CheckFor(s.ShowInfo != 0));
    // The edit counts characters where the name counts bytes: the limit keeps
    // typing short, and each change is brought within the bytes as well.
    m_editName.SendMessage(EM_LIMITTEXT, kUserNameBytes);
    m_strName = ShiftJisFit(s.UserName, kUserNameBytes);
    m_editName.SetWindowText(m_strName.c_str());
    m_btnLikeColor.m_crColor = s.LikeColor;
    return TRUE;
}

// What was typed or pasted past the 20 bytes is dropped, whole characters
// only; the rest of the name stays as it was.
void CUserInfoPage::OnNameChange()
{
    std::string typed = m_editName.GetWindowText();
    LimitedEdit kept = LimitEditedText(m_strName, typed, kUserNameBytes);
    m_strName = kept.text;
    if (kept.text == typed)
        return;
    m_editName.SetWindowText(kept.text.c_str());
    // The caret as a character offset, which is what the edit takes.
    int caret = ::MultiByteToWideChar(CP_ACP, 0, kept.text.data(), static_cast<int>(kept.caret), nullptr, 0);
    m_editName.SetSel(caret, caret);
    ::MessageBeep(MB_OK);
}

void CUserInfoPage::OnClickLikeColor()
{
    m_picker.Open(&m_btnLikeColor, this, TRUE);
}

// The colour is only stored on OK: nothing to preview.
LRESULT CUserInfoPage::OnColorChosen(WPARAM wParam, LPARAM lParam)
{
    if (wParam == CColorPicker::kColorChosen)
        m_btnLikeColor.SetColor(static_cast<COLORREF>(lParam));
    return 0;
}

// The visibility boxes act on the main window at once, through the settings
// it lays itself out from; Revert puts the values back.
void CUserInfoPage::OnShowTool()
{
    Settings().ShowTool = CheckedFlag(m_checkShowTool.GetCheck());
    Host().ApplyVisibility();
}

void CUserInfoPage::OnShowInfo()
{
    Settings().ShowInfo = CheckedFlag(m_checkShowInfo.GetCheck());
    Host().ApplyVisibility();
}

void CUserInfoPage::Apply()
{
    AppSettings& s = Settings();
    s.UserName = ShiftJisFit(m_editName.GetWindowText(), kUserNameBytes);
    s.LikeColor = m_btnLikeColor.m_crColor;
    s.ShowTool = CheckedFlag(m_checkShowTool.GetCheck());
    s.ShowInfo = CheckedFlag(m_checkShowInfo.GetCheck());
}

void CUserInfoPage::Revert()
{
    AppSettings& s = Settings();
    s.ShowTool = m_nShowToolAtStart;
    s.ShowInfo = m_nShowInfoAtStart;
    Host().ApplyVisibility();
}
