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
// --- Customize dialog, its pages and the colour picker ---------------------
// Dialog 144 shares its number with icon IDI_TOOL_CUSTOMIZE, and the picker's
// dialog 145 with the title picture's bitmap; the pages reuse control numbers
// with other meanings, so each page has its own names.
#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

#define IDD_CUSTOMIZE                   140
#define IDD_CUSTOMIZE_VIEW_COLORS       141
#define IDD_CUSTOMIZE_ACTIVE_TITLE      142
#define IDD_CUSTOMIZE_INACTIVE_TITLE    143
#define IDD_CUSTOMIZE_TITLE_TEXT        144
#define IDD_COLOR_PICKER                145
#define IDD_CUSTOMIZE_USER_INFO         146

// Customize dialog
#define IDC_CUSTOMIZE_TAB               1032
#define IDC_CUSTOMIZE_HINT_GROUP        1034
#define IDC_CUSTOMIZE_HINT_TEXT         1035

// View colour page
#define IDC_VIEWCOLOR_HISTORY_TEXT      1020
#define IDC_VIEWCOLOR_HISTORY_BACK      1021
#define IDC_VIEWCOLOR_INFO_TEXT         1022
#define IDC_VIEWCOLOR_INFO_BACK         1023
#define IDC_VIEWCOLOR_HISTORY_DEFAULT   1024
#define IDC_VIEWCOLOR_INFO_DEFAULT      1025
#define IDC_VIEWCOLOR_HISTORY_TEXT_LABEL 1036
#define IDC_VIEWCOLOR_HISTORY_BACK_LABEL 1037
#define IDC_VIEWCOLOR_INFO_TEXT_LABEL   1038
#define IDC_VIEWCOLOR_INFO_BACK_LABEL   1039

// Title bar colour pages (active and inactive share one layout)
#define IDC_TITLEBAR_TYPE_GROUP         1040
#define IDC_TITLEBAR_COLOR_GROUP        1042
#define IDC_TITLEBAR_COLOR1_LABEL       1043
#define IDC_TITLEBAR_COLOR2_LABEL       1044
#define IDC_TITLEBAR_COLOR1             1045
#define IDC_TITLEBAR_COLOR2             1046
#define IDC_TITLEBAR_DEFAULT            1047
#define IDC_TITLEBAR_VERTICAL           1050
#define IDC_TITLEBAR_HORIZONTAL         1051
#define IDC_TITLEBAR_SOLID              1052
#define IDC_TITLEBAR_SYSTEM             1053

// Title text page
#define IDC_TITLETEXT_CENTRE            1027
#define IDC_TITLETEXT_ACTIVE_LABEL      1043
#define IDC_TITLETEXT_INACTIVE_LABEL    1044
#define IDC_TITLETEXT_ACTIVE            1045
#define IDC_TITLETEXT_INACTIVE          1046
#define IDC_TITLETEXT_DEFAULT           1047
#define IDC_TITLETEXT_LEFT              1048
#define IDC_TITLETEXT_RIGHT             1049
#define IDC_TITLETEXT_POSITION_GROUP    1061
#define IDC_TITLETEXT_COLOR_GROUP       1062

// User information page
#define IDC_USERINFO_NAME               1016
#define IDC_USERINFO_LIKE_COLOR         1055
#define IDC_USERINFO_SHOW_TOOL          1060
#define IDC_USERINFO_SHOW_INFO          1061

// Colour picker
#define IDC_PICKER_MORE_COLORS          1000
// --- Settings dialogs: behaviour, advanced (with its three pages), font ----
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
#define IDD_BEHAVIOUR           129
#define IDD_FONT                131
#define IDD_ADVANCED            166
#define IDD_GENERAL_PAGE        167
#define IDD_QUICKSELECT_PAGE    168
#define IDD_OTHER_PAGE          169

// Combo box contents of a dialog: resource of this type, named by the
// dialog's template id (see framework/DialogInit.h).
#define RT_DIALOG_INIT          240
#define DIALOG_INIT_ADDSTRING   0x0143  // CB_ADDSTRING

// Behaviour dialog
#define IDC_ADVANCED            3
#define IDC_MAIN_KEY            1007
#define IDC_MAIN_MODIFIER       1009
#define IDC_QUICK_KEY           1010
#define IDC_QUICK_MODIFIER      1011
#define IDC_MAIN_KEY_LABEL      1012
#define IDC_MAIN_PLUS           1013
#define IDC_QUICK_PLUS          1014
#define IDC_QUICK_KEY_LABEL     1015
#define IDC_LIMIT_BY_COUNT      1016
#define IDC_LIMIT_BY_SIZE       1018
#define IDC_LIMIT_EDIT          1019
#define IDC_LIMIT_SPIN          1020
#define IDC_LIMIT_LABEL         1024
#define IDC_LIMIT_UNIT          1025

// Advanced dialog and its pages
#define IDC_PAGE_TABS           1032
#define IDC_FOREGROUND          1028
#define IDC_EXIT_TO_DEL         1029
#define IDC_NO_ADJUST_CUR       1030
#define IDC_HIDE_TITLE          1032
#define IDC_RUN_TO_HIDE         1033
#define IDC_HIDE_TOOL_INFO      1035
#define IDC_LEAVE_OUT           1037
#define IDC_QNUMBER_EDIT        1016
#define IDC_QNUMBER_SPIN        1017
#define IDC_QCOPY_PASTE         1038
#define IDC_QSHOW_TYPE          1064
#define IDC_TRAY_LEFT           1033
#define IDC_TIP                 1034
#define IDC_TRAY_RIGHT          1035
#define IDC_CUSTOM_TIP_COLOR    1036

// Font dialog
#define IDC_FONT_SAMPLE         1092
#define IDC_FONT_FACE           1136
#define IDC_FONT_STYLE          1137
#define IDC_FONT_SIZE           1138

// --- Search box ------------------------------------------------------------
#define IDD_SEARCH              170
#define IDC_SEARCH_TEXT         1100
#define IDC_SEARCH_MATCHES      1101
#define IDC_SEARCH_INFO         1102
#define IDC_SEARCH_COUNT        1103
