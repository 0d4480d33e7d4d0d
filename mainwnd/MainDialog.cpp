#include "mainwnd/MainDialog.h"

#include "core/UiTexts.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "storage/RegistryProfileStore.h"

#include <commctrl.h>

namespace {
// A later start finds the running instance by these names.
const char kInstanceName[] = "QuillornVersion09Special";
const char kTrayTip[] = "Quillorn";
const UINT kTrayIconId = 777;
const UINT kForegroundPeriodMs = 200;
const int kInfoTabStop = 24;   // dialog units: lines up the info labels
const COLORREF kDefaultText = RGB(0, 0, 0);
const COLORREF kDefaultBack = RGB(255, 255, 255);
}  // namespace

const MessageMap* CMainDialog::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnMessage(WM_TIMER, &CMainDialog::OnTimer),
        OnControl(LBN_SELCHANGE, IDC_HISTORY_LIST, &CMainDialog::OnSelChangeHistory),
        OnControl(LBN_DBLCLK, IDC_HISTORY_LIST, &CMainDialog::OnDblClkHistory),
        OnCommand(IDC_TOOL_VIEW, &CMainDialog::OnToolView),
        OnCommand(IDC_TOOL_BEHAVIOUR, &CMainDialog::OnToolBehaviour),
        OnCommand(IDC_TOOL_FONT, &CMainDialog::OnToolFont),
        OnCommand(IDC_TOOL_CUSTOMIZE, &CMainDialog::OnToolCustomize),
        OnMessage(WM_WINDOWPOSCHANGING, &CMainDialog::OnWindowPosChanging),
        OnMessage(WM_GETMINMAXINFO, &CMainDialog::OnGetMinMaxInfo),
        OnMessage(WM_SIZE, &CMainDialog::OnSize),
        OnCommand(ID_HISTORY_COPY, &CMainDialog::OnCopy),
        OnCommand(ID_HISTORY_PASTE, &CMainDialog::OnPaste),
        OnCommand(ID_HISTORY_COPY_CLOSE, &CMainDialog::OnCopyClose),
        OnCommand(ID_HISTORY_PASTE_CLOSE, &CMainDialog::OnPasteClose),
        OnCommand(ID_HISTORY_DELETE, &CMainDialog::OnDelete),
        OnCommand(IDC_TOOL_EXIT, &CMainDialog::OnToolExit),
        OnCommand(ID_VIEW_PASTE, &CMainDialog::OnViewPaste),
        OnCommand(ID_VIEW_PASTE_CLOSE, &CMainDialog::OnViewPasteClose),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_VIEW, &CMainDialog::OnToolHotChange),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_BEHAVIOUR, &CMainDialog::OnToolHotChange),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_FONT, &CMainDialog::OnToolHotChange),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_CUSTOMIZE, &CMainDialog::OnToolHotChange),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_VERSION, &CMainDialog::OnToolHotChange),
        OnNotify(UN_TOOLHOVER, IDC_TOOL_EXIT, &CMainDialog::OnToolHotChange),
        OnCommand(IDC_TOOL_VERSION, &CMainDialog::OnToolVersion),
        OnMessage(UM_TRAYNOTIFY, &CMainDialog::OnTrayNotify),
        OnMessage(WM_SYSCOMMAND, &CMainDialog::OnSysCommand),
        OnMessage(WM_CONTEXTMENU, &CMainDialog::OnContextMenu),
        OnMessage(WM_ENDSESSION, &CMainDialog::OnEndSession),
        OnMessage(WM_SHOWWINDOW, &CMainDialog::OnShowWindow),
        OnMessage(WM_ENABLE, &CMainDialog::OnEnable),
    });
    return &map;
}

CMainDialog::CMainDialog(CWnd* parent) : CDialog(IDD_MAIN, parent)
{
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM));
}

// The tray icon, the shared block and the list font go with their members.
CMainDialog::~CMainDialog() = default;

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

