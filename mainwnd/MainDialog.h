// The main window: a resizable dialog with the history list, the text preview,
// the info view and six tool buttons. It owns the settings, the history, the
// hotkeys and the tray icon, and runs modally for the program's whole life.
// Closing it only hides it; the exit command ends it. The clipboard viewer and
// the QuickSelect popup are objects of their own that reach it through small
// interfaces.
//
// Its members are spread over several files by concern:
//   MainDialog.cpp       start-up, exit, visibility, settings host
//   MainViews.cpp        layout, view switching, info view
//   HistoryCommands.cpp  copy, paste, delete, keys, context menus
//   TrayHotkeys.cpp      hotkeys, tray icon, system menu, foreground tracking
//   SettingsCommands.cpp the settings dialogs and what they change at once
//   CustomizeCommands.cpp the customize dialog and what its pages preview on
#pragma once
#include <string>

#include "controls/ListBoxEx.h"
#include "controls/ToolButton.h"
#include "controls/ViewEdit.h"
#include "core/AppSettings.h"
#include "core/HistoryEffects.h"
#include "core/HistoryModel.h"
#include "decoration/CaptionPainter.h"
#include "decoration/TitleWnd.h"
#include "dialogs/CustomizeHost.h"
#include "dialogs/SettingsDialogHost.h"
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/GdiObjects.h"
#include "history/ClipboardViewer.h"
#include "mainwnd/ListBoxHistory.h"
#include "mainwnd/MainSearchHost.h"
#include "mainwnd/MainSettingsHost.h"
#include "mainwnd/SharedMemory.h"
#include "mainwnd/TrayIcon.h"
#include "quickselect/QuickSelectPopup.h"
#include "storage/HistoryAutoSave.h"

// Sent by the tray icon.
const UINT UM_TRAYNOTIFY = WM_USER + 111;
// Remembers the window of another program that was last in front.
const UINT_PTR TIMER_FOREGROUND = 1234;
// Writes the history file once the history has been quiet for a moment.
const UINT_PTR TIMER_HISTORY_SAVE = 1235;

