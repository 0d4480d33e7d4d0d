#!/bin/bash
# Finishes a fresh Wine prefix (WINEPREFIX and the rest set by the caller) for
# Quillorn: Wine's own fonts where this build finds them (Marlett draws the
# caption buttons), and the Japanese Windows fonts the program's dialogs ask
# for mapped to fonts of the same line height (a 9-point line is 12 pixels
# high, so three lines fit the info view); the IPA fonts, a pixel taller,
# stand in when those are missing.
set -u
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
if [ -f /usr/share/fonts/truetype/umeplus/umeplus-p-gothic.ttf ]; then
  proportional='UmePlus P Gothic' fixed='UmePlus Gothic'
else
  proportional='IPAPGothic' fixed='IPAGothic'
fi
wine reg add "$substitutes" /v 'ＭＳ Ｐゴシック' /d "$proportional" /f </dev/null >/dev/null 2>&1
wine reg add "$substitutes" /v 'ＭＳ ゴシック' /d "$fixed" /f </dev/null >/dev/null 2>&1
exit 0
