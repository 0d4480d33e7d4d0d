// The main window's views: layout, switching between the list and the text
// preview, and the info view.
#include "core/ItemInfo.h"
#include "mainwnd/MainDialog.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {
const int kMinTrackWidth = 273;
const int kMinTrackHeight = 311;

// The layout in pixels; the tool buttons are never moved.
const int kViewsLeft = 2;              // and as much room on the right
const int kViewsTopUnderTools = 44;
const int kViewsTopAlone = 4;
const int kViewsBottomMargin = 2;      // without the info view
const int kInfoLeft = 3;
const int kInfoRightMargin = 2;
const int kInfoBottomMargin = 1;
const int kInfoHeight = 39;
const int kInfoGapAbove = 1;           // between the info view and the views' bottom limit
const int kViewsGapOverInfo = 3;       // room the views give up whenever the info view is on
const UINT kShowHideFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW;
const UINT kFrameRedraw = RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE;
enum ViewMode { kListView = 0, kTextPreview = 1 };
}  // namespace

void CMainDialog::LayoutControls(int cx, int cy)
{
    int bottom = cy - kViewsBottomMargin;
    if (m_settings.ShowInfo == 1) {
        int infoTop = cy - kInfoBottomMargin - kInfoHeight;
        m_editInfoView.MoveWindow(kInfoLeft, infoTop, cx - kInfoLeft - kInfoRightMargin, kInfoHeight);
        bottom = infoTop - kInfoGapAbove;
    }
    int top = m_settings.ShowTool ? kViewsTopUnderTools : kViewsTopAlone;
    int height = bottom - top - (m_settings.ShowInfo ? kViewsGapOverInfo : 0);
    int width = cx - 2 * kViewsLeft;
    m_listHistory.MoveWindow(kViewsLeft, top, width, height, TRUE);
    m_editTextPreview.MoveWindow(kViewsLeft, top, width, height, TRUE);
}

void CMainDialog::ApplyVisibility()
{
    int toolShow = m_settings.ShowTool ? SW_SHOW : SW_HIDE;
    for (CToolButton* tool : {&m_btnToolView, &m_btnToolBehaviour, &m_btnToolFont, &m_btnToolCustomize,
                              &m_btnToolVersion, &m_btnToolExit})
        tool->ShowWindow(toolShow);
    m_editInfoView.ShowWindow(m_settings.ShowInfo ? SW_SHOW : SW_HIDE);
    RECT client;
    GetClientRect(&client);
    LayoutControls(client.right, client.bottom);
}

LRESULT CMainDialog::OnSize(WPARAM, LPARAM lParam)
{
    if (m_bInitialized)
        LayoutControls(LOWORD(lParam), HIWORD(lParam));
    return Default();
}

LRESULT CMainDialog::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = kMinTrackWidth;
    info->ptMinTrackSize.y = kMinTrackHeight;
    return 0;
}

void CMainDialog::ToggleView()
{
    if (m_nViewMode == kTextPreview) {
        m_listHistory.SetWindowPos(nullptr, 0, 0, 0, 0, kShowHideFlags | SWP_SHOWWINDOW);
        m_listHistory.SetFocus();
        m_editTextPreview.SetWindowPos(nullptr, 0, 0, 0, 0, kShowHideFlags | SWP_HIDEWINDOW);
        m_editTextPreview.SetWindowText("");
        ::RedrawWindow(m_listHistory.m_hWnd, nullptr, nullptr, kFrameRedraw);
        m_nViewMode = kListView;
        UpdateInfoView();
    } else {
        int index = m_listHistory.GetCurSel();
        HistoryItem* item = m_historyLines.GetItem(index);
        if (!item)
            return;
        m_editTextPreview.SetWindowText(item->text.c_str());
        m_editTextPreview.SetWindowPos(nullptr, 0, 0, 0, 0, kShowHideFlags | SWP_SHOWWINDOW);
        m_editTextPreview.SetFocus();
        m_listHistory.SetWindowPos(nullptr, 0, 0, 0, 0, kShowHideFlags | SWP_HIDEWINDOW);
        ::RedrawWindow(m_editTextPreview.m_hWnd, nullptr, nullptr, kFrameRedraw);
        m_nViewMode = kTextPreview;
        m_strPreviewInfo = FormatItemInfo(index);
        m_editInfoView.SetWindowText(m_strPreviewInfo.c_str());
    }
    UINT icon = m_nViewMode == kTextPreview ? IDI_TOOL_PREVIEW : IDI_TOOL_LIST;
    m_btnToolView.SetIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon)));
    m_btnToolView.Invalidate();
}

void CMainDialog::OnToolView()
{
    ToggleView();
}

// The keyboard always has somewhere to go: the view on show, never a tool
// button. Not while a settings dialog holds the window disabled.
void CMainDialog::FocusCurrentView()
{
    if (!::IsWindowEnabled(m_hWnd))
        return;
    if (m_nViewMode == kTextPreview)
        m_editTextPreview.SetFocus();
    else
        m_listHistory.SetFocus();
}

// The preview keeps describing the entry it shows, whatever the list does.
void CMainDialog::UpdateInfoView()
{
    if (m_nViewMode == kTextPreview) {
        m_editInfoView.SetWindowText(m_strPreviewInfo.c_str());
        return;
    }
    int index = m_listHistory.GetCurSel();
    m_editInfoView.SetWindowText(index < 0 ? "" : FormatItemInfo(index).c_str());
}

std::string CMainDialog::FormatItemInfo(int index) const
{
    const HistoryItem* item = m_historyLines.GetItem(index);
    return item ? ::FormatItemInfo(*item) : std::string();
}

void CMainDialog::OnSelChangeHistory()
{
    UpdateInfoView();
}

// A tool button under the pointer describes itself in the info view until
// the pointer leaves it, unless the user has switched the descriptions off.
void CMainDialog::OnToolHotChange(NMHDR* header, LRESULT*)
{
    auto* hot = reinterpret_cast<NMBCHOTITEM*>(header);
    if (hot->dwFlags & HICF_ENTERING) {
        if (m_settings.HideToolInfo != 0)
            return;
        CWnd* tool = CWnd::FromHandlePermanent(header->hwndFrom);
        if (tool)
            m_editInfoView.SetWindowText(tool->GetWindowText().c_str());
    } else {
        UpdateInfoView();
    }
}
