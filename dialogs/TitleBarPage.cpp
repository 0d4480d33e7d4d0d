#include "dialogs/TitleBarPage.h"

#include "core/UiTexts.h"
#include "dialogs/CustomizeDlg.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CTitleBarPage::GetMessageMap() const
{
    static const MessageMap map(CCustomizePage::GetMessageMap(), {
        OnCommand(IDC_TITLEBAR_DEFAULT, &CTitleBarPage::OnDefault),
        OnCommand(IDC_TITLEBAR_VERTICAL, &CTitleBarPage::OnType),
        OnCommand(IDC_TITLEBAR_HORIZONTAL, &CTitleBarPage::OnType),
        OnCommand(IDC_TITLEBAR_SOLID, &CTitleBarPage::OnType),
        OnCommand(IDC_TITLEBAR_SYSTEM, &CTitleBarPage::OnType),
        OnCommand(IDC_TITLEBAR_COLOR1, &CTitleBarPage::OnClickColour1),
        OnCommand(IDC_TITLEBAR_COLOR2, &CTitleBarPage::OnClickColour2),
        OnMessage(UM_COLOR_CHOSEN, &CTitleBarPage::OnColorChosen),
    });
    return &map;
}

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
}

void CTitleBarPage::DoDataExchange(CDataExchange* pDX)
{
    CCustomizePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLEBAR_VERTICAL, m_radioVertical);
    DDX_Control(pDX, IDC_TITLEBAR_HORIZONTAL, m_radioHorizontal);
    DDX_Control(pDX, IDC_TITLEBAR_SOLID, m_radioSolid);
    DDX_Control(pDX, IDC_TITLEBAR_SYSTEM, m_radioSystem);
    DDX_Control(pDX, IDC_TITLEBAR_TYPE_GROUP, m_groupType);
    DDX_Control(pDX, IDC_TITLEBAR_DEFAULT, m_checkDefault);
    DDX_Control(pDX, IDC_TITLEBAR_COLOR_GROUP, m_groupColours);
    DDX_Control(pDX, IDC_TITLEBAR_COLOR2, m_btnColour2);
    DDX_Control(pDX, IDC_TITLEBAR_COLOR2_LABEL, m_labelColour2);
    DDX_Control(pDX, IDC_TITLEBAR_COLOR1, m_btnColour1);
    DDX_Control(pDX, IDC_TITLEBAR_COLOR1_LABEL, m_labelColour1);
}

FillRecord CTitleBarPage::StoredRecord() const
{
    const CaptionSettings stored = CaptionSettingsOf(Settings());
    return m_bActiveBar ? stored.active : stored.inactive;
}

// A page opened on "default" keeps the template's labels until the box is
// unchecked, since only then does the type choose them.
BOOL CTitleBarPage::OnInitDialog()
{
    CCustomizePage::OnInitDialog();
    m_record = StoredRecord();
    m_checkDefault.SetCheck(CheckFor(m_record.Def == 1));
    switch (m_record.Type) {
    case kStoredVertical: m_radioVertical.SetCheck(BST_CHECKED); break;
    case kStoredHorizontal: m_radioHorizontal.SetCheck(BST_CHECKED); break;
    case kStoredSingleColour: m_radioSolid.SetCheck(BST_CHECKED); break;
    default: m_radioSystem.SetCheck(BST_CHECKED); break;
    }
    m_btnColour1.m_crColor = m_record.Colour1;
    m_btnColour2.m_crColor = m_record.Colour2;
    OnDefault();
    m_bInitialised = 1;
    return TRUE;
}

void CTitleBarPage::OnDefault()
{
    m_record.Def = CheckedFlag(m_checkDefault.GetCheck());
    BOOL choose = m_record.Def == 0;
    m_groupType.EnableWindow(choose);
    for (CButton* radio : {&m_radioVertical, &m_radioHorizontal, &m_radioSolid, &m_radioSystem})
        radio->EnableWindow(choose);
    if (choose) {
        OnType();   // enables the colours the type uses, and previews
        return;
    }
    EnableColours(FALSE, FALSE);
    if (m_bInitialised)
        Preview();
}

