// The main window's side of the search box: the box itself, opened by typing
// in the history list or the text preview or by F3, and what the box may do
// to the history, done as the main list does it.
#pragma once
#include "dialogs/SearchDlg.h"
#include "dialogs/SearchHost.h"
#include "mainwnd/TypeToSearch.h"

#include <string>

class CMainDialog;

class CMainSearchHost : public ISearchHost {
public:
    explicit CMainSearchHost(CMainDialog& main);

    // Hooks the views that typing starts a search from.
    void AttachViews();
    // Opens the box over the main window with `text`, or adds `text` to it.
    void OpenSearch(const std::string& text);
    void CloseSearch();
    // Follows the main window's enabled state.
    void EnableSearch(bool enable);

    const AppSettings& Settings() const override;
    const IHistoryList& HistoryLines() const override;
    void WatchHistory(IHistoryObserver* observer) override;
    void CopyEntry(int index) override;
    void PasteEntryAndHide(int index) override;
    void DeleteEntry(int index) override;

private:
    // Makes `index` the main list's selection, as a click on it would.
    bool Select(int index);

    CMainDialog& m_main;
    CSearchDlg m_dlgSearch{*this};
    CTypeToSearch m_listTyping;
    CTypeToSearch m_previewTyping;
};
