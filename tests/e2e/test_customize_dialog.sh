#!/bin/bash
# The customize dialog, opened by command 1007: a hint box that follows the
# tab, five pages whose "default" boxes grey their controls and preview on
# the main window at once, the dialog's own title bar in the stored colours
# throughout, Cancel that puts the main window's views, title bars and layout
# back, and OK that stores every value: seen on the main window at once, in
# the registry after exit, and again after a restart. A screenshot of every
# page is kept.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_steps.sh"
source "$(dirname "$0")/customize_steps.sh"

HISTORY_TEXT=202020 HISTORY_BACK=336699 INFO_TEXT=101010 INFO_BACK=99CC66
ACTIVE_FILL=804000 INACTIVE_FILL=006060 ACTIVE_TEXT=FFFF80 INACTIVE_TEXT=80FFFF
start_quillorn 'SystemInfo/HideTitle=dword:1' \
  'Customize/HDef=dword:0' "Customize/HTextColor=$(colorref $HISTORY_TEXT)" "Customize/HBackColor=$(colorref $HISTORY_BACK)" \
  'Customize/IDef=dword:0' "Customize/ITextColor=$(colorref $INFO_TEXT)" "Customize/IBackColor=$(colorref $INFO_BACK)" \
  'Customize/GBA_Def=dword:0' 'Customize/GBA_Type=dword:2' "Customize/GBA_c1=$(colorref $ACTIVE_FILL)" \
  'Customize/GBP_Def=dword:0' 'Customize/GBP_Type=dword:2' "Customize/GBP_c1=$(colorref $INACTIVE_FILL)" \
  'Customize/GBCap_Def=dword:0' "Customize/GBCap_Ac=$(colorref $ACTIVE_TEXT)" "Customize/GBCap_Pc=$(colorref $INACTIVE_TEXT)" \
  'Customize/GBCap_Style=dword:1' 'Customize/UserName=山田'
qd copy 'Editor' 'a line for the list' >/dev/null
read -r _ list_top _ list_height <<<"$(qd rect 1000)"

# --- the hint box follows the tab; the dialog's own title bar keeps the stored fill
open_customize
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1034)" ' 「色設定１」のヒント ' "the hint box names the first tab"
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1035)" '各ビューの配色を設定します。変更時の状況はメインウィンドウで\n確認することができます。' \
  "the hint of the view colours"
expect_eventually $ACTIVE_FILL "the dialog's title bar shows the stored active fill" dialog_bar_pixel
tab 3
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1034)" ' 「タイトル文字」のヒント ' "the hint box follows the tab"
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1035)" 'タイトルバーの文字の位置や色を設定します。\n文字の位置はメインウィンドウにのみ適用されます。' \
  "the hint of the title text"
tab 0

# --- each page's default box greys its controls and previews at once
# View colours: the history pair goes black on white, the info view to its own colours.
keep_dialog_shot page-view-colours
expect_eq "$(enabled 1036 1020 1037 1021 1038 1022 1039 1023)" 11111111 "stored colours leave every colour button enabled"
press 1024
expect_eq "$(enabled 1036 1020 1037 1021) $(enabled 1038 1022 1039 1023)" "0000 1111" \
  "the history default greys the history labels and buttons only"
expect_eq "$(shown 1000 $HISTORY_BACK)" 0 "the list leaves its stored background at once"
(( $(shown 1000 FFFFFF) > 100 )) || fail "the list shows the default white background at once"
press 1025
expect_eq "$(enabled 1038 1022 1039 1023)" 0000 "the info default greys the info labels and buttons"
expect_eq "$(shown 1003 $INFO_BACK)" 0 "the info view returns to its own colours at once"

