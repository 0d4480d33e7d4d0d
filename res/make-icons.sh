#!/bin/sh
# Redraws the program and tool-button icons (run by hand; the .ico files are committed).
# Each picture is a rounded tile with a symbol, at 32x32 and 16x16.
set -e
cd "$(dirname "$0")"
tile() { # name background symbol-in-MVG
  convert -size 32x32 xc:none -draw "fill $2 stroke #303030 stroke-width 1 roundrectangle 1,1 30,30 6,6" \
          -draw "stroke none $3" /tmp/qicon32.png
  convert /tmp/qicon32.png -resize 16x16 /tmp/qicon16.png
  convert /tmp/qicon32.png /tmp/qicon16.png "$1.ico"
}
# program: a quill over a sheet
tile program '#f4e6c0' "fill #ffffff rectangle 7,6 22,26 stroke #2a4a8a stroke-width 3 line 10,24 25,7 stroke none fill #2a4a8a polygon 24,4 29,3 26,10"
# list view: lines of a list
tile tool_list '#d8e8f8' "fill #2a4a8a rectangle 7,8 25,10 rectangle 7,14 25,16 rectangle 7,20 25,22"
# text preview: a page with text
tile tool_preview '#d8e8f8' "fill #ffffff rectangle 8,5 24,27 fill #606060 rectangle 10,9 22,10 rectangle 10,13 22,14 rectangle 10,17 19,18 rectangle 10,21 21,22"
# behaviour settings: a wheel
tile tool_behaviour '#e0f0d8' "fill #407030 circle 16,16 16,6 fill #e0f0d8 circle 16,16 16,12"
# font settings: a large A
tile tool_font '#f8f0d8' "fill #803010 polygon 9,26 16,6 23,26 20,26 16,14 12,26 rectangle 12,19 20,21"
# customize: a palette of three colours
tile tool_customize '#f0f0f0' "fill #d03030 circle 11,12 11,7 fill #30a030 circle 21,12 21,7 fill #3050d0 circle 16,21 16,16"
# version: an i in a circle
tile tool_version '#d8e8f8' "fill #2a4a8a circle 16,16 16,5 fill #ffffff rectangle 15,14 17,23 rectangle 15,9 17,11"
# exit: a door with an arrow
tile tool_exit '#f8d8d8' "fill #a02020 rectangle 8,6 18,26 fill #ffffff polygon 14,16 24,10 24,22"
rm -f /tmp/qicon32.png /tmp/qicon16.png
