// The clipboard viewer: a member of the system's viewer chain through its
// owner's window, it reads every text another program puts on the clipboard
// and hands it to the owner, which records it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "decoration/SubclassWnd.h"

// Posted by the viewer to its window: read the clipboard now that the rest of
// the chain has seen the change.
const UINT UM_DEFERREDCAPTURE = WM_USER + 2222;

// Where the viewer sends what it captured.
class IClipboardViewerOwner {
public:
    virtual ~IClipboardViewerOwner() = default;

    // A text another program copied, with the title of the window it came
    // from and the capture time. The owner may still leave it out (a repeat of
    // the newest entry, say).
    virtual void TextCaptured(std::string text, const std::string& source, int32_t time) = 0;
};

class CClipboardViewer : private CSubclassWnd {
public:
    explicit CClipboardViewer(IClipboardViewerOwner& owner) : m_owner(owner) {}

    // Joins the viewer chain with the window, whose messages the viewer sees
    // first from now on. Changes are ignored, and not passed on, until
    // BeginCapture.
    void Join(CWnd* window);
    void BeginCapture() { m_bCapturing = TRUE; }
    // Leaves the chain; the window gets no more notices.
    void Leave();

    // Set just before the program writes the clipboard itself: the next
    // change carrying text is not recorded.
    void SetSelfCopy(bool on) { m_bSelfCopy = on; }

private:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnDrawClipboard(WPARAM wParam, LPARAM lParam);
    LRESULT OnChangeCbChain(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeferredCapture(WPARAM wParam, LPARAM lParam);
    void AddClipboardText();
    static std::string SourceTitle(HWND owner);
    static bool IsExcludedFromHistory();

    IClipboardViewerOwner& m_owner;
    HWND m_hWnd = nullptr;
    HWND m_hwndNextViewer = nullptr;
    BOOL m_bCapturing = FALSE;
    BOOL m_bSelfCopy = FALSE;
    BOOL m_bReadingClipboard = FALSE;
};