class CMainDialog : public CDialog,
                    private IHistoryEffects,
                    private ISettingsDialogHost,
                    private ICustomizeHost,
                    private IClipboardViewerOwner,
                    private IQuickSelectHost {
public:
    explicit CMainDialog(CWnd* parent = nullptr);
    ~CMainDialog() override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CMainSettingsHost;
    friend class CMainSearchHost;

    // Start-up steps
    void PutNewestOnClipboard();
    void SetToolIcons();
    void ApplyColours();
    void AddHotKeys();
    void RestoreWindowRect();
    void ApplyListFont() override;
    void EditSystemMenu();
    void ScrollListToTop();

    // Views
    void LayoutControls(int cx, int cy);
    void ApplyVisibility() override;
    void ToggleView();
    void UpdateInfoView() override;
    std::string FormatItemInfo(int index) const;

    // History commands
    void CopySelected(BOOL close);
    BOOL CopyItemToClipboard(int index) override;
    bool WriteClipboardText(const std::string& text) override;
    bool WriteClipboardEntry(const HistoryItem& item) override;
    void PasteToPrevious(BOOL close, BOOL copyFirst);

    // Hotkeys and tray
    BOOL RegisterMainHotKey(int modifierIndex, int keyIndex, BOOL atStartUp) override;
    BOOL RegisterQuickHotKey(int modifierIndex, int keyIndex, BOOL atStartUp) override;
    void RunTrayAction(int action);

    // Exit: leave the chain, release the hotkeys, save, end the dialog
    void ExitProgram();

    // The program's error boxes; the window that was in front gets the focus back.
    void ShowErrorId(UINT stringId) override;
    void ShowErrorText(const char* text) override;

    // Message handlers
    LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    void OnSelChangeHistory();
    void OnDblClkHistory();
    void OnToolView();
    void OnToolBehaviour();
    void OnToolFont();
    void OnToolCustomize();
    void OnToolExit();
    void OnToolVersion();
    void OnCopy();
    void OnPaste();
    void OnCopyClose();
    void OnPasteClose();
    void OnDelete();
    void OnViewPaste();
    void OnViewPasteClose();
    void OnToolHotChange(NMHDR* header, LRESULT* result);

    // Keys and hotkeys seen before dispatch
    BOOL OnHistoryListKey(MSG* msg);
    void OnHotKey(WPARAM id);
    void ShowMainWindow();
    void FocusCurrentView();

    // IHistoryEffects
    void EmptyClipboard() override;
    void SetSelfCopy(bool on) override { m_clipboardViewer.SetSelfCopy(on); }
    void HistoryChanged() override { m_historyFile.HistoryChanged(); }

    // ISettingsDialogHost: what the settings dialogs change
    AppSettings& Settings() override { return m_settings; }
    int HistoryCount() const override;
    int64_t HistoryTotalBytes() const override;
    void TrimHistoryToLimit() override;
    void SetAlwaysOnTop(BOOL onTop) override;
    void SetListTips(BOOL tip, BOOL customTipColor) override;

    // ICustomizeHost: what the customize pages preview on
    CCaptionPainter& CaptionPainter() override { return m_captionPainter; }
    void SetViewTextColor(View view, COLORREF colour, BOOL redraw) override;
    void SetViewBackColor(View view, COLORREF colour, BOOL redraw) override;

    // IClipboardViewerOwner: a text copied in another program
    void TextCaptured(std::string text, std::u16string exact, const std::string& source, int32_t time) override;

    // IQuickSelectHost: what the popup needs of this window
    HWND PopupOwner() const override { return m_hWnd; }
    HWND LastForegroundWindow() const override { return m_hwndLastForeground; }
    void EndHiddenStart() override { m_bStartHiddenPending = FALSE; }

    void ShowHistoryMenu(POINT screenPoint);
    void ListContextMenu(POINT point);

    AppSettings m_settings;

    // Controls, bound by DoDataExchange
    CToolButton m_btnToolCustomize;
    CToolButton m_btnToolView;
    CViewEdit m_editTextPreview;
    CViewEdit m_editInfoView;
    CToolButton m_btnToolFont;
    CToolButton m_btnToolExit;
    CListBoxEx m_listHistory;
    CToolButton m_btnToolBehaviour;
    CToolButton m_btnToolVersion;

    // The history: the list box is its only container.
    CListBoxHistory m_historyLines{m_listHistory};
    HistoryModel m_history{m_historyLines, m_settings, *this};
    CHistoryAutoSave m_historyFile{*this, TIMER_HISTORY_SAVE, m_historyLines, m_settings};
    CMainSettingsHost m_settingsHost{*this};
    CMainSearchHost m_searchHost{*this};   // the search box and what opens it

    CClipboardViewer m_clipboardViewer{*this};
    CQuickSelectPopup m_quickSelect{*this, m_historyLines, m_settings};

    CFont m_fontList;
    int m_nViewMode = 0;             // 0 list, 1 text preview
    std::string m_strPreviewInfo;    // info of the entry shown in the preview

    BOOL m_bInitialized = FALSE;     // nothing is laid out before
    BOOL m_bStartHiddenPending = TRUE;

    // Where direct paste and the popup send their text (kept by the timer).
    HWND m_hwndPrevForeground = nullptr;
    HWND m_hwndLastForeground = nullptr;

    ATOM m_nMainHotKeyId = 0;
    ATOM m_nQuickHotKeyId = 0;

    CSharedMemory m_sharedMemory;
    CTrayIcon m_trayIcon;
    HICON m_hIcon = nullptr;

    CCaptionPainter m_captionPainter;
    CTitleWnd m_wndTitle;   // the start-up title and the version box
};
