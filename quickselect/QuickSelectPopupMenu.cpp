#include "quickselect/QuickSelectPopupMenu.h"

#include "framework/StdioFile.h"

CQuickSelectPopupMenu::CQuickSelectPopupMenu(QuickSelectHistory history) : m_menu(m_builder, history)
{
}

BOOL CQuickSelectPopupMenu::Build(const std::string& path)
{
    // No sharing: a file that another program holds open is not read half-written.
    CStdioFile file;
    if (!file.Open(path.c_str(), CStdioFile::modeRead | CStdioFile::shareExclusive | CStdioFile::modeCreate |
                                     CStdioFile::modeNoTruncate | CStdioFile::typeText))
        return m_menu.Build(nullptr);
    return m_menu.Build(file.GetByteSource());
}

namespace {
// The builder whose submenus this thread's menu is showing. Menus are modal
// on their thread, so one at a time.
thread_local CWin32MenuBuilder* t_pOpening = nullptr;

// Sees WM_INITMENUPOPUP before the owner does, as a submenu is about to open.
LRESULT CALLBACK FillSubmenuAsItOpens(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && t_pOpening)
        t_pOpening->FillSubmenu(reinterpret_cast<HMENU>(message->wParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}

int32_t CQuickSelectPopupMenu::TrackAt(int x, int y, HWND owner, std::string& text)
{
    MenuHandle handle = m_menu.GetRootMenu();
    HMENU root = handle ? m_builder.RealMenu(handle) : nullptr;
    if (!root)
        return QS_NONE;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, FillSubmenuAsItOpens, nullptr, ::GetCurrentThreadId());
    t_pOpening = &m_builder;
    int id = static_cast<int>(::TrackPopupMenu(root, TPM_RETURNCMD, x, y, 0, owner, nullptr));
    t_pOpening = nullptr;
    if (hook)
        ::UnhookWindowsHookEx(hook);
    return m_menu.LookUpChoice(id, text);
}
