#include "dialogs/FontDlg.h"

#include <cstring>
#include <string>

#include "core/FontChoice.h"
#include "core/UiTexts.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {

const int kVersionTextBytes = 128;

LOGFONTA ToLogFont(const LogFontRecord& record)
{
    static_assert(sizeof(LOGFONTA) == sizeof(LogFontRecord), "the stored font has the LOGFONT layout");
    LOGFONTA font;
    memcpy(&font, &record, sizeof font);
    return font;
}

int ScreenPixelsPerInch()
{
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetWindowDC(desktop);
    int pixels = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(desktop, dc);
    return pixels;
}

// Shows a value in a box: the entry equal to it (case ignored) when there is
// one, else, where a prefix can stand for it, the first entry it begins, else
// the value itself in the edit field.
void ShowChoice(CComboBox& combo, const std::string& value, bool prefixMayMatch)
{
    int exact = combo.FindStringExact(-1, value.c_str());
    if (exact != CB_ERR) {
        combo.SetCurSel(exact);
        return;
    }
    if (prefixMayMatch && combo.SelectString(0, value.c_str()) != CB_ERR)
        return;
    combo.SetWindowText(value.c_str());
}

int CALLBACK AddFaceName(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param)
{
    auto* faces = reinterpret_cast<CComboBox*>(param);
    const auto* name = reinterpret_cast<const char*>(reinterpret_cast<const ENUMLOGFONTEXA*>(font)->elfFullName);
    if (*name && faces->FindStringExact(-1, name) == CB_ERR)
        faces->AddString(name);
    return 1;
}

}  // namespace

const MessageMap* CFontDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnControl(CBN_SELCHANGE, IDC_FONT_FACE, &CFontDlg::UpdateSample),
        OnControl(CBN_KILLFOCUS, IDC_FONT_FACE, &CFontDlg::UpdateSample),
        OnControl(CBN_SELCHANGE, IDC_FONT_STYLE, &CFontDlg::UpdateSample),
        OnControl(CBN_KILLFOCUS, IDC_FONT_STYLE, &CFontDlg::UpdateSample),
        OnControl(CBN_SELCHANGE, IDC_FONT_SIZE, &CFontDlg::UpdateSample),
        OnControl(CBN_KILLFOCUS, IDC_FONT_SIZE, &CFontDlg::UpdateSample),
    });
    return &map;
}

CFontDlg::CFontDlg(ISettingsDialogHost& host)
    : CDialog(IDD_FONT), m_host(host), m_nLogPixelsY(ScreenPixelsPerInch())
{
    LOGFONTA font = ToLogFont(host.Settings().Font);
    m_fontSample.CreateFontIndirect(&font);
}

void CFontDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FONT_SAMPLE, m_staticSample);
    DDX_Control(pDX, IDC_FONT_STYLE, m_comboStyle);
    DDX_Control(pDX, IDC_FONT_SIZE, m_comboSize);
    DDX_Control(pDX, IDC_FONT_FACE, m_comboFace);
}

BOOL CFontDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_host.Settings()));
    char version[kVersionTextBytes] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), IDS_VERSION, version, sizeof version);
    m_staticSample.SetWindowText((std::string(kFontSampleName) + version).c_str());
    FillSizes();
    FillStyles();
    FillFaces();
    UpdateSample();
    return TRUE;
}

// A size shows only as itself: the entry that begins with "2" is "20".
void CFontDlg::FillSizes()
{
    for (const char* size : kFontSizeChoices)
        m_comboSize.AddString(size);
    int size = PointSizeFromHeight(m_host.Settings().Font.lfHeight, m_nLogPixelsY);
    ShowChoice(m_comboSize, std::to_string(size), false);
}

void CFontDlg::FillStyles()
{
    for (int i = 0; i < kFontStyleCount; ++i)
        m_comboStyle.AddString(FontStyleName(static_cast<FontStyle>(i)));
    const LogFontRecord& font = m_host.Settings().Font;
    ShowChoice(m_comboStyle, FontStyleName(StyleOfFont(font.lfWeight, font.lfItalic)), true);
}

// Every face of every character set, each name once (the list sorts itself).
void CFontDlg::FillFaces()
{
    m_comboFace.ResetContent();
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC dc = ::GetWindowDC(m_hWnd);
    ::EnumFontFamiliesExA(dc, &all, AddFaceName, reinterpret_cast<LPARAM>(&m_comboFace), 0);
    ::ReleaseDC(m_hWnd, dc);
    ShowChoice(m_comboFace, m_host.Settings().Font.lfFaceName, true);
}

void CFontDlg::UpdateSample()
{
    // A simple combo box reports a new selection before its edit field shows
    // it: the field is brought up to date first.
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_hWnd, focus)) {
        HWND box = ::GetParent(focus);
        for (CComboBox* combo : {&m_comboFace, &m_comboStyle, &m_comboSize}) {
            int selected = combo->GetCurSel();
            if (box == combo->m_hWnd && selected >= 0)
                combo->SetWindowText(combo->GetLBText(selected).c_str());
        }
    }
    BuildSample();
}

void CFontDlg::BuildSample()
{
    LOGFONTA font = SampleLogFont();
    CopyFaceName(m_comboFace.GetWindowText(), font.lfFaceName);
    // A size or style that still shows the font as it is keeps its exact
    // height and weight: an untouched dialog changes nothing.
    int size = PointSizeOfText(m_comboSize.GetWindowText(), m_nLogPixelsY);
    if (size != 0 && size != PointSizeFromHeight(font.lfHeight, m_nLogPixelsY))
        font.lfHeight = HeightFromPointSize(size, m_nLogPixelsY);
    FontStyle style = StyleOfName(m_comboStyle.GetWindowText());
    if (style != StyleOfFont(font.lfWeight, font.lfItalic)) {
        font.lfWeight = WeightOfStyle(style);
        font.lfItalic = ItalicOfStyle(style);
    }
    m_fontSample.DeleteObject();
    m_fontSample.CreateFontIndirect(&font);
    m_staticSample.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontSample)), TRUE);
}

LOGFONTA CFontDlg::SampleLogFont() const
{
    LOGFONTA font{};
    if (!m_fontSample.m_hObject || !::GetObjectA(m_fontSample.m_hObject, sizeof font, &font))
        font = ToLogFont(m_host.Settings().Font);
    return font;
}

void CFontDlg::RefuseChoice(CComboBox& combo, const char* why)
{
    m_host.ShowErrorText(why);
    GotoDlgCtrl(combo);
}

// The font committed is built from what the boxes hold now: Enter pressed in
// a box the user has just typed into leaves no kill-focus update behind.
void CFontDlg::OnOK()
{
    if (m_comboFace.FindStringExact(-1, m_comboFace.GetWindowText().c_str()) == CB_ERR) {
        RefuseChoice(m_comboFace, kChooseValidFontName);
        return;
    }
    if (m_comboStyle.FindStringExact(-1, m_comboStyle.GetWindowText().c_str()) == CB_ERR) {
        RefuseChoice(m_comboStyle, kChooseValidFontStyle);
        return;
    }
    if (PointSizeOfText(m_comboSize.GetWindowText(), m_nLogPixelsY) <= 0) {
        RefuseChoice(m_comboSize, kChooseValidFontSize);
        return;
    }
    BuildSample();
    LOGFONTA font = SampleLogFont();
    memcpy(static_cast<void*>(&m_host.Settings().Font), &font, sizeof font);
    m_host.ApplyListFont();
    EndDialog(IDOK);
}
