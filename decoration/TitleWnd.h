// The title picture with the version line and the user's name on it. At
// start-up it stands alone in the centre of the screen, on top of everything,
// and closes by itself after a moment or on a click while the start-up waits
// for it; as the version box it is shown modally over its owner until it is
// clicked or Enter or Esc is pressed. One is shown at a time.
#pragma once
#include <string>

#include "framework/Dialog.h"
#include "framework/GdiObjects.h"

// Closes the start-up title.
const UINT_PTR TIMER_TITLE = 99;

class CTitleWnd : public CDialog {
public:
    CTitleWnd();

    // Start-up: returns at once, the title closing by itself. Otherwise the
    // version box, returning when it has closed; while one is up a further
    // request does nothing (a start-up title is replaced).
    void ShowTitle(CWnd* owner, const std::string& userName, COLORREF likeColour, BOOL startup);
    void CloseTitle();
    // Handles this thread's messages until the start-up title has closed.
    void WaitTitleClosed();

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void RenderTitleText();
    void DrawShadowText(CDC& dc, const std::string& text, const RECT& rect);
    POINT TopLeftFor(int width, int height) const;

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColorDlg(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    int m_bShown = 0;
    int m_bStartup = 0;
    CWnd* m_pOwner = nullptr;
    std::string m_strUserName;
    COLORREF m_crLikeColour = RGB(255, 0, 0);
    CBitmap m_bmpTitle;   // the picture with the text drawn in, while shown
};