# Active title bar: coming into view previews its fill on the main window's
# inactive title bar, with the active text colour, centred.
tab 1
keep_dialog_shot page-active-title
measure_bar
expect_eventually "$ACTIVE_FILL $ACTIVE_FILL" "the active page previews its fill on the main window" bar_fill
expect_eventually centre "... with the active text colour" text_place $ACTIVE_TEXT
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1043)" "塗る色：" "one colour is labelled as the colour to fill with"
expect_eq "$(enabled 1042 1043 1045 1044 1046)" 11100 "one colour: only the first colour can be chosen"
press 1047
expect_eq "$(enabled 1040 1050 1051 1052 1053 1042 1043 1045 1044 1046)" 0000000000 \
  "the title bar default greys the types and the colours"
# The preview repaints in the program's own time: its top settles first.
expect_eventually "$(qd syscolor $COLOR_ACTIVECAPTION)" "the default previews the system's active caption colour at the top" \
  bar_pixel "$FREE" 0
expect_near "$(bar_pixel "$FREE" $((HEIGHT - 1)))" 000000 24 "... running to black at the bottom"
expect_eventually $ACTIVE_FILL "the dialog's own title bar keeps the stored fill" dialog_bar_pixel
press 1047
press 1050
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1043) $(qd dialog-text "$CUSTOMIZE" 1044)" "上の色： 下の色：" \
  "a vertical gradient has a top and a bottom colour"
expect_eq "$(enabled 1040 1042 1043 1045 1044 1046)" 111111 "both colours can be chosen for a gradient"
press 1051
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1043) $(qd dialog-text "$CUSTOMIZE" 1044)" "左の色： 右の色：" \
  "a horizontal gradient has a left and a right colour"
press 1053
expect_eq "$(enabled 1042 1043 1045 1044 1046)" 00000 "the system colour needs no colour"
expect_eventually "$(qd syscolor $COLOR_ACTIVECAPTION) $(qd syscolor $COLOR_ACTIVECAPTION)" \
  "the system type previews the active caption colour as one colour" bar_fill

# Inactive title bar: its own fill in view, and its default.
tab 2
keep_dialog_shot page-inactive-title
expect_eventually "$INACTIVE_FILL $INACTIVE_FILL" "the inactive page in view previews its fill" bar_fill
expect_eventually centre "... with the inactive text colour" text_place $INACTIVE_TEXT
press 1047
expect_eq "$(enabled 1040 1050 1053 1042 1045 1046)" 000000 "the inactive default greys its controls"
read -r top bottom <<<"$(bar_fill)"
expect_eq "$top" "$(qd syscolor $COLOR_INACTIVECAPTION)" "the inactive default starts in the inactive caption colour"

# Title text: the default greys all and shows white text at the left at once.
tab 3
keep_dialog_shot page-title-text
expect_eq "$(enabled 1048 1027 1049 1061 1062 1043 1044 1045 1046)" 111111111 "stored text settings leave all enabled"
press 1047
expect_eq "$(enabled 1048 1027 1049 1061 1062 1043 1044 1045 1046)" 000000000 "the text default greys the page"
expect_eventually left "the default text shows white at the left at once" text_place FFFFFF
press 1047
expect_eventually centre "unchecking shows the active colour, centred, again" text_place $ACTIVE_TEXT
press 1049
expect_eventually right "'右(&R)' moves the text to the right at once" text_place $ACTIVE_TEXT

# User information: the visibility boxes act at once.
tab 4
keep_dialog_shot page-user-info
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1016)" "山田" "the page shows the stored name"
press 1060
expect_eq "$(qd visible 1007)" 0 "unchecking the tool buttons hides them at once"
read -r _ top _ _ <<<"$(qd rect 1000)"
(( top < list_top )) || fail "the list moves up into the tool buttons' place ($top, was $list_top)"
press 1061
expect_eq "$(qd visible 1003)" 0 "unchecking the info view hides it at once"

