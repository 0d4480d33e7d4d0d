#include "dialogs/ViewColorPage.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CViewColorPage::GetMessageMap() const
{
    static const MessageMap map(CCustomizePage::GetMessageMap(), {
        OnCommand(IDC_VIEWCOLOR_HISTORY_DEFAULT, &CViewColorPage::OnHistoryDefault),
        OnCommand(IDC_VIEWCOLOR_INFO_DEFAULT, &CViewColorPage::OnInfoDefault),
        OnCommand(IDC_VIEWCOLOR_HISTORY_TEXT, &CViewColorPage::OnClickHistoryText),
        OnCommand(IDC_VIEWCOLOR_HISTORY_BACK, &CViewColorPage::OnClickHistoryBack),
        OnCommand(IDC_VIEWCOLOR_INFO_TEXT, &CViewColorPage::OnClickInfoText),
        OnCommand(IDC_VIEWCOLOR_INFO_BACK, &CViewColorPage::OnClickInfoBack),
        OnMessage(UM_COLOR_CHOSEN, &CViewColorPage::OnColorChosen),
    });
    return &map;
}

namespace {
// The history views' default pair is set as real colours; the info view's
// default is the view's own, reached through -1.
const COLORREF kHistoryDefaultText = RGB(0, 0, 0);
const COLORREF kHistoryDefaultBack = RGB(255, 255, 255);
const COLORREF kViewDefaultColours = static_cast<COLORREF>(-1);
}  // namespace

void CViewColorPage::DoDataExchange(CDataExchange* pDX)
{
    CCustomizePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VIEWCOLOR_INFO_DEFAULT, m_checkInfoDefault);
    DDX_Control(pDX, IDC_VIEWCOLOR_HISTORY_DEFAULT, m_checkHistoryDefault);
    DDX_Control(pDX, IDC_VIEWCOLOR_INFO_TEXT, m_btnInfoText);
    DDX_Control(pDX, IDC_VIEWCOLOR_HISTORY_TEXT, m_btnHistoryText);
    DDX_Control(pDX, IDC_VIEWCOLOR_INFO_BACK, m_btnInfoBack);
    DDX_Control(pDX, IDC_VIEWCOLOR_HISTORY_BACK, m_btnHistoryBack);
}

// Filled without previewing: the views already show the stored colours.
BOOL CViewColorPage::OnInitDialog()
{
    CCustomizePage::OnInitDialog();
    const AppSettings& s = Settings();
    m_btnHistoryText.m_crColor = s.HTextColor;
    m_btnHistoryBack.m_crColor = s.HBackColor;
    m_checkHistoryDefault.SetCheck(CheckFor(s.HDef == 1));
    m_btnInfoText.m_crColor = s.ITextColor;
    m_btnInfoBack.m_crColor = s.IBackColor;
    m_checkInfoDefault.SetCheck(CheckFor(s.IDef != 0));
    OnHistoryDefault();
    OnInfoDefault();
    m_bInitialised = 1;
    return TRUE;
}

// A pair on "default" cannot be chosen, so its labels and buttons go grey.
void CViewColorPage::OnHistoryDefault()
{
    BOOL choose = m_checkHistoryDefault.GetCheck() != BST_CHECKED;
    for (int id : {IDC_VIEWCOLOR_HISTORY_TEXT_LABEL, IDC_VIEWCOLOR_HISTORY_BACK_LABEL})
        ::EnableWindow(GetDlgItem(id), choose);
    m_btnHistoryText.EnableWindow(choose);
    m_btnHistoryBack.EnableWindow(choose);
    if (m_bInitialised)
        PreviewHistory();
}

void CViewColorPage::OnInfoDefault()
{
    BOOL choose = m_checkInfoDefault.GetCheck() != BST_CHECKED;
    for (int id : {IDC_VIEWCOLOR_INFO_TEXT_LABEL, IDC_VIEWCOLOR_INFO_BACK_LABEL})
        ::EnableWindow(GetDlgItem(id), choose);
    m_btnInfoText.EnableWindow(choose);
    m_btnInfoBack.EnableWindow(choose);
    if (m_bInitialised)
        PreviewInfo();
}

CColorButton& CViewColorPage::ButtonOf(int slot)
{
    switch (slot) {
    case kHistoryTextSlot: return m_btnHistoryText;
    case kHistoryBackSlot: return m_btnHistoryBack;
    case kInfoTextSlot: return m_btnInfoText;
    default: return m_btnInfoBack;
    }
}

void CViewColorPage::OpenPicker(int slot)
{
    m_nSlot = slot;
    m_picker.Open(&ButtonOf(slot), this, TRUE);
}

LRESULT CViewColorPage::OnColorChosen(WPARAM wParam, LPARAM lParam)
{
    if (wParam == CColorPicker::kNothingChosen)
        return 0;
    ButtonOf(m_nSlot).SetColor(static_cast<COLORREF>(lParam));
    if (m_nSlot == kHistoryTextSlot || m_nSlot == kHistoryBackSlot)
        PreviewHistory();
    else
        PreviewInfo();
    return 0;
}

void CViewColorPage::PreviewHistory()
{
    ShowHistoryColours(m_checkHistoryDefault.GetCheck() == BST_CHECKED, m_btnHistoryText.m_crColor,
                       m_btnHistoryBack.m_crColor);
}

void CViewColorPage::PreviewInfo()
{
    ShowInfoColours(m_checkInfoDefault.GetCheck() == BST_CHECKED, m_btnInfoText.m_crColor, m_btnInfoBack.m_crColor);
}

// The list and the text preview always show the same pair.
void CViewColorPage::ShowHistoryColours(bool byDefault, COLORREF text, COLORREF back)
{
    if (byDefault) {
        text = kHistoryDefaultText;
        back = kHistoryDefaultBack;
    }
    for (ICustomizeHost::View view : {ICustomizeHost::kHistoryListView, ICustomizeHost::kTextPreviewView}) {
        Host().SetViewTextColor(view, text, FALSE);
        Host().SetViewBackColor(view, back, TRUE);
    }
}

void CViewColorPage::ShowInfoColours(bool byDefault, COLORREF text, COLORREF back)
{
    if (byDefault) {
        Host().SetViewTextColor(ICustomizeHost::kInfoView, kViewDefaultColours, TRUE);
        return;
    }
    Host().SetViewTextColor(ICustomizeHost::kInfoView, text, FALSE);
    Host().SetViewBackColor(ICustomizeHost::kInfoView, back, TRUE);
}

// The colours are stored also for a pair on "default", so that unchecking the
// box later brings them back.
void CViewColorPage::Apply()
{
    AppSettings& s = Settings();
    s.HDef = CheckedFlag(m_checkHistoryDefault.GetCheck());
    s.HTextColor = m_btnHistoryText.m_crColor;
    s.HBackColor = m_btnHistoryBack.m_crColor;
    s.IDef = CheckedFlag(m_checkInfoDefault.GetCheck());
    s.ITextColor = m_btnInfoText.m_crColor;
    s.IBackColor = m_btnInfoBack.m_crColor;
    PreviewHistory();
    PreviewInfo();
}

// As the main window shows the stored colours when it starts.
void CViewColorPage::Revert()
{
    const AppSettings& s = Settings();
    ShowHistoryColours(s.HDef == 1, s.HTextColor, s.HBackColor);
    ShowInfoColours(s.IDef != 0, s.ITextColor, s.IBackColor);
}
