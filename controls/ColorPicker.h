// The palette popup that opens under a colour button (controls/ColorButton.h):
// an 8 by 8 grid of 48 fixed colours and the 16 user colours, and a button
// "その他の色(&O)..." that runs the standard colour dialog. Picking a cell,
// finishing the standard dialog or moving the focus away closes it, and each
// close sends the window that opened it exactly one UM_COLOR_CHOSEN:
//
//   wParam kColorChosen (0), lParam the colour (plain RGB, 0x00BBGGRR);
//   wParam kNothingChosen (1), lParam 0, when it closed without a colour.
//
// The message is sent, not posted, so the page has the colour before the
// popup is gone. A page holds one picker for all its colour buttons:
//
//   void CMyPage::OnClickedBackColor()            // BN_CLICKED of the button
//   {
//       m_nSlot = kBackSlot;
//       m_picker.Open(&m_btnBack, this, TRUE);    // anchor, notify, full open
//   }
//   LRESULT CMyPage::OnColorChosen(WPARAM wParam, LPARAM lParam)
//   {
//       if (wParam == CColorPicker::kNothingChosen)
//           return 0;
//       m_btnBack.SetColor(static_cast<COLORREF>(lParam));
//       ...preview...
//       return 0;
//   }
//
// The user colours are the standard colour dialog's shared custom colours
// (CColorDialog::GetSavedCustomColors), loaded and saved with the settings.
#pragma once
#include <memory>

#include "core/ColorPalette.h"
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/GdiObjects.h"

class CDC;

// The picker's result, to the window given to Open.
const UINT UM_COLOR_CHOSEN = WM_USER + 112;

// Button "その他の色(&O)..." of the picker. It holds the focus while the
// popup is up, so losing it means the user went elsewhere: it closes the
// popup with nothing chosen.
class CPickerButton : public CButton {
protected:
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
};

class CColorPicker : public CDialog {
public:
    static const WPARAM kColorChosen = 0;
    static const WPARAM kNothingChosen = 1;

    CColorPicker();
    ~CColorPicker() override;   // a popup still up goes without a message

    // Opens the popup with its top-left corner at the anchor's bottom-left
    // corner, moved inside the work area; notify receives the result and owns
    // the popup. fullOpen opens the standard colour dialog with its custom
    // colour part expanded. Returns FALSE, doing nothing, while it is open.
    BOOL Open(CWnd* anchor, CWnd* notify, int fullOpen);
    BOOL IsOpen() const { return m_bOpen != 0; }

    // Closes the popup: runs the standard colour dialog first when it was
    // asked for, then sends the one result message.
    BOOL DestroyWindow() override;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    // Enter and Escape never close the popup through the dialog's own path.
    void OnOK() override {}
    void OnCancel() override {}

private:
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    void OnMoreColors();

    void DrawPalette();
    void RedrawCell(int cell, HGDIOBJ outline);
    void DrawCell(CDC& dc, int cell, HGDIOBJ outline);
    void PlaceWindow();
    COLORREF ChooseStandardColor();
    void SendResult();

    int m_bOpen = 0;
    int m_bFullOpen = 0;
    int m_nHover = kNoCell;
    int m_nPressed = kNoCell;
    POINT m_ptOrigin = {0, 0};
    CBitmap m_bmpPalette;                     // the grid, drawn once per opening
    COLORREF m_crResult = kNoColorChosen;     // a colour, or one of the two markers
    std::unique_ptr<CPickerButton> m_pButton; // replaced at each opening
    CWnd* m_pNotify = nullptr;
    bool m_bClosing = false;                  // inside DestroyWindow
};
