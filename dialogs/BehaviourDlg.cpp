#include "dialogs/BehaviourDlg.h"

#include "core/SettingRanges.h"
#include "core/UiTexts.h"
#include "dialogs/AdvancedDlg.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
enum LimitKind { kLimitByCount = 0, kLimitBySize = 1 };
const int64_t kBytesPerKilobyte = 1024;
const int kHotkeyOff = 0;

// A modifier combo with nothing chosen means no hotkey.
int ModifierChoice(const CComboBox& combo)
{
    int index = combo.GetCurSel();
    return index < 0 ? kHotkeyOff : index;
}

// A key combo with nothing chosen keeps the key the dialog opened with.
int KeyChoice(const CComboBox& combo, int opened)
{
    int index = combo.GetCurSel();
    return index < 0 ? opened : index;
}
}  // namespace

const MessageMap* CBehaviourDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnCommand(IDC_ADVANCED, &CBehaviourDlg::OnAdvanced),
        OnCommand(IDC_LIMIT_BY_COUNT, &CBehaviourDlg::OnLimitKind),
        OnCommand(IDC_LIMIT_BY_SIZE, &CBehaviourDlg::OnLimitKind),
        OnControl(CBN_SELCHANGE, IDC_MAIN_MODIFIER, &CBehaviourDlg::OnSelChangeMainModifier),
        OnControl(CBN_SELCHANGE, IDC_QUICK_MODIFIER, &CBehaviourDlg::OnSelChangeQuickModifier),
    });
    return &map;
}

CBehaviourDlg::CBehaviourDlg(ISettingsDialogHost& host)
    : CDialog(IDD_BEHAVIOUR),
      m_host(host),
      m_nMainModifier(host.Settings().Main_Mod),
      m_nMainKey(host.Settings().Main_An),
      m_nQuickModifier(host.Settings().Quick_Mod),
      m_nQuickKey(host.Settings().Quick_An)
{
}

void CBehaviourDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUICK_MODIFIER, m_comboQuickModifier);
    DDX_Control(pDX, IDC_QUICK_KEY, m_comboQuickKey);
    DDX_Control(pDX, IDC_MAIN_MODIFIER, m_comboMainModifier);
    DDX_Control(pDX, IDC_MAIN_KEY, m_comboMainKey);
    DDX_Control(pDX, IDC_LIMIT_UNIT, m_staticUnit);
    DDX_Control(pDX, IDC_LIMIT_LABEL, m_staticLimitLabel);
    DDX_Control(pDX, IDC_LIMIT_SPIN, m_spinLimit);
    DDX_Radio(pDX, IDC_LIMIT_BY_COUNT, m_nLimitKind);
}

BOOL CBehaviourDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_host.Settings()));
    m_spinLimit.SetRange(kHistoryLimitMin, kHistoryLimitMax);
    ::CheckDlgButton(m_hWnd, m_host.Settings().HistoryType != 0 ? IDC_LIMIT_BY_SIZE : IDC_LIMIT_BY_COUNT,
                     BST_CHECKED);
    UpdateLimitDisplay();
    m_comboMainModifier.SetCurSel(m_nMainModifier);
    m_comboMainKey.SetCurSel(m_nMainKey);
    m_comboQuickModifier.SetCurSel(m_nQuickModifier);
    m_comboQuickKey.SetCurSel(m_nQuickKey);
    OnSelChangeMainModifier();
    OnSelChangeQuickModifier();
    return TRUE;
}

// Each kind shows its own stored limit: switching drops what was typed.
void CBehaviourDlg::UpdateLimitDisplay()
{
    const AppSettings& s = m_host.Settings();
    if (!::IsDlgButtonChecked(m_hWnd, IDC_LIMIT_BY_COUNT)) {
        m_staticLimitLabel.SetWindowText(kLimitLabelBySize);
        m_staticUnit.SetWindowText(kLimitUnitKilobytes);
        m_spinLimit.SetPos(s.HQuantity);
    } else {
        m_staticLimitLabel.SetWindowText(kLimitLabelByCount);
        m_staticUnit.SetWindowText(kLimitUnitEntries);
        m_spinLimit.SetPos(s.HNumber);
    }
    m_nShownLimit = m_spinLimit.GetPos();
}

void CBehaviourDlg::OnLimitKind()
{
    UpdateLimitDisplay();
}

void CBehaviourDlg::UpdateKeyControls(const CComboBox& modifier, UINT plusId, UINT labelId, CComboBox& key)
{
    BOOL used = ModifierChoice(modifier) != kHotkeyOff;
    ::EnableWindow(GetDlgItem(plusId), used);
    ::EnableWindow(GetDlgItem(labelId), used);
    key.EnableWindow(used);
}

void CBehaviourDlg::OnSelChangeMainModifier()
{
    UpdateKeyControls(m_comboMainModifier, IDC_MAIN_PLUS, IDC_MAIN_KEY_LABEL, m_comboMainKey);
}

