// Hooks on the procedure of a window that already exists and already has its
// own window object: a hook sees the window's messages first and passes on
// what it does not handle, without deriving from the window's class (the
// caption painter paints the title bar of any dialog this way).
//
// Several hooks can sit on one window. They form a chain in front of the
// procedure the window had before, the newest first; one process-wide map
// from window handle to the newest hook finds the chain. When the window is
// destroyed every hook takes itself off before the window's own procedure
// sees WM_NCDESTROY.
#pragma once
#include <windows.h>

#include <unordered_map>

#include "framework/Wnd.h"

class CSubclassWnd {
public:
    CSubclassWnd() = default;
    // A hook still on its window takes itself off first.
    virtual ~CSubclassWnd();
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    // On `wnd` (taken off any window it was on before), or off with null.
    BOOL HookWnd(CWnd* wnd);

    // Every message of the hooked window except WM_NCDESTROY. Passes the
    // message on to the next older hook, or to the window's previous procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes on the message being handled as this thread's current-message
    // record holds it (a handler may change the record's wParam first).
    LRESULT CallDefault();

    CWnd* m_pWndHooked = nullptr;
    WNDPROC m_pOldWndProc = nullptr;   // the window's procedure before its first hook
    CSubclassWnd* m_pNext = nullptr;   // the next older hook of the same window

private:
    friend class CHookMap;
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

    // The handle the hook went on with: the window object may let go of its
    // handle before the hook comes off.
    HWND m_hWndHooked = nullptr;
};

// Window handle -> newest hook, for the whole process.
class CHookMap {
public:
    static CHookMap& Instance();

    void AddHook(HWND hwnd, CSubclassWnd* hook);
    void RemoveHook(CSubclassWnd* hook);
    void RemoveAllHooks(HWND hwnd);
    CSubclassWnd* FindHook(HWND hwnd) const;

private:
    std::unordered_map<HWND, CSubclassWnd*> m_hooks;
};

// The procedure of every hooked window.
LRESULT CALLBACK HookedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
