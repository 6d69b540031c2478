#!/usr/bin/env bash
# Scripted screenshots. Starts Quenvo.exe from build/run/ on a virtual screen
# of its own, plays the scenes listed in SCENES one after another, closes the
# program and writes build/screenshots/<scene>.png for every scene.
#
# Adding a scene: write a function scene_NAME that drives the program (with
# the helpers below) and ends with `shot NAME`, then add NAME to SCENES.
# Scenes of a session run in order on one running program; each starts with the main window
# active and nothing else open, and must leave it that way.
#
# Usage: scripts/screenshot.sh build/win32/Quenvo.exe (or build/win64/...)
set -euo pipefail

# Each session starts the program afresh on an INI file written for it, with
# four default tabs, and plays its scenes. The strip scenes come from the test
# program, whose WebBrowser double can report titles and loading progress, and
# so do the organizer's, which need a collection file and a drag held still,
# and the options sheet's pages.
SESSION_BOTTOM=(main about funcmenu tabs-moved collections expire-add expire-organize)
SESSION_TOP=(tabs-top)
# The main window with its tabs, the function menu and the owner-drawn
# collection popup again at 150 % and 200 % display scale (144 and 192 DPI,
# prefixes of their own); their pictures are named with the DPI after them.
SCALED_DPIS=(144 192)
SESSION_SCALED=(main funcmenu collections)
STRIP_SCENES=(strip-bottom strip-top strip-left strip-right)
ORGANIZER_SCENES=(organizer-add organizer-organize organizer-drag)
OPTIONS_SCENES=(options-general options-tab options-steals options-expire)
SCENES=("${SESSION_BOTTOM[@]}" "${SESSION_TOP[@]}" "${STRIP_SCENES[@]}" "${ORGANIZER_SCENES[@]}"
        "${OPTIONS_SCENES[@]}")
for dpi in "${SCALED_DPIS[@]}"; do
  for s in "${SESSION_SCALED[@]}"; do SCENES+=("$s-$dpi"); done
done
# The DPI of the session playing now; "-DPI" follows the names of its pictures
# when it is not 96.
scene_dpi=96

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 path/to/Quenvo.exe" >&2
  exit 2
fi
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
arch=$(basename "$(dirname "$exe")")   # win32 or win64: the folder names the target

. "$(dirname "$0")/wine-env.sh"
rundir="$QUENVO_ROOT/build/run"
shots="$QUENVO_ROOT/build/screenshots"
mkdir -p "$rundir" "$shots"

. "$(dirname "$0")/xvfb.sh"
main_win=""

say() { echo "screenshot: $*"; }
fail() { echo "screenshot: $*" >&2; }

# ---- helpers for scenes -----------------------------------------------------
# The program's visible top-level windows, one X window id a line.
app_windows() {
  xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true
}

# Waits (up to $1 seconds) for a visible window of the program that is not in
# the list $2 and, when $3 is "named", has a caption (which leaves out popup
# menus); prints its id.
wait_new_window() {
  local timeout=$1 known=$2 named=${3:-} w
  local end=$((SECONDS + timeout))
  while [ $SECONDS -lt "$end" ]; do
    kill -0 "$app_pid" 2>/dev/null || { fail "the program ended"; return 1; }
    for w in $(app_windows); do
      grep -qx "$w" <<<"$known" && continue
      [ "$named" = named ] && [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && continue
      echo "$w"
      return 0
    done
    sleep 0.2
  done
  return 1
}

# Waits (up to $1 seconds) until window $2 is no longer visible.
wait_window_gone() {
  local end=$((SECONDS + $1))
  while [ $SECONDS -lt "$end" ]; do
    app_windows | grep -qx "$2" || return 0
    sleep 0.2
  done
  return 1
}

# Waits until the screen stops changing: two equal captures half a second
# apart (at most $1 seconds).
settle() {
  local end=$((SECONDS + ${1:-10})) prev="" cur
  while [ $SECONDS -lt "$end" ]; do
    sleep 0.5
    cur=$(import -display "$DISPLAY" -window root -depth 8 rgb:- 2>/dev/null | md5sum)
    [ "$cur" = "$prev" ] && return 0
    prev=$cur
  done
}

# Points at the main window's caption and gives the window the X input focus.
# There is no window manager: keys go to the focused window, or to the one
# under the pointer when the focus is on the root.
focus_main() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$main_win" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 8)) 2>/dev/null || true
  xdotool windowfocus "$main_win" 2>/dev/null || true
  sleep 0.3
}

