// The QuickSelect popup: the phrase file's menus opened over the program the
// user works in; the chosen text goes onto the clipboard and, when the user
// wants it, is pasted there at once.
#include "quickselect/QuickSelectPopup.h"

#include "core/AppSettings.h"
#include "framework/PasteKeys.h"
#include "quickselect/QuickSelectEditor.h"
#include "quickselect/QuickSelectPopupMenu.h"
#include "storage/ModulePath.h"

namespace {
const char kQuickSelectFileName[] = "QuickSelect.txt";
const int32_t kPasteOn = 1;
}

void CQuickSelectPopup::ShowQuickSelect(int showType)
{
    HWND owner = m_host.PopupOwner();
    HWND last = m_host.LastForegroundWindow();
    HWND target = last && ::IsWindow(last) ? last : ::GetDesktopWindow();
    std::string path = MakeModulePath(kQuickSelectFileName);
    CQuickSelectPopupMenu popup(QuickSelectHistory{&m_historyLines, m_settings.QNumber});
    if (!popup.Build(path))
        return;
    m_host.EndHiddenStart();
    POINT at = GetQuickSelectPos(target, popup.GetRootItemCount(), showType);

    // The owner must be in front for the menu to close when the user clicks
    // elsewhere; the posted WM_NULL lets the menu loop see that it is over.
    ::SetForegroundWindow(owner);
    std::string text;
    int32_t code = popup.TrackAt(at.x, at.y, owner, text);
    ::PostMessageA(owner, WM_NULL, 0, 0);
    ::SetForegroundWindow(target);
    if (code == QS_NONE)
        return;

    // The target must really be in front before the paste types into it, and
    // before an error box notes which window to give the foreground back to.
    // The desktop, the stand-in when no program was in front, takes no focus.
    if (target != ::GetDesktopWindow())
        WaitUntilTargetHasFocus(target);
    if (PutQuickSelectChoice(code, text, path) && m_settings.QCopyPaste == kPasteOn && target != owner)
        TypeCtrlV();
}

BOOL CQuickSelectPopup::PutQuickSelectChoice(int32_t code, const std::string& text, const std::string& path)
{
    switch (code) {
    case QS_NONE:
        return FALSE;
    case QS_EDIT:
        EditQuickSelectFile(path);
        return FALSE;
    case QS_FILE:
        return CopyFileToClipboard(text);
    case QS_TEXT:
        return m_host.WriteClipboardText(text);
    default:
        // A failed copy must not paste what happened to be on the clipboard.
        return code >= 0 && m_host.CopyItemToClipboard(code);
    }
}
