#!/bin/bash
# Finishes a fresh Wine prefix (WINEPREFIX and the rest set by the caller) for
# Quillorn: Wine's own fonts where this build finds them (Marlett draws the
# caption buttons), and the Japanese Windows fonts the program's dialogs ask
# for mapped to the metric-compatible IPA fonts.
set -u
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
wine reg add "$substitutes" /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f </dev/null >/dev/null 2>&1
wine reg add "$substitutes" /v 'ＭＳ ゴシック' /d 'IPAGothic' /f </dev/null >/dev/null 2>&1
exit 0
