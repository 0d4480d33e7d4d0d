// Reaching the resident program: two global hotkeys, the tray icon, the
// system menu, and the timer that remembers which window of another program
// was last in front (where direct paste and the popup send their text).
#include "core/HotkeyTable.h"
#include "framework/Menu.h"
#include "mainwnd/MainDialog.h"
#include "mainwnd/WindowClassName.h"
#include "res/resource.h"

namespace {
enum TrayAction { kTrayShowMain = 0, kTrayQuickSelect = 1 };
const int kMenuLabelBytes = 64;

// The entries the program adds to its system menu.
enum SysMenuCommand : UINT {
    kSysBehaviour = 16,
    kSysFont = 32,
    kSysCustomize = 64,
    kSysVersion = 128,
    kSysExit = 256,
};

// Clicking the taskbar, the tray or the desktop must not change the paste target.
bool IsShellWindow(HWND hwnd)
{
    return HasClassName(hwnd, "Shell_TrayWnd") || HasClassName(hwnd, "Progman");
}

// Registers one hotkey from its stored combo indices; returns FALSE when the
// keys are taken. The stored indices change only when the caller may keep them.
BOOL RegisterStoredHotKey(HWND window, ATOM id, int modifierIndex, int keyIndex, BOOL atStartUp,
                          int32_t& storedModifier, int32_t& storedKey)
{
    if (modifierIndex == 0) {
        ::UnregisterHotKey(window, id);
        storedModifier = 0;
        storedKey = keyIndex;
        return TRUE;
    }
    UINT modifiers = HotkeyModifiers(modifierIndex);
    UINT key = HotkeyVirtualKey(keyIndex);
    if (modifiers && key && ::RegisterHotKey(window, id, modifiers, key)) {
        storedModifier = modifierIndex;
        storedKey = keyIndex;
        return TRUE;
    }
    // A hotkey that cannot be had at start-up is dropped for good.
    if (atStartUp)
        storedModifier = 0;
    return FALSE;
}
}  // namespace

BOOL CMainDialog::RegisterMainHotKey(int modifierIndex, int keyIndex, BOOL atStartUp)
{
    return RegisterStoredHotKey(m_hWnd, m_nMainHotKeyId, modifierIndex, keyIndex, atStartUp,
                                m_settings.Main_Mod, m_settings.Main_An);
}

BOOL CMainDialog::RegisterQuickHotKey(int modifierIndex, int keyIndex, BOOL atStartUp)
{
    return RegisterStoredHotKey(m_hWnd, m_nQuickHotKeyId, modifierIndex, keyIndex, atStartUp,
                                m_settings.Quick_Mod, m_settings.Quick_An);
}

void CMainDialog::OnHotKey(WPARAM id)
{
    if (id != m_nMainHotKeyId) {
        m_quickSelect.ShowQuickSelect(m_settings.QShowType);
        return;
    }
    if (IsWindowVisible() && ::GetForegroundWindow() == m_hWnd)
        ShowWindow(SW_HIDE);
    else
        ShowMainWindow();
}

// --- Tray -----------------------------------------------------------------

LRESULT CMainDialog::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    // Clicks while the start-up still waits for its title are dropped.
    if (!m_bInitialized || wParam != m_trayIcon.GetId())
        return 0;
    if (lParam == WM_LBUTTONDOWN)
        RunTrayAction(m_settings.TILClick);
    else if (lParam == WM_RBUTTONDOWN)
        RunTrayAction(m_settings.TIRClick);
    return 0;
}

void CMainDialog::RunTrayAction(int action)
{
    if (action == kTrayShowMain) {
        ShowMainWindow();
    } else if (action == kTrayQuickSelect) {
        // A tray click always opens the popup at the cursor; the stored
        // "QShowType" stays as it is.
        m_quickSelect.ShowQuickSelect(CQuickSelectPopup::kAtCursor);
    } else {
        ::SetForegroundWindow(m_hWnd);
        // Not while one of the settings dialogs is open.
        if (!::IsWindowEnabled(m_hWnd))
            return;
        CMenu menu;
        if (menu.LoadMenu(IDR_POPUPS))
            m_trayIcon.ShowMenu(menu.GetSubMenu(POPUP_TRAY));
    }
}

// --- System menu ----------------------------------------------------------

void CMainDialog::EditSystemMenu()
{
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    ::DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    // The added entries carry the tray menu's labels.
    CMenu tray;
    if (!tray.LoadMenu(IDR_POPUPS))
        return;
    auto append = [&](UINT sysCommand, UINT trayCommand) {
        char label[kMenuLabelBytes] = "";
        ::GetMenuStringA(tray.GetSubMenu(POPUP_TRAY), trayCommand, label, sizeof label, MF_BYCOMMAND);
        ::AppendMenuA(menu, MF_STRING, sysCommand, label);
    };
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    append(kSysBehaviour, IDC_TOOL_BEHAVIOUR);
    append(kSysFont, IDC_TOOL_FONT);
    append(kSysCustomize, IDC_TOOL_CUSTOMIZE);
    append(kSysVersion, IDC_TOOL_VERSION);
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    append(kSysExit, IDC_TOOL_EXIT);
}

LRESULT CMainDialog::OnSysCommand(WPARAM wParam, LPARAM)
{
    // The added entries do what the tool buttons and the tray menu do.
    switch (wParam & 0xFFF0) {
    case kSysBehaviour: SendMessage(WM_COMMAND, IDC_TOOL_BEHAVIOUR); return 0;
    case kSysFont: SendMessage(WM_COMMAND, IDC_TOOL_FONT); return 0;
    case kSysCustomize: SendMessage(WM_COMMAND, IDC_TOOL_CUSTOMIZE); return 0;
    case kSysVersion: SendMessage(WM_COMMAND, IDC_TOOL_VERSION); return 0;
    case kSysExit: ExitProgram(); return 0;
    default: return Default();
    }
}

// --- Foreground tracking --------------------------------------------------

LRESULT CMainDialog::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam == TIMER_HISTORY_SAVE)
        m_historyFile.OnTimer();
    if (wParam != TIMER_FOREGROUND)
        return 0;
    HWND front = ::GetForegroundWindow();
    if (!front || IsShellWindow(front))
        return 0;
    m_hwndLastForeground = front;
    if (front == m_hWnd)
        return 0;
    // An active dialog or popup of this program is never the paste target.
    if (front != ::GetActiveWindow())
        m_hwndPrevForeground = front;
    return 0;
}
