#include "dialogs/TitleTextPage.h"

#include "dialogs/CustomizeDlg.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CTitleTextPage::GetMessageMap() const
{
    static const MessageMap map(CCustomizePage::GetMessageMap(), {
        OnCommand(IDC_TITLETEXT_DEFAULT, &CTitleTextPage::OnDefault),
        OnCommand(IDC_TITLETEXT_LEFT, &CTitleTextPage::OnPosition),
        OnCommand(IDC_TITLETEXT_CENTRE, &CTitleTextPage::OnPosition),
        OnCommand(IDC_TITLETEXT_RIGHT, &CTitleTextPage::OnPosition),
        OnCommand(IDC_TITLETEXT_ACTIVE, &CTitleTextPage::OnClickActive),
        OnCommand(IDC_TITLETEXT_INACTIVE, &CTitleTextPage::OnClickInactive),
        OnMessage(UM_COLOR_CHOSEN, &CTitleTextPage::OnColorChosen),
    });
    return &map;
}

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
enum Position { kLeft = 0, kCentre = 1, kRight = 2 };
}  // namespace

void CTitleTextPage::DoDataExchange(CDataExchange* pDX)
{
    CCustomizePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLETEXT_COLOR_GROUP, m_groupColours);
    DDX_Control(pDX, IDC_TITLETEXT_POSITION_GROUP, m_groupPosition);
    DDX_Control(pDX, IDC_TITLETEXT_INACTIVE_LABEL, m_labelInactive);
    DDX_Control(pDX, IDC_TITLETEXT_ACTIVE_LABEL, m_labelActive);
    DDX_Control(pDX, IDC_TITLETEXT_DEFAULT, m_checkDefault);
    DDX_Control(pDX, IDC_TITLETEXT_INACTIVE, m_btnInactive);
    DDX_Control(pDX, IDC_TITLETEXT_ACTIVE, m_btnActive);
    DDX_Control(pDX, IDC_TITLETEXT_LEFT, m_radioLeft);
    DDX_Control(pDX, IDC_TITLETEXT_CENTRE, m_radioCentre);
    DDX_Control(pDX, IDC_TITLETEXT_RIGHT, m_radioRight);
}

BOOL CTitleTextPage::OnInitDialog()
{
    CCustomizePage::OnInitDialog();
    m_record = CaptionSettingsOf(Settings()).text;
    m_checkDefault.SetCheck(CheckFor(m_record.Def != 0));
    if (m_record.Position == kLeft)
        m_radioLeft.SetCheck(BST_CHECKED);
    else if (m_record.Position == kCentre)
        m_radioCentre.SetCheck(BST_CHECKED);
    else
        m_radioRight.SetCheck(BST_CHECKED);
    m_btnActive.m_crColor = m_record.ActiveColour;
    m_btnInactive.m_crColor = m_record.InactiveColour;
    OnDefault();
    m_bInitialised = 1;
    return TRUE;
}

void CTitleTextPage::OnDefault()
{
    m_record.Def = CheckedFlag(m_checkDefault.GetCheck());
    BOOL choose = m_record.Def == 0;
    for (CWnd* control : std::initializer_list<CWnd*>{&m_groupColours, &m_groupPosition, &m_labelInactive,
                                                      &m_labelActive, &m_btnInactive, &m_btnActive, &m_radioLeft,
                                                      &m_radioCentre, &m_radioRight})
        control->EnableWindow(choose);
    if (!m_bInitialised)
        return;
    if (m_record.Def != 0) {
        CCaptionPainter& painter = MainCaption();
        painter.SetTextColor(TRUE, kWhite);
        painter.SetTextColor(FALSE, kWhite);
        SetMainTextAlign(kLeft);
        return;
    }
    MainCaption().SetTextAlign(m_record.Position);
    // The active colour on the active fill: the preview redraws.
    m_pOwner->ActiveTitle().Preview();
}

void CTitleTextPage::OnPosition()
{
    if (m_radioLeft.GetCheck() == BST_CHECKED)
        m_record.Position = kLeft;
    else if (m_radioCentre.GetCheck() == BST_CHECKED)
        m_record.Position = kCentre;
    else
        m_record.Position = kRight;
    SetMainTextAlign(m_record.Position);
}

void CTitleTextPage::SetMainTextAlign(int position)
{
    CCaptionPainter& painter = MainCaption();
    painter.SetTextAlign(position);
    painter.RedrawCaption();
}

void CTitleTextPage::OpenPicker(int slot)
{
    m_nSlot = slot;
    m_picker.Open(slot == kActiveSlot ? &m_btnActive : &m_btnInactive, this, TRUE);
}

// Each colour shows with the fill of its own state.
LRESULT CTitleTextPage::OnColorChosen(WPARAM wParam, LPARAM lParam)
{
    if (wParam == CColorPicker::kNothingChosen)
        return 0;
    COLORREF colour = static_cast<COLORREF>(lParam);
    if (m_nSlot == kInactiveSlot) {
        m_record.InactiveColour = colour;
        m_btnInactive.SetColor(colour);
        m_pOwner->InactiveTitle().Preview();
    } else {
        m_record.ActiveColour = colour;
        m_btnActive.SetColor(colour);
        m_pOwner->ActiveTitle().Preview();
    }
    return 0;
}

void CTitleTextPage::Apply()
{
    m_record.Def = CheckedFlag(m_checkDefault.GetCheck());
    AppSettings& s = Settings();
    s.GBCap_Def = m_record.Def;
    s.GBCap_Ac = m_record.ActiveColour;
    s.GBCap_Pc = m_record.InactiveColour;
    s.GBCap_Style = m_record.Position;
    ShowCaptionText(m_record);
}

void CTitleTextPage::Revert()
{
    ShowCaptionText(CaptionSettingsOf(Settings()).text);
}

// From the look a start gives before the record is applied (white text at
// the left), so that neither a "default" record nor a colour stored as -1
// leaves a previewed colour or position behind.
void CTitleTextPage::ShowCaptionText(const TitleTextRecord& record)
{
    CCaptionPainter& painter = MainCaption();
    painter.SetTextColor(TRUE, kWhite);
    painter.SetTextColor(FALSE, kWhite);
    painter.SetTextAlign(kLeft);
    if (record.Def != 0) {
        painter.RedrawCaption();
        return;
    }
    painter.ApplyCaptionText(record, TRUE);
}