void CBehaviourDlg::OnSelChangeQuickModifier()
{
    UpdateKeyControls(m_comboQuickModifier, IDC_QUICK_PLUS, IDC_QUICK_KEY_LABEL, m_comboQuickKey);
}

// What the advanced dialog confirms stays, whatever this dialog does next.
void CBehaviourDlg::OnAdvanced()
{
    CAdvancedDlg advanced(m_host);
    advanced.DoModal();
}

// --- OK ---------------------------------------------------------------------

void CBehaviourDlg::OnOK()
{
    if (!RegisterChosenHotKeys())
        return;
    int limit = ReadLimit();
    if (limit == 0) {
        m_host.ShowErrorId(IDS_RANGE_1_9999);
        GotoDlgCtrl(GetDlgItem(IDC_LIMIT_EDIT));
        return;
    }
    const AppSettings& s = m_host.Settings();
    int kind = ::IsDlgButtonChecked(m_hWnd, IDC_LIMIT_BY_COUNT) ? kLimitByCount : kLimitBySize;
    // A limit set beyond the box's range in the registry shows as the range's
    // end; left as shown, it stands for the stored limit still.
    if (limit == m_nShownLimit)
        limit = kind == kLimitBySize ? s.HQuantity : s.HNumber;
    int storedKind = s.HistoryType != 0 ? kLimitBySize : kLimitByCount;
    int storedLimit = storedKind == kLimitBySize ? s.HQuantity : s.HNumber;
    if (kind == storedKind && limit == storedLimit) {
        EndDialog(IDOK);
        return;
    }
    if (LimitWouldCutHistory(kind, limit)) {
        if (::MessageBoxA(m_hWnd, kConfirmHistoryCut, kConfirmBoxTitle, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return;
        StoreLimit(kind, limit);
        m_host.TrimHistoryToLimit();
    } else {
        StoreLimit(kind, limit);
    }
    EndDialog(IDOK);
}

// Both hotkeys are let go first, so that the two may trade keys. A key that
// is taken (by another program, or by the main hotkey) is reported, and the
// focus goes to its modifier.
BOOL CBehaviourDlg::RegisterChosenHotKeys()
{
    m_host.RegisterMainHotKey(kHotkeyOff, 0, TRUE);
    m_host.RegisterQuickHotKey(kHotkeyOff, 0, TRUE);
    if (!m_host.RegisterMainHotKey(ModifierChoice(m_comboMainModifier), KeyChoice(m_comboMainKey, m_nMainKey),
                                   FALSE)) {
        m_host.ShowErrorId(IDS_HOTKEY_IN_USE);
        GotoDlgCtrl(m_comboMainModifier);
        return FALSE;
    }
    if (!m_host.RegisterQuickHotKey(ModifierChoice(m_comboQuickModifier), KeyChoice(m_comboQuickKey, m_nQuickKey),
                                    FALSE)) {
        m_host.ShowErrorId(IDS_HOTKEY_IN_USE);
        GotoDlgCtrl(m_comboQuickModifier);
        return FALSE;
    }
    return TRUE;
}

// The up-down control reads its edit: a text that is no number in its range
// sets the high half of the answer, which puts the value out of range too.
int CBehaviourDlg::ReadLimit() const
{
    int limit = m_spinLimit.GetPos();
    return limit < kHistoryLimitMin || limit > kHistoryLimitMax ? 0 : limit;
}

// Only the chosen kind's limit changes; the other keeps its stored value.
void CBehaviourDlg::StoreLimit(int kind, int limit)
{
    AppSettings& s = m_host.Settings();
    s.HistoryType = kind;
    if (kind == kLimitByCount)
        s.HNumber = limit;
    else
        s.HQuantity = limit;
}

bool CBehaviourDlg::LimitWouldCutHistory(int kind, int limit) const
{
    if (kind == kLimitByCount)
        return m_host.HistoryCount() > limit;
    return m_host.HistoryTotalBytes() > limit * kBytesPerKilobyte;
}

// --- Cancel -----------------------------------------------------------------

// An OK that failed or was declined may have changed the hotkeys: each is let
// go and registered again as it was when the dialog opened, and those choices
// are what stays stored, even when a key can no longer be had.
void CBehaviourDlg::OnCancel()
{
    m_host.RegisterMainHotKey(kHotkeyOff, 0, TRUE);
    m_host.RegisterQuickHotKey(kHotkeyOff, 0, TRUE);
    m_host.RegisterMainHotKey(m_nMainModifier, m_nMainKey, FALSE);
    m_host.RegisterQuickHotKey(m_nQuickModifier, m_nQuickKey, FALSE);
    AppSettings& s = m_host.Settings();
    s.Main_Mod = m_nMainModifier;
    s.Main_An = m_nMainKey;
    s.Quick_Mod = m_nQuickModifier;
    s.Quick_An = m_nQuickKey;
    EndDialog(IDCANCEL);
}
