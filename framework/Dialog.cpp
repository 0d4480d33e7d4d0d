#include "framework/Dialog.h"

#include <cstring>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/DialogInit.h"
#include "framework/WinApp.h"

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
    });
    return &map;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    // The window procedure is already the object's; this procedure only hands
    // WM_INITDIALOG to OnInitDialog, whose result goes back to the system.
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = static_cast<CDialog*>(FromHandlePermanent(hwnd));
    return dialog ? dialog->OnInitDialog() : TRUE;
}

BOOL CDialog::CreateFromTemplate(HWND parent, bool hiddenUntilLoop)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes)
        return FALSE;
    // A modal dialog is shown by its loop once initialised, not by the dialog
    // manager: one that ends in OnInitDialog never appears, and a handler of
    // WM_WINDOWPOSCHANGING can still keep it hidden.
    std::vector<BYTE> copy(static_cast<const BYTE*>(bytes),
                           static_cast<const BYTE*>(bytes) + ::SizeofResource(instance, resource));
    if (hiddenUntilLoop)
        ClearVisibleStyle(copy);
    HookWindowCreate();
    HWND hwnd = ::CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(copy.data()), parent,
                                             DialogProc, 0);
    UnhookWindowCreate();
    return hwnd != nullptr && m_hWnd == hwnd;
}

// The style sits at offset 12 of an extended template, at 0 of a plain one.
void CDialog::ClearVisibleStyle(std::vector<BYTE>& dialogTemplate)
{
    const WORD kExtendedSignature = 0xFFFF;
    if (dialogTemplate.size() < 16)
        return;
    WORD signature;
    memcpy(&signature, &dialogTemplate[2], sizeof signature);
    size_t offset = signature == kExtendedSignature ? 12 : 0;
    DWORD style;
    memcpy(&style, &dialogTemplate[offset], sizeof style);
    style &= ~WS_VISIBLE;
    memcpy(&dialogTemplate[offset], &style, sizeof style);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd)
        return FALSE;   // one window per object: the one up stays as it is
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    CWnd* owner = parent ? parent : AfxGetMainWnd();
    return CreateFromTemplate(owner ? owner->m_hWnd : nullptr, false);
}

// A popup cannot be owned by a child window, so the owner is the first
// non-child window above the parent. Without a parent it is the window the
// user last used among the main window and its popups: a dialog opened from
// another dialog then disables that one, not only the main window.
HWND CDialog::OwnerFor(CWnd* parent)
{
    CWnd* ownerWindow = parent ? parent : AfxGetMainWnd();
    HWND owner = TopLevelOf(ownerWindow ? ownerWindow->m_hWnd : nullptr);
    if (!parent && owner)
        owner = ::GetLastActivePopup(owner);
    return owner;
}

INT_PTR CDialog::DoModal()
{
    // An object whose window is already up cannot run a second one; its own
    // window must not be taken down by the attempt.
    if (m_hWnd)
        return -1;
    HWND owner = OwnerFor(m_pParentWnd);
    bool ownerDisabled = owner && ::IsWindowEnabled(owner);
    if (ownerDisabled)
        ::EnableWindow(owner, FALSE);

    // Set before creation: OnInitDialog may already end the dialog.
    m_bContinueModal = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(owner, true)) {
        if (m_bContinueModal)
            RunModalLoop([this] { return m_bContinueModal; });
        // Hidden before the owner is enabled again, so that activation goes
        // straight back to the owner.
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = false;

    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop(const std::function<bool()>& keepGoing)
{
    bool showPending = !IsWindowVisible();
    MSG msg;
    while (keepGoing() && ::IsWindow(m_hWnd)) {
        // The first time the queue runs dry the dialog is shown, unless it is
        // already visible (or a handler refuses to let it show).
        if (showPending && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showPending = false;
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            continue;
        }
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            // Ends this loop and the one outside it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        PostMessage(WM_NULL);   // wakes the loop if it is waiting
    }
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!keyboard && !mouse)
        return FALSE;
    // A page inside another dialog leaves its keys to that dialog, so that
    // Tab and the mnemonics move across the page and the dialog alike.
    if (GetStyle() & WS_CHILD)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDialogInit(m_hWnd, m_nIDTemplate);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::GotoDlgCtrl(HWND control)
{
    // A page's controls are reached through the dialog it sits in.
    HWND dialog = ::GetAncestor(m_hWnd, GA_ROOT);
    ::SendMessageA(dialog ? dialog : m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.m_bFailed;
}
