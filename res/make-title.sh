#!/bin/sh
# Redraws the title picture (run by hand; title.bmp is committed): 235 x 135
# pixels, 8 bits per pixel. The program writes the version line and the
# user's name into the pale band (40,64)-(195,97), so the band stays plain.
set -e
cd "$(dirname "$0")"
W=235
convert -size ${W}x62 gradient:'#142850-#2f5f9e' /tmp/qtitle_top.png
convert -size ${W}x33 gradient:'#2f5f9e-#142850' /tmp/qtitle_bottom.png
convert -size ${W}x40 xc:'#f7f0dc' /tmp/qtitle_band.png
convert /tmp/qtitle_top.png /tmp/qtitle_band.png /tmp/qtitle_bottom.png -append \
  -stroke '#c9a75a' -strokewidth 1 -draw "line 0,62 234,62 line 0,101 234,101" \
  -stroke none -fill '#f7f0dc' -draw "polygon 27,47 29,37 36,24 46,12 58,5 57,15 51,26 42,36 32,44" \
  -stroke '#b89c60' -strokewidth 1 -draw "line 25,51 55,9" -stroke none \
  -fill '#c9a75a' -draw "polygon 24,52 27,47 30,49" \
  -fill '#ffffff' -font DejaVu-Serif-Bold -pointsize 26 -annotate +64+42 'Quillorn' \
  -fill '#c9d8f0' -font DejaVu-Sans -pointsize 9 -annotate +66+55 'clipboard history' \
  -fill '#8fa8d0' -draw "rectangle 70,114 164,115 rectangle 82,120 152,121" \
  -type Palette -colors 200 -compress None BMP3:title.bmp
rm -f /tmp/qtitle_top.png /tmp/qtitle_band.png /tmp/qtitle_bottom.png
