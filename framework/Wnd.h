// A window object over a Win32 window. Each window that has an object is in a
// per-thread handle map; its messages go through the object's message map
// (framework/MessageMap.h) and, when not handled there, on to the procedure the
// window had before (Default). Controls get their own WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR* and WM_DRAWITEM back from their parent (reflection).
#pragma once
#include <windows.h>

#include <string>

#include "framework/MessageMap.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();   // destroys a window that still exists
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;


    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // --- Handle map, attaching and creating
    // The object of a window, or null when the window has none.
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);        // into the map only: messages do not reach the object
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd); // into the map, and its messages go through the object
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId);
    virtual BOOL DestroyWindow();

    // --- Messages
    // Called for a queued message before it is dispatched, for its target window
    // and then each parent in turn; TRUE means the message is used up.
    virtual BOOL PreTranslateMessage(MSG* msg);
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
    // The message this thread is handling: window, message, wParam, lParam, time
    // and point. A hook may change fields before calling Default().
    static MSG& CurrentMessage();
    // Passes the current message on to the window's previous procedure.
    LRESULT Default();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    // --- Plain window operations
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, after, x, y, width, height, flags);
    }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }

protected:
    // Every message of the window: the message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's previous procedure (or the system's default one).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL RouteCommand(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL RouteNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A message that the parent reflects back to this control; TRUE keeps it
    // from the parent's own handlers.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // After WM_NCDESTROY, when the object has left the handle map.
    virtual void PostNcDestroy() {}
    virtual const MessageMap* GetMessageMap() const;

    // Around the Win32 call that creates this object's window, so that the
    // window reaches the object from its very first message.
    void HookWindowCreate();
    static void UnhookWindowCreate();

    WNDPROC m_pfnSuper = nullptr;   // where Default() sends messages

private:
    static LRESULT CALLBACK StandardWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam);
    BOOL DispatchToMap(MessageKind kind, UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnFinalDestroy();
};

// Registers (once) a window class whose procedure is DefWindowProc, for windows
// made with CreateEx, and returns its name.
std::string AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);

// The window itself when it is not a child window, else the first window
// above it that is not; null for null.
HWND TopLevelOf(HWND hwnd);

// Whether the key is held down at this moment (not as the message queue saw it).
bool KeyDown(int vk);