# Sends keys (xdotool key syntax) to whatever window has the focus.
keys() {
  xdotool key --delay 80 "$@"
  sleep 0.3
}

# Captures the part of the screen covered by the program's visible windows
# into build/screenshots/$1.png ($1-DPI.png in a scaled session).
shot() {
  local name=$1 w x0=99999 y0=99999 x1=0 y1=0 X Y WIDTH HEIGHT
  [ "$scene_dpi" = 96 ] || name="$name-$scene_dpi"
  settle 10
  for w in $(app_windows); do
    eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    [ "$X" -lt "$x0" ] && x0=$X
    [ "$Y" -lt "$y0" ] && y0=$Y
    [ $((X + WIDTH)) -gt "$x1" ] && x1=$((X + WIDTH))
    [ $((Y + HEIGHT)) -gt "$y1" ] && y1=$((Y + HEIGHT))
  done
  [ "$x0" -lt 0 ] && x0=0
  [ "$y0" -lt 0 ] && y0=0
  if [ "$x1" -gt "$x0" ] && [ "$y1" -gt "$y0" ]; then
    import -display "$DISPLAY" -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$shots/$name.png"
  else
    import -display "$DISPLAY" -window root "$shots/$name.png"
  fi
  say "wrote $shots/$name.png"
}

# Opens the system menu of the main window, walks it with the keys given
# (xdotool key names) and prints the id of the window that then opens. Falls
# back to a click on the caption icon when the keyboard does not reach the menu.
# Wine adds an item of its own with the accelerator A to every system menu, so
# items are reached by position: the program's own item is the last one (Up).
system_menu_choose() {
  local before w try
  before=$(app_windows)
  for try in 1 2 3; do
    focus_main
    if [ "$try" -lt 3 ]; then
      keys alt+space
    else
      local X Y
      eval "$(xdotool getwindowgeometry --shell "$main_win" | grep -E '^(X|Y)=')"
      xdotool mousemove $((X + 10)) $((Y + 10)) click 1
      sleep 0.5
    fi
    keys "$@"
    w=$(wait_new_window 5 "$before" named) && { echo "$w"; return 0; }
    keys Escape Escape
  done
  return 1
}

# Clicks at ($1, $2) pixels from the main window's top left corner, measured
# at 96 DPI and scaled for the session's.
click_main() {
  local X Y
  eval "$(xdotool getwindowgeometry --shell "$main_win" | grep -E '^(X|Y)=')"
  xdotool mousemove $((X + $1 * scene_dpi / 96)) $((Y + $2 * scene_dpi / 96)) click 1
  sleep 0.5
}

# The button's tooltip comes up over a menu opened by a click and stays for
# its five seconds: wait it out before the shot.
TOOLTIP_GONE=6

# Where the SEARCH and FUNC buttons sit in the main window, measured on
# main.png (they keep their place whatever the window's size).
SEARCH_AT=(50 31)
FUNC_AT=(68 31)

# ---- scenes -----------------------------------------------------------------
scene_main() {
  shot main
}

scene_tabs_top() {
  shot tabs-top
}

scene_about() {
  local dlg
  dlg=$(system_menu_choose Up Return) || { fail "the version dialog did not open"; return 1; }
  shot about
  xdotool windowfocus "$dlg" 2>/dev/null || true
  keys Return
  wait_window_gone 5 "$dlg" || { keys Escape; wait_window_gone 5 "$dlg"; } ||
    { fail "the version dialog did not close"; return 1; }
}

