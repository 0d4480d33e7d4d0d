// The main window's two read-only text views, the text preview and the info
// view: custom colours, a context menu and keys that copy the selected text
// or paste it straight into the window that was in front.
//
// Pasting and going back to the list belong to the parent, which hears of
// them as commands (lParam 0): ID_VIEW_PASTE and ID_VIEW_PASTE_CLOSE once the
// selection is on the clipboard, and IDC_TOOL_VIEW for the list view.
#pragma once
#include "controls/ControlColors.h"
#include "framework/Edit.h"

class CViewEdit : public CColouredCtrl<CEdit> {
public:
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnCopy();
    void OnSelectAll();
    void OnBackToList();
    void OnPaste();
    void OnCopyClose();
    void OnPasteClose();

    // The command a key stands for, or 0 when the key is not one of ours.
    UINT KeyCommand(WPARAM key) const;
    void ShowContextMenu(POINT clientPoint);
    bool HasSelection() const;
    void TellParent(UINT command);
};