// --- Start-up -------------------------------------------------------------

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    // A second start only brings the first one forward and leaves no trace.
    if (!CheckFirstInstance(m_sharedMemory, kInstanceName, m_hWnd, TRUE)) {
        CDialog::OnCancel();
        return TRUE;
    }
    m_trayIcon.Add(m_hWnd, kTrayIconId, IDI_PROGRAM, UM_TRAYNOTIFY, kTrayTip);
    CRegistryProfileStore store;
    LoadSettings(m_settings, store, m_settingsHost);
    // The title stays up while the start-up goes on.
    if (m_settings.HideTitle == 0)
        m_wndTitle.ShowTitle(this, m_settings.UserName, m_settings.LikeColor, TRUE);
    PutNewestOnClipboard();
    // Notifications that arrive before the end of start-up are ignored.
    m_clipboardViewer.Join(this);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_settings));
    SetToolIcons();
    m_editInfoView.SetTabStops(1, &kInfoTabStop);
    SetWindowPos(m_settings.Foreground ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetListTips(m_settings.Tip, m_settings.CustomTipColor);
    ApplyColours();
    AddHotKeys();
    RestoreWindowRect();
    ApplyVisibility();
    ApplyListFont();
    EditSystemMenu();
    m_searchHost.AttachViews();
    ScrollListToTop();
    if (m_settings.HideTitle == 0)
        m_wndTitle.WaitTitleClosed();
    ::SetTimer(m_hWnd, TIMER_FOREGROUND, kForegroundPeriodMs, nullptr);
    m_bInitialized = TRUE;
    m_clipboardViewer.BeginCapture();
    return TRUE;
}

// The newest entry goes back on the clipboard, so the history and the
// clipboard agree after a restart. Nothing is recorded: the window is not in
// the viewer chain yet.
void CMainDialog::PutNewestOnClipboard()
{
    if (m_historyLines.GetCount() == 0)
        return;
    m_listHistory.SetCurSel(0);
    UpdateInfoView();
    WriteClipboardEntry(*m_historyLines.GetItem(0));
}

void CMainDialog::SetToolIcons()
{
    struct Tool {
        CToolButton& button;
        UINT icon;
    };
    const Tool tools[] = {
        {m_btnToolView, IDI_TOOL_LIST},        {m_btnToolBehaviour, IDI_TOOL_BEHAVIOUR},
        {m_btnToolFont, IDI_TOOL_FONT},        {m_btnToolCustomize, IDI_TOOL_CUSTOMIZE},
        {m_btnToolVersion, IDI_TOOL_VERSION},  {m_btnToolExit, IDI_TOOL_EXIT},
    };
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const Tool& tool : tools) {
        // The button shows only its picture; its text is the description.
        tool.button.SetIcon(::LoadIconA(instance, MAKEINTRESOURCEA(tool.icon)));
        tool.button.OnHoverEnd();
    }
}

// The list and the preview show the same colours; the info view keeps the
// system's unless it has its own.
void CMainDialog::ApplyColours()
{
    COLORREF text = m_settings.HDef == 1 ? kDefaultText : m_settings.HTextColor;
    COLORREF back = m_settings.HDef == 1 ? kDefaultBack : m_settings.HBackColor;
    m_listHistory.SetFgColor(text, FALSE);
    m_listHistory.SetBgColor(back, FALSE);
    m_editTextPreview.SetFgColor(text, FALSE);
    m_editTextPreview.SetBgColor(back, FALSE);
    if (m_settings.IDef == 0) {
        m_editInfoView.SetFgColor(m_settings.ITextColor, FALSE);
        m_editInfoView.SetBgColor(m_settings.IBackColor, FALSE);
    }
}

void CMainDialog::AddHotKeys()
{
    m_nMainHotKeyId = ::GlobalAddAtomA("Quillorn_MainActiveHotKey");
    m_nQuickHotKeyId = ::GlobalAddAtomA("Quillorn_QuickSelectActiveHotKey");
    RegisterMainHotKey(m_settings.Main_Mod, m_settings.Main_An, TRUE);
    RegisterQuickHotKey(m_settings.Quick_Mod, m_settings.Quick_An, TRUE);
}

void CMainDialog::RestoreWindowRect()
{
    if (!m_settings.HasStoredRect())
        return;
    MoveWindow(m_settings.Left, m_settings.Top, m_settings.Right - m_settings.Left,
               m_settings.Bottom - m_settings.Top, FALSE);
}