# The function menu with its "tab placement" submenu open, showing its checks.
scene_funcmenu() {
  click_main "${FUNC_AT[@]}"
  keys t
  sleep "$TOOLTIP_GONE"
  shot funcmenu
  keys Escape Escape
}

# The strip moved to the top and back through the function menu: nothing of
# either place it left stays painted.
scene_tabs_moved() {
  local side
  for side in t b; do
    click_main "${FUNC_AT[@]}"
    keys t "$side"
  done
  sleep "$TOOLTIP_GONE"
  shot tabs-moved
}

# The collection popup: folders with their icons, the first one highlighted
# and its submenu open: the folder's own entry, then its folders.
scene_collections() {
  click_main "${SEARCH_AT[@]}"
  keys Down Right
  sleep "$TOOLTIP_GONE"
  shot collections
  keys Escape Escape
}

# Cancels dialog $1 with Escape and waits until it has gone.
cancel_dialog() {
  xdotool windowfocus "$1" 2>/dev/null || true
  keys Escape
  wait_window_gone 5 "$1" || { fail "dialog $1 did not close"; return 1; }
}

# The expire-page dialog in add mode, from the context menu of the first tab in
# sight (not the current one; its last item), and organizing the list, from the
# function menu.
scene_expire_add() {
  local before dlg X Y HEIGHT
  before=$(app_windows)
  eval "$(xdotool getwindowgeometry --shell "$main_win" | grep -E '^(X|Y|HEIGHT)=')"
  xdotool mousemove $((X + 30)) $((Y + HEIGHT - 14)) click 3
  sleep 0.5
  keys Up Return
  dlg=$(wait_new_window 5 "$before" named) || { fail "the expire-page dialog did not open"; keys Escape; return 1; }
  shot expire-add
  cancel_dialog "$dlg"
}

scene_expire_organize() {
  local before dlg
  before=$(app_windows)
  click_main "${FUNC_AT[@]}"
  keys e a
  dlg=$(wait_new_window 5 "$before" named) || { fail "the expire-page dialog did not open"; keys Escape; return 1; }
  shot expire-organize
  cancel_dialog "$dlg"
}

# ---- run --------------------------------------------------------------------
# Three expire pages, in code page 932 as the program keeps them.
write_expire_file() {
  printf '%s\r\n' "<HTML>" "<BODY>" "<H3>Quenvo 無効ページ</H3>" "<DL>" \
    '<DT><A HREF="http://ads.example.com/">広告サーバー</A>' \
    '<DT><A HREF="http://popup.example.net/window.html">ポップアップ</A>' \
    '<DT><A HREF="http://tracker.example.org/">Tracker</A>' "</DL><P>" "</BODY>" "</HTML>" |
    iconv -f UTF-8 -t CP932 >"$rundir/Qvexpire.htm"
}

# The settings a session starts with: tab side ($1), four default tabs.
write_ini() {
  printf '%s\r\n' "[SETTING]" "TABORIENTATION=$1" "TABTEXTLENGTH=16" "SAVELASTTAB=0" \
    "[TAB]" "COUNT=4" "URL000=about:blank" "URL001=file:///C:/windows/" \
    "URL002=file:///C:/windows/system32/" "URL003=file:///C:/users/" >"$rundir/Quenvo.ini"
}

# Tab collections with nested folders, exported as today's browsers do: UTF-8
# with a byte order mark and escaped text, so the popup shows what the
# program makes of such a file ("?" for what code page 932 cannot show).
write_collections() {
  local links='<DT><A HREF="about:blank?a=1&amp;b=2">p</A>'
  { printf '\xEF\xBB\xBF'
    printf '%s\r\n' "<HTML>" "<BODY>" \
    "<H3>ニュース</H3>" "<DL>" "<H3>国内</H3>" "<DL>" "$links" "</DL><P>" \
    "<H3>海外</H3>" "<DL>" "$links" "</DL><P>" "$links" "</DL><P>" \
    "<H3>毎日見るページ</H3>" "<DL>" "$links" "$links" "</DL><P>" \
    "<H3>Café &amp; Crème 😀</H3>" "<DL>" "$links" "</DL><P>" \
    "<H3>Quenvo タブコレクション</H3>" "<DL>" "</DL><P>" "</BODY>" "</HTML>"
  } >"$rundir/Qvbookmark.htm"
}

