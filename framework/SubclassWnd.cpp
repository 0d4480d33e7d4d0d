#include "framework/SubclassWnd.h"

CSubclassWnd::~CSubclassWnd()
{
    // Left on, the window would call into a hook that no longer exists.
    HookWnd(nullptr);
}

BOOL CSubclassWnd::HookWnd(CWnd* wnd)
{
    // A hook is in one chain at most: linked in twice it would pass messages
    // on to itself for ever.
    if (m_pWndHooked)
        CHookMap::Instance().RemoveHook(this);
    m_pWndHooked = nullptr;
    m_hWndHooked = nullptr;
    m_pOldWndProc = nullptr;
    m_pNext = nullptr;
    if (wnd && ::IsWindow(wnd->m_hWnd)) {
        CHookMap::Instance().AddHook(wnd->m_hWnd, this);
        m_pWndHooked = wnd;
        m_hWndHooked = wnd->m_hWnd;
    }
    return TRUE;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassOn(message, wParam, lParam);
}

LRESULT CSubclassWnd::CallDefault()
{
    const MSG& record = CWnd::CurrentMessage();
    return PassOn(record.message, record.wParam, record.lParam);
}

LRESULT CSubclassWnd::PassOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (!m_pOldWndProc)
        return ::DefWindowProcA(m_hWndHooked, message, wParam, lParam);
    return ::CallWindowProcA(m_pOldWndProc, m_hWndHooked, message, wParam, lParam);
}

// --- The map ----------------------------------------------------------------

CHookMap& CHookMap::Instance()
{
    static CHookMap map;
    return map;
}

CSubclassWnd* CHookMap::FindHook(HWND hwnd) const
{
    auto found = m_hooks.find(hwnd);
    return found == m_hooks.end() ? nullptr : found->second;
}

void CHookMap::AddHook(HWND hwnd, CSubclassWnd* hook)
{
    CSubclassWnd* newest = FindHook(hwnd);
    hook->m_pNext = newest;
    if (newest) {
        hook->m_pOldWndProc = newest->m_pOldWndProc;
    } else {
        hook->m_pOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedWindowProc)));
    }
    m_hooks[hwnd] = hook;
}

void CHookMap::RemoveHook(CSubclassWnd* hook)
{
    HWND hwnd = hook->m_hWndHooked;
    CSubclassWnd* newest = FindHook(hwnd);
    if (!newest)
        return;
    if (newest == hook) {
        if (hook->m_pNext) {
            m_hooks[hwnd] = hook->m_pNext;
        } else {
            m_hooks.erase(hwnd);
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook->m_pOldWndProc));
        }
        return;
    }
    // Further down the chain: its predecessor skips it. A hook that is not in
    // the chain at all leaves the chain as it is.
    for (CSubclassWnd* before = newest; before->m_pNext; before = before->m_pNext) {
        if (before->m_pNext == hook) {
            before->m_pNext = hook->m_pNext;
            return;
        }
    }
}

void CHookMap::RemoveAllHooks(HWND hwnd)
{
    while (CSubclassWnd* hook = FindHook(hwnd))
        hook->HookWnd(nullptr);
}

// --- The hooked window's procedure ------------------------------------------

LRESULT CALLBACK HookedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Saved and restored, so that a message sent while a hook handles this
    // one leaves this one's record as it was for a later CallDefault.
    MSG& record = CWnd::CurrentMessage();
    const MSG outer = record;
    record.hwnd = hwnd;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;

    LRESULT result = 0;
    CSubclassWnd* newest = CHookMap::Instance().FindHook(hwnd);
    if (!newest) {
        result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        // The hooks leave first, so that the window's own procedure finds
        // itself back in place for its last message.
        WNDPROC previous = newest->m_pOldWndProc;
        CHookMap::Instance().RemoveAllHooks(hwnd);
        result = ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
    } else {
        result = newest->WindowProc(message, wParam, lParam);
    }

    record = outer;
    return result;
}
