// Message maps: a window class lists, at the top of its .cpp, which messages,
// commands and notifications go to which member functions. Each map names the
// map of its base class; dispatch looks in the most derived map first.
//
//   const MessageMap* CMyDialog::GetMessageMap() const
//   {
//       static const MessageMap map(CDialog::GetMessageMap(), {
//           OnMessage(WM_TIMER, &CMyDialog::OnTimer),
//           OnCommand(IDC_EXIT, &CMyDialog::OnExit),
//           OnControl(LBN_SELCHANGE, IDC_LIST, &CMyDialog::OnSelChangeList),
//       });
//       return &map;
//   }
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "framework/DC.h"

class CWnd;

enum class MessageKind {
    Message,            // any window message, by number
    Command,            // WM_COMMAND by code and id; menus and accelerators have code 0
    Notify,             // WM_NOTIFY by code and control id
    ReflectedCommand,   // a control's WM_COMMAND notification, sent back to the control
    ReflectedNotify,    // a control's WM_NOTIFY, sent back to the control
    ReflectedCtlColor,  // a control's WM_CTLCOLOR*, sent back to it (wParam HDC, lParam CTLCOLOR_*)
};

// Returns whether the message counts as handled; `result` is what the window
// procedure returns for it.
using MessageHandler = std::function<bool(CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

struct MessageMapEntry {
    MessageKind kind;
    UINT message;   // MessageKind::Message only
    UINT code;      // notification code
    UINT id;        // command or control id (Command, Notify)
    MessageHandler handler;
};

class MessageMap {
public:
    MessageMap(const MessageMap* base, std::initializer_list<MessageMapEntry> entries)
        : m_base(base), m_entries(entries)
    {
    }

    const MessageMapEntry* Find(MessageKind kind, UINT message, UINT code, UINT id) const;

private:
    const MessageMap* m_base;
    std::vector<MessageMapEntry> m_entries;
};

// --- Entries -------------------------------------------------------------

// Any message; the handler unpacks wParam and lParam itself.
template <class T>
MessageMapEntry OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {MessageKind::Message, message, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result) {
                result = (static_cast<T&>(wnd).*handler)(wParam, lParam);
                return true;
            }};
}

// A menu item, an accelerator or a button click (BN_CLICKED is code 0).
template <class T>
MessageMapEntry OnCommand(UINT id, void (T::*handler)())
{
    return {MessageKind::Command, 0, 0, id, [handler](CWnd& wnd, WPARAM, LPARAM, LRESULT&) {
                (static_cast<T&>(wnd).*handler)();
                return true;
            }};
}

// A control's WM_COMMAND notification, such as LBN_SELCHANGE or CBN_SELCHANGE.
template <class T>
MessageMapEntry OnControl(UINT code, UINT id, void (T::*handler)())
{
    MessageMapEntry entry = OnCommand(id, handler);
    entry.code = code;
    return entry;
}

template <class T>
MessageMapEntry OnNotify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*))
{
    return {MessageKind::Notify, 0, code, id, [handler](CWnd& wnd, WPARAM, LPARAM lParam, LRESULT& result) {
                (static_cast<T&>(wnd).*handler)(reinterpret_cast<NMHDR*>(lParam), &result);
                return true;
            }};
}

// --- Reflected entries, in the control's own map ---------------------------
// The Ex forms return FALSE to let the parent handle it as well.

template <class T>
MessageMapEntry OnControlReflectEx(UINT code, BOOL (T::*handler)())
{
    return {MessageKind::ReflectedCommand, 0, code, 0, [handler](CWnd& wnd, WPARAM, LPARAM, LRESULT&) {
                return (static_cast<T&>(wnd).*handler)() != FALSE;
            }};
}

template <class T>
MessageMapEntry OnNotifyReflect(UINT code, void (T::*handler)(NMHDR*, LRESULT*))
{
    return {MessageKind::ReflectedNotify, 0, code, 0, [handler](CWnd& wnd, WPARAM, LPARAM lParam, LRESULT& result) {
                (static_cast<T&>(wnd).*handler)(reinterpret_cast<NMHDR*>(lParam), &result);
                return true;
            }};
}

// The handler returns the brush to paint with; null leaves the colours to the
// parent (and then to the system).
template <class T>
MessageMapEntry OnCtlColorReflect(HBRUSH (T::*handler)(CDC* dc, UINT ctlColor))
{
    return {MessageKind::ReflectedCtlColor, 0, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result) {
                CDC dc;
                dc.Attach(reinterpret_cast<HDC>(wParam));
                HBRUSH brush = (static_cast<T&>(wnd).*handler)(&dc, static_cast<UINT>(lParam));
                dc.Detach();
                result = reinterpret_cast<LRESULT>(brush);
                return brush != nullptr;
            }};
}
