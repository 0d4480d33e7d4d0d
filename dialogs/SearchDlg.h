// The search box: a small modeless dialog over the main window that finds
// history entries by the words typed into it. Its list shows the matches
// newest first, with the main list's lines, and follows the history while it
// is open. The keys act on the chosen match while the caret stays in the
// search text: Up, Down, PageUp and PageDown choose, Enter copies, Shift+Enter
// pastes into the window that was in front, Delete deletes, Esc closes.
#pragma once
#include "decoration/CaptionPainter.h"
#include "core/HistorySearch.h"
#include "dialogs/SearchHost.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/Static.h"

#include <string>

class CSearchDlg : public CDialog, private IMatchListView {
public:
    explicit CSearchDlg(ISearchHost& host);

    // Opens the box over `owner` with `text` as the search text, or, when it
    // is already open, adds `text` to the end of its search text.
    void Open(CWnd* owner, const std::string& text);
    void Close();
    bool IsOpen() const { return m_hWnd != nullptr; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // IMatchListView: the list box follows the matches line by line.
    void MatchInserted(int position, const HistoryItem& item) override;
    void MatchRemoved(int position) override;
    void MatchesReset() override;
    void CountsChanged() override;

    void PlaceOverOwner(CWnd* owner);
    void AppendText(const std::string& text);
    void OnTextChange();
    void OnSelChangeMatches();
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    // TRUE when the key was one of the box's own.
    BOOL OnKey(const MSG& msg);
    void MoveChoice(WPARAM key);
    bool DeleteEditsText() const;

    // The history index of the chosen match, -1 when there is none.
    int ChosenIndex() const;
    void CopyChosen();
    void PasteChosen();
    void DeleteChosen();
    // Something stays chosen while there are matches; the info and count
    // lines describe what is shown.
    void KeepChoice(int preferred);
    void ShowChoiceInfo();

    ISearchHost& m_host;
    HistorySearch m_search;
    CCaptionPainter m_captionPainter;
    CEdit m_editText;
    CListBox m_listMatches;
    CEdit m_editInfo;
    CStatic m_staticCount;
};
