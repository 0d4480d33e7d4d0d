#include "framework/Wnd.h"

#include <cstdio>
#include <unordered_map>

#include "framework/WinApp.h"

namespace {

struct ThreadWindowState {
    std::unordered_map<HWND, CWnd*> handleMap;
    MSG currentMessage{};
    CWnd* windowBeingCreated = nullptr;
    HHOOK creationHook = nullptr;
    int creationDepth = 0;   // nested creations share one hook
};

thread_local ThreadWindowState t_state;

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

const MessageMap* CWnd::GetMessageMap() const
{
    static const MessageMap map(nullptr, {});
    return &map;
}

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    if (m_hWnd)
        Detach();
}

// --- Handle map ---------------------------------------------------------

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    auto found = t_state.handleMap.find(hwnd);
    return found == t_state.handleMap.end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    m_hWnd = hwnd;
    t_state.handleMap[hwnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd)
        t_state.handleMap.erase(hwnd);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardWndProc)));
    if (previous != StandardWndProc)
        m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

void CWnd::HookWindowCreate()
{
    ThreadWindowState& state = t_state;
    if (state.creationDepth++ == 0)
        state.creationHook = ::SetWindowsHookExA(WH_CBT, CreationHookProc, nullptr, ::GetCurrentThreadId());
    state.windowBeingCreated = this;
}

void CWnd::UnhookWindowCreate()
{
    ThreadWindowState& state = t_state;
    state.windowBeingCreated = nullptr;
    if (--state.creationDepth == 0) {
        ::UnhookWindowsHookEx(state.creationHook);
        state.creationHook = nullptr;
    }
}

LRESULT CALLBACK CWnd::CreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    ThreadWindowState& state = t_state;
    // The first window created is the object's own; its children come later.
    if (code == HCBT_CREATEWND && state.windowBeingCreated) {
        CWnd* wnd = state.windowBeingCreated;
        state.windowBeingCreated = nullptr;
        wnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(state.creationHook, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId)
{
    HookWindowCreate();
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId,
                                  ::GetModuleHandleA(nullptr), nullptr);
    UnhookWindowCreate();
    return hwnd != nullptr && m_hWnd == hwnd;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

std::string CWnd::GetWindowText() const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(length + 1, '\0');
    text.resize(::GetWindowTextA(m_hWnd, &text[0], length + 1));
    return text;
}

std::string AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    char name[80];
    std::snprintf(name, sizeof name, "Quillorn:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSA wc{};
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (!::GetClassInfoA(instance, name, &wc)) {
        wc.style = classStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return name;
}

// --- Message flow -------------------------------------------------------

MSG& CWnd::CurrentMessage()
{
    return t_state.currentMessage;
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);

    // Saved and restored, so that a message sent while this one is handled
    // leaves this one's record as it was for a later Default().
    MSG& record = t_state.currentMessage;
    MSG outer = record;
    DWORD position = ::GetMessagePos();
    record.hwnd = hwnd;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    record.time = ::GetMessageTime();
    record.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};

    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        wnd->OnFinalDestroy();

    t_state.currentMessage = outer;
    return result;
}

void CWnd::OnFinalDestroy()
{
    auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    if (m_pfnSuper && current == StandardWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& record = t_state.currentMessage;
    return DefWindowProc(record.message, record.wParam, record.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && RouteCommand(wParam, lParam, result))
        return TRUE;
    if (message == WM_NOTIFY && RouteNotify(wParam, lParam, result))
        return TRUE;
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU && ReflectToChild(item->hwndItem, message, wParam, lParam, result))
            return TRUE;
    }
    if (IsCtlColorMessage(message) && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result))
        return TRUE;
    return DispatchToMap(MessageKind::Message, message, 0, 0, wParam, lParam, result);
}

BOOL CWnd::RouteCommand(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto control = reinterpret_cast<HWND>(lParam);
    UINT code = HIWORD(wParam);
    if (control) {
        if (ReflectToChild(control, WM_COMMAND, wParam, lParam, result))
            return TRUE;
    } else {
        code = 0;   // a menu item (0) or an accelerator (1): both are commands
    }
    return DispatchToMap(MessageKind::Command, 0, code, LOWORD(wParam), wParam, lParam, result);
}

BOOL CWnd::RouteNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    return DispatchToMap(MessageKind::Notify, 0, header->code, static_cast<UINT>(header->idFrom), wParam, lParam,
                         result);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    return control && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return DispatchToMap(MessageKind::ReflectedCommand, 0, HIWORD(wParam), 0, wParam, lParam, result);
    if (message == WM_NOTIFY) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        return DispatchToMap(MessageKind::ReflectedNotify, 0, code, 0, wParam, lParam, result);
    }
    if (IsCtlColorMessage(message))
        return DispatchToMap(MessageKind::ReflectedCtlColor, 0, 0, 0, wParam, message - WM_CTLCOLORMSGBOX, result);
    return FALSE;
}

BOOL CWnd::DispatchToMap(MessageKind kind, UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                         LRESULT* result)
{
    const MessageMapEntry* entry = GetMessageMap()->Find(kind, message, code, id);
    if (!entry)
        return FALSE;
    LRESULT handlerResult = 0;
    if (!entry->handler(*this, wParam, lParam, handlerResult))
        return FALSE;
    *result = handlerResult;
    return TRUE;
}

// --- Pre-translation ----------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

HWND TopLevelOf(HWND hwnd)
{
    while (hwnd && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return hwnd;
}

bool KeyDown(int vk)
{
    return (::GetAsyncKeyState(vk) & 0x8000) != 0;
}