# Starts the program with tab side $1 and plays the scenes named after it.
session() {
  local side=$1 s
  shift
  write_ini "$side"
  write_collections
  write_expire_file
  cd "$rundir"
  say "starting Quenvo in $rundir on the virtual display $DISPLAY"
  # The loader itself, not the wine function, so that $! is the pid its windows carry.
  "$WINE_LOADER_PATH" "$exe" </dev/null >/dev/null 2>&1 &
  app_pid=$!
  main_win=$(wait_new_window 30 "") || { fail "no main window within 30 s"; failed+=(start); return 1; }
  settle 10
  for s in "$@"; do
    say "scene $s"
    focus_main
    "scene_${s//-/_}" || failed+=("$s")
    kill -0 "$app_pid" 2>/dev/null || { fail "the program ended during scene $s"; break; }
  done
  # Close the main window the way a user would (Alt+F4 is WM_CLOSE).
  if kill -0 "$app_pid" 2>/dev/null; then
    focus_main
    keys alt+F4
    for _ in $(seq 50); do
      kill -0 "$app_pid" 2>/dev/null || break
      sleep 0.2
    done
    if kill -0 "$app_pid" 2>/dev/null; then
      say "the program did not end after Alt+F4; killing it"
      kill "$app_pid" 2>/dev/null || true
      failed+=(close)
    fi
  fi
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

# Scenes drawn by the test program: runs its disabled test $1 and turns the
# .bmp files it leaves, named after the scenes that follow, into PNGs.
test_scenes() {
  local filter=$1 tests work s
  shift
  tests="$(dirname "$exe")/win32_tests.exe"
  [ -f "$tests" ] || { fail "no $tests for the scenes of $filter"; failed+=("$filter"); return 1; }
  work=$(mktemp -d)
  (cd "$work" && wine "$tests" --gtest_also_run_disabled_tests --gtest_filter="$filter" \
     </dev/null >/dev/null 2>&1) || failed+=("$filter")
  for s in "$@"; do
    if [ -s "$work/$s.bmp" ]; then
      convert "$work/$s.bmp" "$shots/$s.png" && say "wrote $shots/$s.png"
    fi
  done
  rm -rf "$work"
}

for s in "${SCENES[@]}"; do rm -f "$shots/$s.png"; done
start_xvfb
wine_warm "$arch" display || true   # non-zero when the server already runs

failed=()
session 2 "${SESSION_BOTTOM[@]}"
session 0 "${SESSION_TOP[@]}"
for scene_dpi in "${SCALED_DPIS[@]}"; do
  wine_warm "$arch" "display-$scene_dpi" || true
  session 2 "${SESSION_SCALED[@]}"
done
scene_dpi=96
wine_use "$arch" display
test_scenes TabStripTest.DISABLED_Scenes "${STRIP_SCENES[@]}"
test_scenes CollectionDlgTest.DISABLED_Scenes "${ORGANIZER_SCENES[@]}"
test_scenes OptionsSheet.DISABLED_Scenes "${OPTIONS_SCENES[@]}"
xvfb_cleanup

missing=()
for s in "${SCENES[@]}"; do [ -s "$shots/$s.png" ] || missing+=("$s"); done
if [ ${#missing[@]} -gt 0 ]; then
  fail "no screenshot for: ${missing[*]}"
  exit 1
fi
[ ${#failed[@]} -eq 0 ] || say "trouble in: ${failed[*]}"
say "done: ${SCENES[*]} in $shots"
exit 0