# --- Cancel puts the main window back as the stored settings show it
close_customize 2
expect_eq "$(qd visible 1007) $(qd visible 1003)" "1 1" "Cancel shows the tool buttons and the info view again"
expect_eq "$(qd rect 1000 | awk '{print $2, $4}')" "$list_top $list_height" "Cancel lays the list out as before"
(( $(shown 1000 $HISTORY_BACK) > 100 )) || fail "Cancel gives the list its stored background again"
(( $(shown 1003 $INFO_BACK) > 100 )) || fail "Cancel gives the info view its stored background again"
be_active
expect_eventually "$ACTIVE_FILL $ACTIVE_FILL" "after Cancel the active title bar keeps its stored fill" bar_fill
expect_eventually centre "after Cancel the active text is centred in its stored colour" text_place $ACTIVE_TEXT
be_inactive
expect_eventually "$INACTIVE_FILL $INACTIVE_FILL" "after Cancel the inactive title bar has its stored fill again" bar_fill
expect_eventually centre "after Cancel the inactive text is centred in its stored colour" text_place $INACTIVE_TEXT
be_active

# --- OK stores every page
open_customize
pick 1020 $CELL_MAROON
pick 1021 $CELL_YELLOW
press 1025
tab 1
press 1050
pick 1045 $CELL_GREEN
pick 1046 $CELL_BLUE
tab 2
press 1051
pick 1045 $CELL_ORANGE
tab 3
press 1048
pick 1046 $CELL_GREY
pick 1045 $CELL_PURPLE
expect_eventually $GREEN "an active text colour previews with the active fill, after the inactive page" bar_pixel "$FREE" 0
expect_eventually left "... at the left, in the new colour" text_place $PURPLE
tab 4
press 1060
pick 1055 $CELL_DARKGREEN
# The name: 20 bytes of Shift-JIS, whatever the edit counts.
qd dialog-type "$CUSTOMIZE" 1016 ""
read -r x y w h <<<"$(qd control-rect "$CUSTOMIZE" 1016)"
qd press-at $((x + w / 2)) $((y + h / 2))
qd copy 'Editor' '一二三四五六七八九十百千' >/dev/null
qd key ctrl+v
expect_eventually '一二三四五六七八九十' "a pasted name keeps the 10 double-byte characters that fit" \
  qd dialog-text "$CUSTOMIZE" 1016
qd dialog-type "$CUSTOMIZE" 1016 ""
qd dialog-type "$CUSTOMIZE" 1016 'a一二三四五六七八九十'
expect_eq "$(qd dialog-text "$CUSTOMIZE" 1016)" 'a一二三四五六七八九' \
  "a double-byte character over the 20th byte goes whole, not in half"
qd key end
qd key z
expect_eventually 'a一二三四五六七八九z' "a single-byte letter still fits in the 20th byte" qd dialog-text "$CUSTOMIZE" 1016
close_customize 1

# ... at once on the main window,
(( $(shown 1000 $YELLOW) > 100 )) || fail "OK shows the new list background"
(( $(shown 1003 $INFO_BACK) == 0 )) || fail "OK leaves the info view in its own colours"
expect_eq "$(qd visible 1007) $(qd visible 1003)" "0 1" "OK keeps the tool buttons hidden and the info view shown"
be_active
expect_eventually $GREEN "the active title bar runs down from the new top colour" bar_pixel "$FREE" 0
expect_near "$(bar_pixel "$FREE" $((HEIGHT - 1)))" $BLUE 24 "... to the new bottom colour"
expect_eventually left "the active text in its new colour at the left" text_place $PURPLE
be_inactive
expect_eventually $ORANGE "the inactive title bar starts from the new left colour" bar_pixel 0 0
expect_eventually left "the inactive text in its new colour" text_place $GREY
be_active

# ... in the registry after exit,
stop_quillorn
expect_eq "$(reg_value Customize HDef) $(stored_colour HTextColor) $(stored_colour HBackColor)" "0 $MAROON $YELLOW" \
  "the history colours are stored"
expect_eq "$(reg_value Customize IDef) $(stored_colour ITextColor) $(stored_colour IBackColor)" "1 $INFO_TEXT $INFO_BACK" \
  "the info default is stored, its colours kept"
