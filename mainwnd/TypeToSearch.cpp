#include "mainwnd/TypeToSearch.h"

namespace {
// Control characters (Ctrl+C in the preview, Enter, Esc) keep their meaning.
bool IsControlCharacter(WPARAM c)
{
    return c < 0x20 || c == 0x7F;
}
}  // namespace

LRESULT CTypeToSearch::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_IME_CHAR) {
        // The whole character at once, its lead byte in the high byte.
        BYTE lead = HIBYTE(LOWORD(wParam));
        if (lead)
            m_typing.Feed(lead);
        std::string typed = m_typing.Feed(LOBYTE(wParam));
        if (!typed.empty())
            m_typed(typed);
        return 0;
    }
    if (message == WM_CHAR) {
        // A lead byte is kept until its trail byte comes.
        std::string typed = m_typing.Feed(static_cast<BYTE>(wParam));
        if (!typed.empty())
            m_typed(typed);
        if (!IsControlCharacter(wParam))
            return 0;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}
