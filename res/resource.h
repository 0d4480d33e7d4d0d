// Resource and control ids of Quillorn. The numbers are fixed: other programs,
// stored settings and the tests rely on them.
#pragma once

// Dialogs
#define IDD_MAIN                102

// Menus: one resource with three popups, loaded for each use
#define IDR_POPUPS              136
#define POPUP_TRAY              0       // 'Menu1'
#define POPUP_HISTORY_LIST      1       // 'Menu2'
#define POPUP_TEXT_VIEW         2       // 'Menu3'

// String table
#define IDS_VERSION             1
#define IDS_FILE_NOT_COPYABLE   2
#define IDS_RANGE_1_9999        3
#define IDS_HOTKEY_IN_USE       4
#define IDS_RANGE_2_32          5

// Icons
#define IDI_PROGRAM             128
#define IDI_TOOL_VERSION        134
#define IDI_TOOL_EXIT           135
#define IDI_TOOL_BEHAVIOUR      136
#define IDI_TOOL_FONT           137
#define IDI_TOOL_PREVIEW        138
#define IDI_TOOL_LIST           139
#define IDI_TOOL_CUSTOMIZE      144

// Controls of the main window
#define IDC_HISTORY_LIST        1000
#define IDC_TOOL_VERSION        1001
#define IDC_TOOL_BEHAVIOUR      1002
#define IDC_INFO_VIEW           1003
#define IDC_TOOL_EXIT           1004
#define IDC_TOOL_FONT           1005
#define IDC_TOOL_VIEW           1006
#define IDC_TOOL_CUSTOMIZE      1007
#define IDC_TEXT_PREVIEW        1019

// History commands (list menu, keys, double-click)
#define ID_HISTORY_COPY             32773
#define ID_HISTORY_DELETE           32774
#define ID_HISTORY_PASTE            32778
#define ID_HISTORY_COPY_CLOSE       32779
#define ID_HISTORY_PASTE_CLOSE      32780

// Text view commands (preview and info view menu)
#define ID_VIEW_COPY                32775
#define ID_VIEW_SELECT_ALL          32776
#define ID_VIEW_BACK_TO_LIST        32777
#define ID_VIEW_PASTE               32781
#define ID_VIEW_COPY_CLOSE          32782
#define ID_VIEW_PASTE_CLOSE         32783

// Window decoration and the title screen
#define IDD_TITLE               100
#define IDB_TITLE               145
