// Resource and control ids of Quillorn. The numbers are fixed: other programs,
// stored settings and the tests rely on them.
#pragma once

// Dialogs
#define IDD_MAIN                102

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
