#!/bin/bash
# Settings are read from HKCU\Software\Hembrooke\Quillorn at start and every
# value is written back at exit, and only there; a first run writes the
# defaults, and the window rectangle is where the window is at exit.
source "$(dirname "$0")/lib.sh"

# Every value the program writes, with its default, in the preset syntax.
defaults() {
  local left=$1 top=$2 width=$3 height=$4 i
  cat <<VALUES
SystemInfo/HistoryType=dword:0
SystemInfo/HNumber=dword:100
SystemInfo/HQuantity=dword:50
SystemInfo/QShowType=dword:0
SystemInfo/QNumber=dword:10
SystemInfo/RunToHide=dword:0
SystemInfo/ExitToDel=dword:0
SystemInfo/Foreground=dword:0
SystemInfo/HideTitle=dword:0
SystemInfo/Tip=dword:0
SystemInfo/CustomTipColor=dword:0
SystemInfo/HideToolInfo=dword:0
SystemInfo/LeavOut=dword:0
SystemInfo/QCopyPaste=dword:0
SystemInfo/NoAdjustCur=dword:0
SystemInfo/TILClick=dword:0
SystemInfo/TIRClick=dword:2
Font/Height=dword:15
Font/Weight=dword:400
Font/Italic=dword:0
Font/FaceName=ＭＳ ゴシック
HotKey/Main_Mod=dword:0
HotKey/Main_An=dword:0
HotKey/Quick_Mod=dword:0
HotKey/Quick_An=dword:0
Window/Left=dword:$left
Window/Top=dword:$top
Window/Right=dword:$((left + width))
Window/Bottom=dword:$((top + height))
Customize/HDef=dword:1
Customize/IDef=dword:1
Customize/HTextColor=dword:$((0x000000))
Customize/HBackColor=dword:$((0xFFFFFF))
Customize/ITextColor=dword:$((0x000000))
Customize/IBackColor=dword:$((0xFFFFFF))
Customize/GBA_Def=dword:1
Customize/GBA_Type=dword:1
Customize/GBA_c1=dword:$((0xFF0000))
Customize/GBA_c2=dword:$((0xA2FFA2))
Customize/GBP_Def=dword:1
Customize/GBP_Type=dword:1
Customize/GBP_c1=dword:$((0x6C0000))
Customize/GBP_c2=dword:$((0x004800))
Customize/GBCap_Def=dword:1
Customize/GBCap_Ac=dword:$((0xFFFFFF))
Customize/GBCap_Pc=dword:$((0xFFFFFF))
Customize/GBCap_Style=dword:0
Customize/ShowInfo=dword:1
Customize/ShowTool=dword:1
Customize/UserName=あなた
Customize/LikeColor=dword:$((0x0000FF))
VALUES
  for i in $(seq -f %02g 0 15); do echo "UserPalette/No$i=dword:$((0xFFFFFF))"; done
}

# --- first run: every value is written with its default
start_quillorn
read -r left top width height < <(qd rect)
stop_quillorn
expect_eq "$(registry_dump)" "$(defaults "$left" "$top" "$width" "$height" | LC_ALL=C sort)" \
          "the values written at exit after a first run"

# --- stored values are used and written back unchanged; the stored
# rectangle places the window
presets=('SystemInfo/HNumber=dword:7' 'SystemInfo/LeavOut=dword:1' 'Font/FaceName=ＭＳ 明朝'
         'Font/Height=dword:20' 'Customize/UserName=テスト 太郎' 'Customize/LikeColor=dword:4660'
         'UserPalette/No03=dword:1193046'
         'Window/Left=dword:100' 'Window/Top=dword:120' 'Window/Right=dword:460' 'Window/Bottom=dword:520')
start_quillorn "${presets[@]}"
expect_eq "$(qd rect)" "100 120 360 400" "the stored rectangle places the window"
stop_quillorn
dump=$(registry_dump)
for preset in "${presets[@]}"; do
  expect_contains "$dump" "$preset" "stored value written back"
done
expect_eq "$(grep -c . <<<"$dump")" "$(defaults 0 0 0 0 | grep -c .)" "no value is missing or extra"

# --- a program that ends without its exit command writes nothing
start_quillorn
kill "$QUILLORN_PID"; wait "$QUILLORN_PID" 2>/dev/null; QUILLORN_PID=
registry_key_exists && fail "settings were written although the exit command never ran"

# --- the key is named after the program file, also when a byte of a Japanese
# name looks like a backslash (ソ and 表 end in 0x5C in Shift-JIS)
renamed_key='HKCU\Software\Hembrooke\表ソ'
wine reg delete "$renamed_key" /f </dev/null >/dev/null 2>&1
prepare_work
mv "$WORK/Quillorn.exe" "$WORK/表ソ.exe"
(cd "$WORK" && exec wine "$WORK/表ソ.exe" </dev/null >"$WORK/quillorn.log" 2>&1) &
QUILLORN_PID=$!
qd wait-main 15000 >/dev/null || fail "the renamed program's window did not appear"
stop_quillorn
wine reg query "$renamed_key\\SystemInfo" /v HNumber </dev/null >/dev/null 2>&1 ||
  fail "the renamed program did not keep its settings under its own name"
wine reg delete "$renamed_key" /f </dev/null >/dev/null 2>&1

finish
