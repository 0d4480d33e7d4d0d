# Steps shared by the settings dialog tests (sourced after lib.sh).

ERROR_BOX='Quillorn - エラー'
CONFIRM_BOX='Quillorn - 確認'

# Opens a dialog by a main-window command (1002 behaviour, 1005 font) and
# waits until it shows.
open_dialog() { # command title
  qd command "$1"
  qd dialog-wait "$2" || fail "command $1 did not open '$2'"
}

# A picture of one dialog, cut from a picture of the screen; prints its path.
dialog_screenshot() { # name title
  local png x y w h
  png=$(screenshot "$1") || { fail "no screenshot of '$2'"; return 1; }
  read -r x y w h <<<"$(qd dialog-rect "$2")"
  convert "$png" -crop "${w}x${h}+${x}+${y}" +repage "$png" && echo "$png"
}

# The text of the error box that must be up now, answered with OK. The dialog
# under it takes no input until then.
error_text() { # dialog-title
  qd dialog-wait "$ERROR_BOX" || { fail "no error box"; return; }
  expect_eq "$(qd dialog-enabled "$1")" "0" "'$1' takes no input while its error box is up"
  qd answer-box "$ERROR_BOX" ok
}

# The id of the control that has the focus in a dialog.
focus_in() { qd dialog-focus "$1"; }