expect_eq "$(reg_value Customize GBA_Def) $(reg_value Customize GBA_Type) $(stored_colour GBA_c1) $(stored_colour GBA_c2)" \
  "0 0 $GREEN $BLUE" "the active fill is stored"
expect_eq "$(reg_value Customize GBP_Def) $(reg_value Customize GBP_Type) $(stored_colour GBP_c1) $(stored_colour GBP_c2)" \
  "0 1 $ORANGE 004800" "the inactive fill is stored"
expect_eq "$(reg_value Customize GBCap_Def) $(stored_colour GBCap_Ac) $(stored_colour GBCap_Pc) $(reg_value Customize GBCap_Style)" \
  "0 $PURPLE $GREY 0" "the title text is stored"
expect_eq "$(reg_value Customize ShowTool) $(reg_value Customize ShowInfo)" "0 1" "the visibility is stored"
expect_eq "$(reg_value Customize UserName) $(stored_colour LikeColor)" "a一二三四五六七八九z $DARKGREEN" \
  "the user's name and favourite colour are stored"
saved=$(registry_dump | grep '^Customize/')

# ... and again after a restart: the main window and the pages show them, and
# an OK that changes nothing stores the same.
restart_keeping_settings
(( $(shown 1000 $YELLOW) > 100 )) || fail "after a restart the list has the stored background"
expect_eq "$(qd visible 1007)" 0 "after a restart the tool buttons stay hidden"
be_active
expect_eventually $GREEN "after a restart the active title bar has the stored fill" bar_pixel "$FREE" 0
open_customize
expect_eq "$(checked 1024)$(checked 1025) $(swatch 1020) $(swatch 1021)" "01 $MAROON $YELLOW" "the view page after a restart"
tab 1
expect_eq "$(checked 1047)$(checked 1050) $(swatch 1045) $(swatch 1046)" "01 $GREEN $BLUE" "the active page after a restart"
tab 2
expect_eq "$(checked 1047)$(checked 1051) $(swatch 1045)" "01 $ORANGE" "the inactive page after a restart"
tab 3
expect_eq "$(checked 1047)$(checked 1048) $(swatch 1045) $(swatch 1046)" "01 $PURPLE $GREY" "the title text page after a restart"
tab 4
expect_eq "$(checked 1060)$(checked 1061) $(qd dialog-text "$CUSTOMIZE" 1016) $(swatch 1055)" \
  "01 a一二三四五六七八九z $DARKGREEN" "the user page after a restart"
close_customize 1
stop_quillorn
expect_eq "$(registry_dump | grep '^Customize/')" "$saved" "an OK without changes stores the same values"

# --- with the text stored as "default", Cancel brings back white text at the
# left after a preview of another colour and position; the tray menu, the
# system menu and the tool button open the dialog
start_quillorn 'SystemInfo/HideTitle=dword:1' 'Customize/GBCap_Def=dword:1' \
  "Customize/GBCap_Ac=$(colorref $ACTIVE_TEXT)" 'Customize/GBCap_Style=dword:2'
tray_click 0x204
qd menu-choose 'カスタマイズ(&C)...' || fail "the tray menu did not open"
qd dialog-wait "$CUSTOMIZE" || fail "the tray menu opens the customize dialog"
move_beside_main
tab 3
expect_eq "$(checked 1047)" 1 "the stored default shows checked"
press 1047
measure_bar
expect_eventually right "unchecking previews the stored colour and position" text_place $ACTIVE_TEXT
close_customize 2
be_active
expect_eventually left "after Cancel the title text is white at the left again" text_place FFFFFF
qd syscommand 64
qd dialog-wait "$CUSTOMIZE" || fail "the system menu opens the customize dialog"
close_customize 2
qd mouse click 1007
qd dialog-wait "$CUSTOMIZE" || fail "the tool button opens the customize dialog"
close_customize 2

finish
