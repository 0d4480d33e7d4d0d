#include "dialogs/SearchDlg.h"

#include "core/DisplayText.h"
#include "core/HistoryItem.h"
#include "core/HistoryList.h"
#include "core/ItemInfo.h"
#include "core/WorkAreaFit.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
const int kInfoTabStop = 24;   // dialog units: lines up the info labels as in the main window
// A fresh list of this many lines, about, holds their strings in one block.
const int kLineBytesGuess = 64;
}  // namespace

const MessageMap* CSearchDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        // Lifetime
        OnMessage(WM_DESTROY, &CSearchDlg::OnDestroy),
        // Controls
        OnControl(EN_CHANGE, IDC_SEARCH_TEXT, &CSearchDlg::OnTextChange),
        OnControl(LBN_SELCHANGE, IDC_SEARCH_MATCHES, &CSearchDlg::OnSelChangeMatches),
        OnControl(LBN_DBLCLK, IDC_SEARCH_MATCHES, &CSearchDlg::CopyChosen),
    });
    return &map;
}

CSearchDlg::CSearchDlg(ISearchHost& host) : CDialog(IDD_SEARCH), m_host(host), m_search(host.HistoryLines(), *this)
{
}

void CSearchDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEARCH_TEXT, m_editText);
    DDX_Control(pDX, IDC_SEARCH_MATCHES, m_listMatches);
    DDX_Control(pDX, IDC_SEARCH_INFO, m_editInfo);
    DDX_Control(pDX, IDC_SEARCH_COUNT, m_staticCount);
}

// --- Opening and closing ----------------------------------------------------

void CSearchDlg::Open(CWnd* owner, const std::string& text)
{
    if (!IsOpen()) {
        if (!Create(IDD_SEARCH, owner))
            return;
        PlaceOverOwner(owner);
        ShowWindow(SW_SHOW);
        // The first search fills the list once: with every entry, or with
        // what the typed text finds.
        if (text.empty())
            m_search.SetText("");
    }
    ::SetForegroundWindow(m_hWnd);
    m_editText.SetFocus();
    AppendText(text);
}

BOOL CSearchDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_host.Settings()));
    m_editInfo.SetTabStops(1, &kInfoTabStop);
    // From here on no entry can leave the history unseen by the matches.
    m_host.WatchHistory(&m_search);
    return TRUE;
}

