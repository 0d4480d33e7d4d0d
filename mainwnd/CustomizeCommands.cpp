// The customize dialog, opened from the tool button, the tray menu and the
// system menu, and the main window's views that its pages preview on.
#include "dialogs/CustomizeDlg.h"
#include "mainwnd/MainDialog.h"

void CMainDialog::OnToolCustomize()
{
    CCustomizeDlg dialog(*this);
    dialog.DoModal();
}

void CMainDialog::SetViewTextColor(View view, COLORREF colour, BOOL redraw)
{
    switch (view) {
    case kHistoryListView: m_listHistory.SetFgColor(colour, redraw); break;
    case kTextPreviewView: m_editTextPreview.SetFgColor(colour, redraw); break;
    case kInfoView: m_editInfoView.SetFgColor(colour, redraw); break;
    }
}

void CMainDialog::SetViewBackColor(View view, COLORREF colour, BOOL redraw)
{
    switch (view) {
    case kHistoryListView: m_listHistory.SetBgColor(colour, redraw); break;
    case kTextPreviewView: m_editTextPreview.SetBgColor(colour, redraw); break;
    case kInfoView: m_editInfoView.SetBgColor(colour, redraw); break;
    }
}
