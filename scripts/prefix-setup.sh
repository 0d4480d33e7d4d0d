#!/bin/bash
# Finishes a fresh Wine prefix (WINEPREFIX and the rest set by the caller) for
# Quillorn: Wine's own fonts where this build finds them (Marlett draws the
# caption buttons), and the Japanese Windows fonts the program asks for.
#
# Those fonts are stood in for by fonts of the same line height (a 9-point line
# is 12 pixels high, so three lines fit the info view); the IPA fonts, a pixel
# taller, stand in when the UmePlus fonts are missing. Each stand-in is copied
# into the prefix under the Windows font's own names, English and Japanese, so
# that the fonts are listed by those names as on a Japanese Windows (the font
# dialog offers them and keeps the stored face). The substitutes below keep the
# dialogs drawn should a copy be missing.
set -u
fonts=$WINEPREFIX/drive_c/windows/Fonts
cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
if [ -f /usr/share/fonts/truetype/umeplus/umeplus-p-gothic.ttf ]; then
  proportional='UmePlus P Gothic' fixed='UmePlus Gothic'
  proportional_file=/usr/share/fonts/truetype/umeplus/umeplus-p-gothic.ttf
  fixed_file=/usr/share/fonts/truetype/umeplus/umeplus-gothic.ttf
else
  proportional='IPAPGothic' fixed='IPAGothic'
  proportional_file=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
  fixed_file=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
fi
name_font() { python3 "$(dirname "$0")/name-font.py" "$@" || echo "prefix-setup: no copy of $1 as $3" >&2; }
name_font "$fixed_file" "$fonts/msgothic.ttf" 'MS Gothic' 'ＭＳ ゴシック'
name_font "$proportional_file" "$fonts/mspgothic.ttf" 'MS PGothic' 'ＭＳ Ｐゴシック'
name_font "$proportional_file" "$fonts/msuigothic.ttf" 'MS UI Gothic'
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
wine reg add "$substitutes" /v 'ＭＳ Ｐゴシック' /d "$proportional" /f </dev/null >/dev/null 2>&1
wine reg add "$substitutes" /v 'ＭＳ ゴシック' /d "$fixed" /f </dev/null >/dev/null 2>&1
exit 0