// The colour labels say what each colour is for in the chosen type.
void CTitleBarPage::OnType()
{
    if (m_radioVertical.GetCheck() == BST_CHECKED)
        m_record.Type = kStoredVertical;
    else if (m_radioHorizontal.GetCheck() == BST_CHECKED)
        m_record.Type = kStoredHorizontal;
    else if (m_radioSolid.GetCheck() == BST_CHECKED)
        m_record.Type = kStoredSingleColour;
    else
        m_record.Type = kStoredSystemColour;

    switch (m_record.Type) {
    case kStoredVertical:
        m_labelColour1.SetWindowText(kTopColourLabel);
        m_labelColour2.SetWindowText(kBottomColourLabel);
        EnableColours(TRUE, TRUE);
        break;
    case kStoredHorizontal:
        m_labelColour1.SetWindowText(kLeftColourLabel);
        m_labelColour2.SetWindowText(kRightColourLabel);
        EnableColours(TRUE, TRUE);
        break;
    case kStoredSingleColour:
        m_labelColour1.SetWindowText(kSingleColourLabel);
        EnableColours(TRUE, FALSE);
        break;
    default:
        EnableColours(FALSE, FALSE);
        break;
    }
    if (m_bInitialised)
        Preview();
}

// The group box stands for the first colour: it is grey only when no colour
// is chosen at all.
void CTitleBarPage::EnableColours(BOOL first, BOOL second)
{
    m_groupColours.EnableWindow(first);
    m_labelColour1.EnableWindow(first);
    m_btnColour1.EnableWindow(first);
    m_labelColour2.EnableWindow(second);
    m_btnColour2.EnableWindow(second);
}

void CTitleBarPage::OpenPicker(int slot)
{
    m_nSlot = slot;
    m_picker.Open(slot == kColour1Slot ? &m_btnColour1 : &m_btnColour2, this, TRUE);
}

LRESULT CTitleBarPage::OnColorChosen(WPARAM wParam, LPARAM lParam)
{
    if (wParam == CColorPicker::kNothingChosen)
        return 0;
    COLORREF colour = static_cast<COLORREF>(lParam);
    if (m_nSlot == kColour2Slot) {
        m_record.Colour2 = colour;
        m_btnColour2.SetColor(colour);
    } else {
        m_record.Colour1 = colour;
        m_btnColour1.SetColor(colour);
    }
    Preview();
    return 0;
}

void CTitleBarPage::Preview()
{
    CCaptionPainter& painter = MainCaption();
    const TitleTextRecord& text = m_pOwner->TitleText().Record();
    COLORREF textColour = kWhite;
    if (text.Def == 0)
        textColour = m_bActiveBar ? text.ActiveColour : text.InactiveColour;
    // Written without a redraw of its own: the fill below redraws.
    if (textColour != kSystemCaptionColour)
        painter.SetTextColor(FALSE, textColour);

    // What the stored record will give in its own state, drawn in the
    // inactive one: the system colour of this page's state, not the inactive one.
    COLORREF system = ::GetSysColor(SystemColourIndex());
    FillRecord shown = m_record;
    if (shown.Def == 1)
        shown = FillRecord{0, kStoredVertical, system, RGB(0, 0, 0)};
    else if (shown.Type == kStoredSystemColour)
        shown = FillRecord{0, kStoredSingleColour, system, shown.Colour2};
    painter.ApplyBarColours(FALSE, shown);
}

void CTitleBarPage::Apply()
{
    m_record.Def = CheckedFlag(m_checkDefault.GetCheck());
    AppSettings& s = Settings();
    if (m_bActiveBar) {
        s.GBA_Def = m_record.Def;
        s.GBA_Type = m_record.Type;
        s.GBA_c1 = m_record.Colour1;
        s.GBA_c2 = m_record.Colour2;
    } else {
        s.GBP_Def = m_record.Def;
        s.GBP_Type = m_record.Type;
        s.GBP_c1 = m_record.Colour1;
        s.GBP_c2 = m_record.Colour2;
    }
    MainCaption().ApplyBarColours(m_bActiveBar, m_record);
}

void CInactiveTitlePage::Revert()
{
    MainCaption().ApplyBarColours(FALSE, StoredRecord());
}
