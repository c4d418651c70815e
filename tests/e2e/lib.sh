# Helpers for driving the real program under Xvfb with xdotool.
# Window coordinates are pixels from the window's top left (menu bar included).

E2E_TIMEOUT_MS=${E2E_TIMEOUT_MS:-5000}

# The tools get a UTF-8 locale whatever the caller's: xprop writes a
# title's letters beyond ASCII as octal escapes without one. The program
# under test keeps the caller's locale (start_program), so that a run
# without any locale also shows that the program works without one.
if [ -n "${LC_ALL+set}" ]; then
  program_locale=(env "LC_ALL=$LC_ALL")
else
  program_locale=(env -u LC_ALL)
fi
export LC_ALL=C.UTF-8

# Wall-clock milliseconds, without starting a process (whatever the
# locale writes between the seconds and the microseconds).
now_ms() { local us=${EPOCHREALTIME//[!0-9]/}; echo $(( us / 1000 )); }

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${SHOT_DIR:-}" ]; then import -window root "$SHOT_DIR/failure.png" 2>/dev/null || true; fi
  exit 1
}

# The colours that the checks look for: a lit lamp, white, the red of a
# "1" and the blue of the word box's text.
LIT=FF0F50
WHITE=FFFFFF
RED=FF0000
BLUE=0000FF

# Where screenshots go (SHOT_DIR, made if need be) and a private runtime
# folder for Qt.
prepare_run() {
  SHOT_DIR=${1:-$(mktemp -d)}
  mkdir -p "$SHOT_DIR"
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  chmod 700 "$XDG_RUNTIME_DIR"
}

# Starts the program on the X platform, whatever platform the tests around
# it use, in the caller's locale, with its messages in the screenshot folder;
# PROGRAM_PID is its id.
start_program() {
  QT_QPA_PLATFORM=xcb "${program_locale[@]}" "$1" 2>>"$SHOT_DIR/program.log" &
  PROGRAM_PID=$!
}

stop_program() {
  if [ -n "${PROGRAM_PID:-}" ]; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=
  fi
}

# Starts Xvfb on a free display and exports DISPLAY, its messages in the
# screenshot folder. Without -noreset the server resets whenever its last
# client leaves, and drops a client that connects meanwhile: a program
# started right after the previous one ended could not reach its display.
start_xvfb() {
  local fdfile log=/dev/null
  fdfile=$(mktemp)
  [ -n "${SHOT_DIR:-}" ] && log=$SHOT_DIR/xvfb.log
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" >>"$log" 2>&1 &
  XVFB_PID=$!
  local start
  start=$(now_ms)
  while [ ! -s "$fdfile" ]; do
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "Xvfb did not start"
    sleep 0.02
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  until xdpyinfo >/dev/null 2>&1; do sleep 0.02; done
}

stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }

# The title of a window as the desktop shows it, its _NET_WM_NAME. The
# legacy WM_NAME, which `xdotool search --name` reads, will not do: a Qt
# program without a locale writes the title's UTF-8 bytes into it as if
# they were Latin-1.
window_title() {
  xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

# The ids of the program's visible windows, pop-up menus included.
program_windows() { xdotool search --onlyvisible --class '^tramelune$' 2>/dev/null; }

# Prints the ids of the program's visible windows whose title matches the
# regular expression.
windows_titled() {
  local w
  for w in $(program_windows); do
    if [[ $(window_title "$w") =~ $1 ]]; then echo "$w"; fi
  done
}

# Prints the id of the program's visible window whose title matches the
# regular expression, waiting for it to appear.
wait_window() {
  local title=$1 start wid
  start=$(now_ms)
  while :; do
    wid=$(windows_titled "$title" | head -n1)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "no window '$title'"
    sleep 0.02
  done
}

wait_window_gone() {
  local title=$1 start
  start=$(now_ms)
  while [ -n "$(windows_titled "$title")" ]; do
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "window '$title' stayed"
    sleep 0.02
  done
}

# The window's menu bar height: its height less the client area's.
menu_height() {
  local wid=$1 client_height=$2
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo $(( HEIGHT - client_height ))
}

# A point of a trainer's diagram as a window point: the diagram's inside
# starts at 154, 66 of the serial trainer's client area, at 108, 18 of the
# other's; mh is the trainer's menu bar height.
on_serial() { echo $(( 154 + $1 )) $(( 66 + $2 + mh )); }
on_serial_parallel() { echo $(( 108 + $1 )) $(( 18 + $2 + mh )); }

click_at() { xdotool mousemove --window "$1" "$2" "$3" click --delay 0 1; }

# The colour at a window pixel, as RRGGBB.
pixel() {
  import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1 | tr 'a-f' 'A-F'
}

# Waits until a window pixel has the colour.
wait_pixel() {
  local wid=$1 x=$2 y=$3 want=$4 what=$5 start got
  start=$(now_ms)
  while :; do
    got=$(pixel "$wid" "$x" "$y")
    [ "$got" = "$want" ] && return 0
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "$what: pixel $x,$y is $got, not $want"
    sleep 0.02
  done
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel $2,$3 is $got, not $4"
}

# Prints the id of the program's pop-up menu (an override-redirect window of
# its class), waiting for it to appear.
wait_popup() {
  local start w
  start=$(now_ms)
  while :; do
    for w in $(program_windows); do
      if xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
        echo "$w"
        return 0
      fi
    done
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "no pop-up menu"
    sleep 0.02
  done
}

# Clicks a menu-bar entry at a window point, then item ITEM (from 1) of the
# COUNT items of the pop-up menu that it opens.
choose_menu_item() {
  local wid=$1 x=$2 y=$3 item=$4 count=$5 popup
  click_at "$wid" "$x" "$y"
  popup=$(wait_popup)
  eval "$(xdotool getwindowgeometry --shell "$popup")"
  click_at "$popup" 30 $(( HEIGHT * (2 * item - 1) / (2 * count) ))
}

# How many pixels of a window rectangle have exactly the colour RRGGBB.
count_colour() {
  local wid=$1 x=$2 y=$3 w=$4 h=$5 colour=$6
  import -window "$wid" -crop "${w}x${h}+${x}+${y}" -depth 8 txt:- 2>/dev/null \
    | grep -ci "#$colour" || true
}

# A checksum of what a window rectangle, given as WxH+X+Y, shows now.
look_of() {
  import -window "$1" -crop "$2" -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# Waits until the window has the X keyboard focus, where typed keys go.
wait_focus() {
  local wid=$1 start
  start=$(now_ms)
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ]; do
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "window $wid never took the keyboard focus"
    sleep 0.02
  done
}