// Centred on the main window, and whole on the screen.
void CSearchDlg::PlaceOverOwner(CWnd* owner)
{
    RECT box, over;
    GetWindowRect(&box);
    owner->GetWindowRect(&over);
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    int left = (over.left + over.right - width) / 2;
    int top = (over.top + over.bottom - height) / 2;
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    PopupRect placed = FitInsideWorkArea(PopupRect{left, top, left + width, top + height},
                                         PopupRect{work.left, work.top, work.right, work.bottom});
    SetWindowPos(nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSearchDlg::AppendText(const std::string& text)
{
    if (text.empty())
        return;
    int end = ::GetWindowTextLengthA(m_editText.m_hWnd);
    m_editText.SetSel(end, end);
    m_editText.ReplaceSel(text.c_str());   // EN_CHANGE searches again
}

void CSearchDlg::Close()
{
    DestroyWindow();
}

// A closed box no longer hears of the history, so it lets go of its matches.
LRESULT CSearchDlg::OnDestroy(WPARAM, LPARAM)
{
    m_host.WatchHistory(nullptr);
    m_search.Clear();
    return Default();
}

// Enter from anywhere in the box: the dialog manager's default button.
void CSearchDlg::OnOK()
{
    CopyChosen();
}

void CSearchDlg::OnCancel()
{
    Close();
}

// --- Keys -------------------------------------------------------------------

BOOL CSearchDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (msg->hwnd == m_editText.m_hWnd || msg->hwnd == m_listMatches.m_hWnd) &&
        OnKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CSearchDlg::OnKey(const MSG& msg)
{
    switch (msg.wParam) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        if (msg.hwnd != m_editText.m_hWnd)
            return FALSE;
        MoveChoice(msg.wParam);
        return TRUE;
    case VK_RETURN:
        if (KeyDown(VK_SHIFT))
            PasteChosen();
        else
            CopyChosen();
        return TRUE;
    case VK_DELETE:
        if (msg.hwnd == m_editText.m_hWnd && DeleteEditsText())
            return FALSE;
        DeleteChosen();
        return TRUE;
    default:
        return FALSE;
    }
}

// The caret stays in the search text while the choice moves a line or a
// page of the list, stopping at its ends.
void CSearchDlg::MoveChoice(WPARAM key)
{
    int count = m_listMatches.GetCount();
    if (count <= 0)
        return;
    RECT client;
    m_listMatches.GetClientRect(&client);
    int lineHeight = static_cast<int>(m_listMatches.SendMessage(LB_GETITEMHEIGHT, 0));
    int page = lineHeight > 0 ? (client.bottom - client.top) / lineHeight : 1;
    int step = key == VK_UP ? -1 : key == VK_DOWN ? 1 : key == VK_PRIOR ? -page : page;
    if (step == 0)
        step = key == VK_PRIOR ? -1 : 1;
    int chosen = m_listMatches.GetCurSel() + step;
    chosen = chosen < 0 ? 0 : chosen >= count ? count - 1 : chosen;
    m_listMatches.SetCurSel(chosen);
    ShowChoiceInfo();
}

// Delete keeps its editing meaning while there is something for it to delete
// in the search text: a selection, or text after the caret.
bool CSearchDlg::DeleteEditsText() const
{
    int start = 0, end = 0;
    m_editText.GetSel(start, end);
    return start != end || end < ::GetWindowTextLengthA(m_editText.m_hWnd);
}

// --- Commands on the chosen match ---------------------------------------------

int CSearchDlg::ChosenIndex() const
{
    return m_search.HistoryIndexOf(m_listMatches.GetCurSel());
}

// The box closes first: what the command does to the main window and the
// foreground is then as it is from the main list.
void CSearchDlg::CopyChosen()
{
    int index = ChosenIndex();
    if (index < 0)
        return;
    Close();
    m_host.CopyEntry(index);
}

void CSearchDlg::PasteChosen()
{
    int index = ChosenIndex();
    if (index < 0)
        return;
    Close();
    m_host.PasteEntryAndHide(index);
}

void CSearchDlg::DeleteChosen()
{
    int index = ChosenIndex();
    if (index >= 0)
        m_host.DeleteEntry(index);   // the match leaves through MatchRemoved
}

// --- The matches --------------------------------------------------------------

// The chosen entry stays chosen while the new text still finds it.
void CSearchDlg::OnTextChange()
{
    const HistoryItem* chosen = m_search.At(m_listMatches.GetCurSel());
    m_search.SetText(m_editText.GetWindowText());
    for (int i = 0; chosen && i < m_search.Count(); ++i) {
        if (m_search.At(i) == chosen) {
            m_listMatches.SetCurSel(i);
            ShowChoiceInfo();
            return;
        }
    }
}

void CSearchDlg::MatchesReset()
{
    m_listMatches.SendMessage(WM_SETREDRAW, FALSE);
    m_listMatches.ResetContent();
    int count = m_search.Count();
    m_listMatches.SendMessage(LB_INITSTORAGE, count, static_cast<LPARAM>(count) * kLineBytesGuess);
    for (int i = 0; i < count; ++i)
        m_listMatches.AddString(MakeDisplayText(m_search.At(i)->text).c_str());
    m_listMatches.SendMessage(WM_SETREDRAW, TRUE);
    m_listMatches.Invalidate();
    KeepChoice(0);
    CountsChanged();
}

void CSearchDlg::MatchInserted(int position, const HistoryItem& item)
{
    // The list box moves the choice down with its line.
    m_listMatches.InsertString(position, MakeDisplayText(item.text).c_str());
    KeepChoice(position);
}

void CSearchDlg::MatchRemoved(int position)
{
    m_listMatches.DeleteString(position);
    // As in the main list, the line that takes the deleted one's place is chosen.
    KeepChoice(position);
}

void CSearchDlg::KeepChoice(int preferred)
{
    int count = m_listMatches.GetCount();
    if (count > 0 && m_listMatches.GetCurSel() < 0)
        m_listMatches.SetCurSel(preferred < count ? preferred : count - 1);
}

void CSearchDlg::CountsChanged()
{
    m_staticCount.SetWindowText(FormatMatchCount(m_search.Count(), m_search.TotalCount()).c_str());
    ShowChoiceInfo();
}

void CSearchDlg::OnSelChangeMatches()
{
    ShowChoiceInfo();
}

void CSearchDlg::ShowChoiceInfo()
{
    const HistoryItem* item = m_search.At(m_listMatches.GetCurSel());
    m_editInfo.SetWindowText(item ? FormatItemInfo(*item).c_str() : "");
}