void CMainDialog::ApplyListFont()
{
    LOGFONTA font;
    static_assert(sizeof font == sizeof m_settings.Font, "the stored font has the LOGFONT layout");
    memcpy(&font, &m_settings.Font, sizeof font);
    // The views give up the old font only once the new one exists and they
    // draw with it; a font that cannot be made leaves them as they are.
    HFONT created = ::CreateFontIndirectA(&font);
    if (!created)
        return;
    m_listHistory.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    m_editTextPreview.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    m_fontList.Attach(created);
}

// Selecting the last entry and then the first scrolls the list to the top.
void CMainDialog::ScrollListToTop()
{
    int count = m_listHistory.GetCount();
    if (count == LB_ERR)
        return;
    m_listHistory.SetCurSel(count - 1);
    m_listHistory.SetCurSel(0);
}

// --- Visibility -----------------------------------------------------------

// While a hidden start is pending nothing shows the window. Nor may it become
// active unseen: that would take the foreground from the program the user is
// working in.
LRESULT CMainDialog::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (m_bStartHiddenPending && m_settings.RunToHide == 1) {
        pos->flags &= ~SWP_SHOWWINDOW;
        pos->flags |= SWP_NOACTIVATE;
    }
    return Default();
}

void CMainDialog::ShowMainWindow()
{
    m_bStartHiddenPending = FALSE;
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
    FocusCurrentView();
}

// The search box belongs over the main window: it goes when the window hides.
LRESULT CMainDialog::OnShowWindow(WPARAM wParam, LPARAM)
{
    if (!wParam)
        m_searchHost.CloseSearch();
    return Default();
}

// A settings dialog disables the main window; the search box, a window of its
// own, takes no input either until the dialog is done.
LRESULT CMainDialog::OnEnable(WPARAM wParam, LPARAM)
{
    m_searchHost.EnableSearch(wParam != 0);
    return Default();
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

// --- Version box ----------------------------------------------------------

// The title picture with the user's name, shown until it is clicked.
void CMainDialog::OnToolVersion()
{
    m_wndTitle.ShowTitle(this, m_settings.UserName, m_settings.LikeColor, FALSE);
}

// --- Exit -----------------------------------------------------------------

void CMainDialog::ExitProgram()
{
    // The box follows the history, which the exit frees.
    m_searchHost.CloseSearch();
    m_clipboardViewer.Leave();
    ::UnregisterHotKey(m_hWnd, m_nMainHotKeyId);
    ::UnregisterHotKey(m_hWnd, m_nQuickHotKeyId);
    ::GlobalDeleteAtom(m_nMainHotKeyId);
    ::GlobalDeleteAtom(m_nQuickHotKeyId);
    CRegistryProfileStore store;
    SaveSettings(m_settings, store, m_settingsHost);
    ::KillTimer(m_hWnd, TIMER_FOREGROUND);
    // A version box still up would hold the program until it is clicked.
    m_wndTitle.CloseTitle();
    CDialog::OnCancel();
}

void CMainDialog::OnToolExit()
{
    ExitProgram();
}

// Logging off or shutting down saves everything like the exit command.
LRESULT CMainDialog::OnEndSession(WPARAM wParam, LPARAM)
{
    if (wParam)
        ExitProgram();
    return 0;
}

// --- Capture --------------------------------------------------------------

void CMainDialog::TextCaptured(std::string text, std::u16string exact, const std::string& source, int32_t time)
{
    m_history.AddCapturedText(std::move(text), source, time, std::move(exact));
}

// --- Error boxes ----------------------------------------------------------

void CMainDialog::ShowErrorId(UINT stringId)
{
    char text[512] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), stringId, text, sizeof text);
    ShowErrorText(text);
}

void CMainDialog::ShowErrorText(const char* text)
{
    HWND previous = ::GetForegroundWindow();
    // While a settings dialog is open the box belongs to it, so that the
    // dialog takes no input until the box is answered.
    HWND owner = ::GetLastActivePopup(m_hWnd);
    if (!owner || !::IsWindowVisible(owner) || !::IsWindowEnabled(owner))
        owner = m_hWnd;
    ::MessageBoxA(owner, text, kErrorBoxTitle, MB_OK | MB_ICONHAND);
    ::SetForegroundWindow(previous);
}
