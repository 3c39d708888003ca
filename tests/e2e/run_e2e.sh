#!/usr/bin/env bash
# Drives the built app in a real X server: Xvfb, real X input from xdotool through Qt's xcb
# plugin, screenshots from ImageMagick read back by e2e_probe.
#
#   run_e2e.sh APP PROBE OUTDIR
#
# Exit 0 when every check passes, 1 on a failure, 77 when no X server can start here. The
# screenshots stay in OUTDIR/e2e_shots after a failure, or always with OMBREL_E2E_KEEP_SHOTS=1.
set -u

app=$1
probe=$2
out=$3
shots=$out/e2e_shots
failures=0

rm -rf "$shots"
mkdir -p "$shots"
work=$(mktemp -d "${TMPDIR:-/tmp}/ombrel-e2e.XXXXXX")
chmod 700 "$work"
xvfb_pid=
app_pid=

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "${projector_pid:-}" ] && kill "$projector_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

command -v Xvfb >/dev/null || {
  echo "SKIP: Xvfb is not installed, no X server can start (scripts/test installs xvfb)"
  exit 77
}
for tool in xdotool import; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing (scripts/test installs xdotool and imagemagick)"
    exit 1
  }
done

. "$(dirname "$0")/xvfb.sh"
start_xvfb 1920x1080 xvfb
xvfb_pid=$xvfb_started_pid
if [ -z "${xvfb_started_display:-}" ]; then
  echo "SKIP: Xvfb could not start an X server here:"
  sed 's/^/  /' "$work/xvfb.log"
  exit 77
fi
DISPLAY=$xvfb_started_display
export DISPLAY

# No session bus: with none, libdbus would start one of its own and note it in the home folder.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
mkdir -m 700 "$work/xdg"
mkdir "$work/home"
HOME=$work/home QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work/xdg \
  "$app" >"$out/e2e_app.log" 2>&1 &
app_pid=$!

# --- screenshots and the probe ---

shot() { import -window root -depth 8 "$shots/$1.png"; }
probe() { "$probe" "$@"; }

# Canvas and ray-space points are y-up view coordinates; screen pixels are y-down. A y-up pixel
# row j of a 300-high view is screen row TOP + 299 - j; a mouse point y is screen row TOP + 300 - y.
canvas_count() { # shot x y w h class (pixel rectangle, y-up)
  probe count "$shots/$1.png" $((CANVAS_X + $2)) $((CANVAS_Y + 300 - $3 - $5)) "$4" "$5" "$6"
}
ray_moved() { # before after class: "gone added" over the ray-space view
  probe moved "$shots/$1.png" "$shots/$2.png" "$RAY_X" "$RAY_Y" 300 300 "$3"
}
canvas_firstx() { # shot x0 y w class: first canvas x in the y-up row, or -1
  local x
  x=$(probe firstx "$shots/$1.png" $((CANVAS_X + $2)) $((CANVAS_Y + 299 - $3)) "$4" "$5")
  [ "$x" -lt 0 ] && echo -1 || echo $((x - CANVAS_X))
}
mouse_canvas() { xdotool mousemove $((CANVAS_X + $1)) $((CANVAS_Y + 300 - $2)); }

# Retries CHECK (a function of the shot name that returns 0 when met) on fresh screenshots, since
# the app repaints asynchronously, slower under sanitizers.
wait_for() { # name check [timeout seconds]
  local name=$1 check=$2 deadline=$((SECONDS + ${3:-10}))
  while :; do
    shot "$name"
    "$check" "$name" && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# --- start-up ---

if ! win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ombrel$' | head -n1) ||
  [ -z "$win" ]; then
  echo "FAIL: the Ombrel window did not appear; app log:"
  sed 's/^/  /' "$out/e2e_app.log"
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window $WINDOW at $X,$Y size ${WIDTH}x$HEIGHT on $DISPLAY"

# The first render has run once the ray-space view shows billboard 1's orange.
started() {
  local loc
  loc=$(probe locate "$shots/$1.png" 2>/dev/null) || return 1
  eval "$loc"
  [ "$(probe count "$shots/$1.png" "$RAY_X" "$RAY_Y" 300 300 orange)" -gt 1000 ]
}
if ! wait_for start started 30; then
  echo "FAIL: canvas and result views not found, or no first render (see $shots/start.png)"
  probe locate "$shots/start.png"
  exit 1
fi
echo "canvas at $CANVAS_X,$CANVAS_Y; ray space at $RAY_X,$RAY_Y; photo at $PHOTO_X,$PHOTO_Y"

# --- 1: drag billboard 1 (70, 100, 40, 10) by (+30, -20) with the Pointer tool ---

mouse_canvas 90 105
xdotool mousedown 1
for step in 1 2 3 4 5 6; do mouse_canvas $((90 + 5 * step)) $((105 - 20 * step / 6)); done
xdotool mouseup 1

# Moved to (100, 80, 40, 10): filled x 100..138, y 80..88. Between the knobs rows 84..86 are
# orange from x 100 on; the old place holds no orange at all.
dragged() {
  [ "$(canvas_count "$1" 104 83 31 4 orange)" -eq 124 ] &&
    [ "$(canvas_count "$1" 67 97 47 17 orange)" -eq 0 ] &&
    [ "$(canvas_firstx "$1" 90 85 20 orange)" -eq 100 ] &&
    read -r gone added < <(ray_moved start "$1" orange) && [ "$gone" -gt 500 ] &&
    [ "$added" -gt 500 ]
}
if wait_for drag dragged; then
  pass "drag: billboard 1 drawn at its new place, its rays moved in the ray-space view" \
    "($(ray_moved start drag orange | awk '{print $1 " orange px gone, " $2 " added"}'))"
else
  fail "drag: bar at (100, 80) and ray-space change not seen (shots start.png, drag.png)"
fi

# --- 2: hover the ray-space view at (100, 200): a ray from (200, 10) to (100, 290) ---

mouse_canvas 20 40
xdotool mousemove $((RAY_X + 100)) $((RAY_Y + 300 - 200))
# The line passes x = 185.7 at y = 50 and x = 114.3 at y = 250; nothing blue strays beyond the
# plane lines or far from the line.
single_ray() {
  [ "$(canvas_count "$1" 182 47 8 7 ray)" -ge 8 ] &&
    [ "$(canvas_count "$1" 111 247 8 7 ray)" -ge 8 ] &&
    [ "$(canvas_count "$1" 1 12 299 277 ray)" -ge 300 ] &&
    [ "$(canvas_count "$1" 0 294 300 6 ray)" -eq 0 ] &&
    [ "$(canvas_count "$1" 0 0 300 6 ray)" -eq 0 ] &&
    [ "$(canvas_count "$1" 20 20 60 260 ray)" -eq 0 ]
}
if wait_for hover_ray single_ray; then
  pass "ray-space hover: translucent blue ray from (200, 10) to (100, 290) on the canvas" \
    "($(canvas_count hover_ray 1 12 299 277 ray) px)"
else
  fail "ray-space hover: no ray between the plane lines (shot hover_ray.png)"
fi

# --- 3: hover the photo view at x = 120: focus 45 degrees, depth of field 10 ---

xdotool mousemove $((PHOTO_X + 120)) $((PHOTO_Y + 20))
# An hourglass from the aperture (150 +- 7.07, 10) to (120 -+ 7.07, 290), waist at (135, 150):
# filled near (148, 30) and (122, 270), nothing at the far left or right.
bundle() {
  [ "$(canvas_count "$1" 146 28 5 5 ray)" -eq 25 ] &&
    [ "$(canvas_count "$1" 120 268 5 5 ray)" -eq 25 ] &&
    [ "$(canvas_count "$1" 1 12 299 277 ray)" -ge 1000 ] &&
    [ "$(canvas_count "$1" 1 12 100 277 ray)" -eq 0 ] &&
    [ "$(canvas_count "$1" 180 12 119 277 ray)" -eq 0 ]
}
if wait_for hover_photo bundle; then
  pass "photo hover: filled ray bundle from the aperture to x = 120 on the upper plane line" \
    "($(canvas_count hover_photo 1 12 299 277 ray) px)"
else
  fail "photo hover: bundle not found on the canvas (shot hover_photo.png)"
fi

# --- 4: arrow keys move the selected billboard 1 and its rays ---

mouse_canvas 20 40
no_overlay() { [ "$(canvas_count "$1" 1 12 299 277 ray)" -eq 0 ]; }
wait_for before_keys no_overlay || fail "moving the mouse onto the canvas left the overlay shown"
xdotool windowfocus --sync "$win"
xdotool key Right
moved_right() {
  [ "$(canvas_firstx "$1" 90 85 20 orange)" -eq 101 ] &&
    read -r gone added < <(ray_moved before_keys "$1" orange) && [ "$gone" -gt 50 ] &&
    [ "$added" -gt 50 ]
}
if wait_for key_right moved_right; then
  pass "Right: billboard 1 moved 1 to the right, the ray-space image moved" \
    "($(ray_moved before_keys key_right orange | awk '{print $1 " gone, " $2 " added"}'))"
else
  fail "Right: shape at x 101 and a ray-space change not seen (shots before_keys.png, key_right.png)"
fi
xdotool key shift+Right
moved_ten() {
  [ "$(canvas_firstx "$1" 90 85 30 orange)" -eq 111 ] &&
    read -r gone added < <(ray_moved key_right "$1" orange) && [ "$gone" -gt 50 ] &&
    [ "$added" -gt 50 ]
}
if wait_for key_shift_right moved_ten; then
  pass "Shift+Right: billboard 1 moved 10 to the right, the ray-space image moved"
else
  fail "Shift+Right: shape at x 111 not seen (shots key_right.png, key_shift_right.png)"
fi

# --- 5: Ctrl+Z takes back both nudges as one step, then the drag ---

xdotool key ctrl+z
nudges_undone() { [ "$(canvas_firstx "$1" 90 85 30 orange)" -eq 100 ]; }
if wait_for undo_nudges nudges_undone; then
  pass "Ctrl+Z: both nudges undone in one step, billboard 1 back at x 100"
else
  fail "Ctrl+Z: billboard 1 not back at x 100 (shots key_shift_right.png, undo_nudges.png)"
fi
xdotool key ctrl+z
# Back at (70, 100, 40, 10) and unselected, as before the drag: 39 x 9 orange pixels, no knobs.
drag_undone() {
  [ "$(canvas_count "$1" 67 97 47 17 orange)" -eq 351 ] &&
    [ "$(canvas_count "$1" 100 80 40 10 orange)" -eq 0 ] &&
    read -r gone added < <(ray_moved start "$1" orange) && [ "$gone" -eq 0 ] && [ "$added" -eq 0 ]
}
if wait_for undo_drag drag_undone; then
  pass "Ctrl+Z again: the drag undone, scene and ray-space image as at start-up"
else
  fail "Ctrl+Z again: billboard 1 not back at (70, 100) (shots undo_nudges.png, undo_drag.png)"
fi

# --- 6: Save names the window; Export writes the scene as a PNG, nothing else is written ---

# Dialogs are waited for by their titles, never for a fixed time. Prints the id of a visible
# window named by the pattern that is neither the main window nor one of the ids given after it.
wait_window() { # pattern [excluded id...]
  local pattern=$1 deadline=$((SECONDS + 20)) id
  shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
      [ "$id" = "$win" ] && continue
      [[ " $* " == *" $id "* ]] && continue
      echo "$id"
      return 0
    done
    sleep 0.1
  done
  return 1
}
# Waits for a window to close (xdotool fails on a window that no longer exists or is unmapped).
wait_closed() { # id
  local deadline=$((SECONDS + 20))
  while [ "$SECONDS" -lt "$deadline" ]; do
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
wait_file() { # path
  local deadline=$((SECONDS + 20))
  until [ -s "$1" ]; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}
# Types a path into a file dialog, whose name field has the keyboard, and accepts it.
answer_file_dialog() { # id path
  xdotool windowfocus --sync "$1"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
}
title_matches() { # pattern: the main window's title, within 20 s
  local deadline=$((SECONDS + 20))
  until xdotool getwindowname "$win" 2>/dev/null | grep -qE "$1"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}
# Any byte for the dash: the title's pattern is matched in the locale, which may not be UTF-8.

# The home folder must stay empty throughout.
xdotool windowfocus --sync "$win"
xdotool key ctrl+s
if dialog=$(wait_window '^Save Scene$'); then
  answer_file_dialog "$dialog" "$work/lesson"
  wait_closed "$dialog" || fail "save: the Save Scene dialog stayed open after Return"
  if wait_file "$work/lesson.ombrel" && grep -q '"format": "Ombrel scene"' "$work/lesson.ombrel"; then
    pass "save: lesson.ombrel written"
  else
    fail "save: no lesson.ombrel, or it is not a scene file"
  fi
  if title_matches '^lesson\.ombrel .+ Ombrel$'; then
    pass "save: the title names lesson.ombrel and marks no change"
  else
    fail "save: the title is \"$(xdotool getwindowname "$win")\", not lesson.ombrel's"
  fi
else
  fail "save: no Save Scene dialog after Ctrl+S"
fi
xdotool windowfocus --sync "$win"
xdotool key ctrl+e
if choice=$(wait_window '^Export Picture$'); then
  xdotool windowfocus --sync "$choice"
  xdotool key Return # the picture dialog's Save…, for the scene at 1x
  if dialog=$(wait_window '^Export Picture$' "$choice"); then
    answer_file_dialog "$dialog" "$work/scene"
    wait_closed "$dialog" || fail "export: the file dialog stayed open after Return"
    wait_file "$work/scene.png"
  else
    fail "export: no file dialog after the picture dialog's Save…"
  fi
else
  fail "export: no Export Picture dialog after Ctrl+E"
fi
if [ "$(identify -format '%wx%h' "$work/scene.png" 2>/dev/null)" = 300x300 ]; then
  pass "export: scene.png is the 300 x 300 scene"
else
  fail "export: scene.png missing or not 300 x 300"
fi
# The dialogs have gone; give the keyboard back to the main window.
xdotool windowfocus --sync "$win"

# --- 7: the focus-depth aid: switch it on, drag the focus slider, the dashed line moves up ---

focus_row() { probe rowof "$shots/$1.png" "$CANVAS_X" "$CANVAS_Y" 300 300 focus; }
mouse_canvas 20 5
xdotool windowfocus --sync "$win"
xdotool key ctrl+shift+f
# At 45 degrees the line lies at y = 150 (screen row CANVAS_Y + 149 or + 150).
line_at_start() {
  read -r row count < <(focus_row "$1") && [ "$count" -ge 60 ] &&
    [ "$row" -ge $((CANVAS_Y + 148)) ] && [ "$row" -le $((CANVAS_Y + 151)) ]
}
if wait_for focus_on line_at_start; then
  pass "focus depth: dashed line at y = 150 for 45 degrees (row $(focus_row focus_on))"
  read -r row_before _ < <(focus_row focus_on)
  if eval "$(probe slider "$shots/focus_on.png" $((RAY_X + 320)))"; then
    xdotool mousemove $((SLIDER_X + 6)) "$SLIDER_Y" mousedown 1
    for step in 1 2 3 4 5 6; do xdotool mousemove $((SLIDER_X + 6 + 10 * step)) "$SLIDER_Y"; done
    xdotool mouseup 1
    # Dragged right, the angle grows and the sharp depth rises: the line moves up the screen.
    line_moved() {
      read -r row count < <(focus_row "$1") && [ "$count" -ge 60 ] &&
        [ "$row" -le $((row_before - 20)) ]
    }
    if wait_for focus_dragged line_moved; then
      pass "focus depth: dragging the focus slider moved the line from row $row_before up to" \
        "$(focus_row focus_dragged | cut -d' ' -f1)"
    else
      fail "focus depth: the line did not rise after the drag (shots focus_on.png, focus_dragged.png)"
    fi
  else
    fail "focus depth: focus slider not found right of the ray-space view (shot focus_on.png)"
  fi
else
  fail "focus depth: no dashed line at y = 150 after Ctrl+Shift+F (shot focus_on.png)"
fi
# Switch the aid off again, so the later steps see the canvas as at start-up.
xdotool key ctrl+shift+f

# --- 7b: View > Spectrum (Alt+V, M); dragging the focus slider turns the slice line ---

slice_tilt() { probe tilt "$shots/$1.png" 0 0 100000 100000 slice; }
xdotool key alt+v
sleep 0.3
xdotool key m
slice_shown() { read -r _ count < <(slice_tilt "$1") && [ "$count" -ge 100 ]; }
if wait_for spectrum_on slice_shown; then
  read -r tilt_before _ < <(slice_tilt spectrum_on)
  if eval "$(probe slider "$shots/spectrum_on.png" $((RAY_X + 320)))"; then
    # On the handle, just right of the groove's fill, then to the left: a smaller angle.
    xdotool mousemove $((SLIDER_X + 6)) "$SLIDER_Y" mousedown 1
    for step in 1 2 3 4 5 6; do xdotool mousemove $((SLIDER_X + 6 - 12 * step)) "$SLIDER_Y"; done
    xdotool mouseup 1
    slice_turned() {
      read -r tilt count < <(slice_tilt "$1") && [ "$count" -ge 100 ] &&
        awk -v a="$tilt" -v b="$tilt_before" 'BEGIN { d = a - b; exit !(d > 5 || d < -5) }'
    }
    if wait_for spectrum_turned slice_turned; then
      pass "spectrum: the slice line turned from $tilt_before° to" \
        "$(slice_tilt spectrum_turned | cut -d' ' -f1)° as the focus slider moved"
    else
      fail "spectrum: the slice line did not turn (shots spectrum_on.png, spectrum_turned.png)"
    fi
  else
    fail "spectrum: focus slider not found (shot spectrum_on.png)"
  fi
  # Close it again, so the later steps see the window as at start-up.
  xdotool key alt+v
  sleep 0.3
  xdotool key m
else
  fail "spectrum: no slice line after View > Spectrum (shot spectrum_on.png)"
fi

# --- 8: at 2x (View > Zoom In twice), drag billboard 1 and hover a ray, checked as at 1x ---

start_geometry="${WIDTH}x$HEIGHT"
xdotool windowfocus --sync "$win"
xdotool key ctrl+equal
xdotool key ctrl+equal
# Units to screen pixels at 2x: unit column x is pixels 2x, 2x + 1 of the view; y-up unit row y
# is rows 2 (299 - y) and 2 (299 - y) + 1 below the view's top.
zoomed() {
  local loc
  loc=$(probe locate "$shots/$1.png" 2 2>/dev/null) || return 1
  eval "$loc"
  [ "$(probe count "$shots/$1.png" "$RAY_X" "$RAY_Y" 600 600 orange)" -gt 4000 ]
}
if ! wait_for zoom2 zoomed; then
  fail "zoom: no 2x views after Ctrl+= twice (shot zoom2.png)"
else
  eval "$(xdotool getwindowgeometry --shell "$win")"
  pass "zoom: Ctrl+= twice shows 2x views in a ${WIDTH}x$HEIGHT window"
  canvas2_count() { # shot x y w h class (unit rectangle, y-up)
    probe count "$shots/$1.png" $((CANVAS_X + 2 * $2)) $((CANVAS_Y + 2 * (300 - $3 - $5))) \
      $((2 * $4)) $((2 * $5)) "$6"
  }
  mouse_canvas2() { xdotool mousemove $((CANVAS_X + 2 * $1)) $((CANVAS_Y + 2 * (300 - $2))); }

  # Billboard 1 is back at (70, 100, 40, 10): 20 screen pixels right and 20 down move it by
  # (10, -10) to (80, 90). Drawn at 2x it fills units 80.5..119.5 x 90.5..99.5.
  mouse_canvas2 80 105
  xdotool mousedown 1
  for step in 1 2 3 4; do
    xdotool mousemove $((CANVAS_X + 160 + 5 * step)) $((CANVAS_Y + 2 * (300 - 105) + 5 * step))
  done
  xdotool mouseup 1
  dragged2() {
    [ "$(canvas2_count "$1" 83 92 34 6 orange)" -eq $((68 * 12)) ] &&
      [ "$(canvas2_count "$1" 67 100 46 13 orange)" -eq 0 ] &&
      [ "$(probe firstx "$shots/$1.png" $((CANVAS_X + 120)) $((CANVAS_Y + 2 * (299 - 95))) 100 \
        orange)" -eq $((CANVAS_X + 161)) ] &&
      read -r gone added < <(probe moved "$shots/zoom2.png" "$shots/$1.png" "$RAY_X" "$RAY_Y" \
        600 600 orange) && [ "$gone" -gt 2000 ] && [ "$added" -gt 2000 ]
  }
  if wait_for drag2 dragged2; then
    pass "2x drag: 20 screen pixels moved billboard 1 by 10 units, its rays moved"
  else
    fail "2x drag: bar at (80, 90) and a ray-space change not seen (shots zoom2.png, drag2.png)"
  fi

  # Both corner pixels of ray-space pixel (100, 199) name ray (100, 200), as at 1x: a line from
  # (200, 10) to (100, 290), the same on the canvas from either pixel.
  mouse_canvas2 20 40
  xdotool mousemove $((RAY_X + 200)) $((RAY_Y + 200))
  single_ray2() {
    [ "$(canvas2_count "$1" 182 47 8 7 ray)" -ge 32 ] &&
      [ "$(canvas2_count "$1" 111 247 8 7 ray)" -ge 32 ] &&
      [ "$(canvas2_count "$1" 1 12 299 277 ray)" -ge 1200 ] &&
      [ "$(canvas2_count "$1" 0 294 300 6 ray)" -eq 0 ] &&
      [ "$(canvas2_count "$1" 0 0 300 6 ray)" -eq 0 ] &&
      [ "$(canvas2_count "$1" 20 20 60 260 ray)" -eq 0 ]
  }
  if wait_for hover2 single_ray2; then
    xdotool mousemove $((RAY_X + 201)) $((RAY_Y + 201))
    sleep 1
    shot hover2b
    different=$(probe diff "$shots/hover2.png" "$shots/hover2b.png" "$CANVAS_X" "$CANVAS_Y" 600 600)
    if [ "$different" -eq 0 ]; then
      pass "2x hover: both screen pixels of one ray-space pixel draw ray (100, 200) on the canvas"
    else
      fail "2x hover: the two screen pixels of one ray drew different rays ($different px differ;" \
        "shots hover2.png, hover2b.png)"
    fi
  else
    fail "2x hover: no ray from (200, 10) to (100, 290) on the canvas (shot hover2.png)"
  fi

  # 2.5x does not fit a 1920 x 1080 screen: Zoom In keeps 2x. Actual Size restores the window.
  zoomed_geometry="${WIDTH}x$HEIGHT"
  mouse_canvas2 20 40
  xdotool key ctrl+equal
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  if [ "${WIDTH}x$HEIGHT" = "$zoomed_geometry" ] && wait_for zoom_max zoomed; then
    pass "zoom: no step past the screen (${WIDTH}x$HEIGHT kept)"
  else
    fail "zoom: Ctrl+= at 2x changed the window to ${WIDTH}x$HEIGHT on a 1920x1080 screen"
  fi
  xdotool key ctrl+0
  actual_size() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "${WIDTH}x$HEIGHT" = "$start_geometry" ] && probe locate "$shots/$1.png" >/dev/null 2>&1
  }
  if wait_for actual actual_size; then
    pass "Actual Size: 1x views in the starting ${start_geometry} window"
  else
    fail "Actual Size: window ${WIDTH}x$HEIGHT, started $start_geometry (shot actual.png)"
  fi
fi

# --- 8b: View > Camera opens the camera panel; dragging its viewpoint slider shifts the photo ---

xdotool windowfocus --sync "$win"
shot camera_before
# The views' places at 1x again, after the zoom step's.
eval "$(probe locate "$shots/camera_before.png")"
xdotool key alt+v
xdotool key c
# The dock stands right of the window's controls: its viewpoint slider is the first groove there.
camera_open() {
  local found
  found=$(probe slider "$shots/$1.png" $((RAY_X + 600))) && eval "$found"
}
if wait_for camera_open camera_open; then
  pass "camera: View > Camera shows the panel's viewpoint slider at $SLIDER_X,$SLIDER_Y"
  xdotool mousemove $((SLIDER_X + 4)) "$SLIDER_Y" mousedown 1
  for step in 1 2 3 4; do xdotool mousemove $((SLIDER_X + 4 - 10 * step)) "$SLIDER_Y"; done
  xdotool mouseup 1
  # A new viewpoint sees the billboards from elsewhere: the photo's colours move.
  photo_shifted() {
    [ "$(probe diff "$shots/camera_before.png" "$shots/$1.png" "$PHOTO_X" "$PHOTO_Y" 300 40)" \
      -gt 200 ]
  }
  if wait_for camera_moved photo_shifted; then
    pass "camera: dragging the viewpoint changed $(probe diff "$shots/camera_before.png" \
      "$shots/camera_moved.png" "$PHOTO_X" "$PHOTO_Y" 300 40) photo pixels"
  else
    fail "camera: the photo did not change after the viewpoint drag (shot camera_moved.png)"
  fi
  xdotool windowfocus --sync "$win"
  xdotool key alt+v
  xdotool key c
  camera_closed() { ! camera_open "$1"; }
  wait_for camera_gone camera_closed || fail "camera: View > Camera did not hide the panel again"
else
  fail "camera: no viewpoint slider after View > Camera (shot camera_open.png)"
fi

# --- 8c: File > Open Light Field opens the example set through its dialog; the arrow keys move the
# scanline, a click on the photo refocuses, File > Close Light Field gives the scene back ---

examples=$(cd "$(dirname "$0")/../../data/examples/lightfield-planes" && pwd)
# The mouse rests beneath the canvas, over no view, so no hover draws on the scene.
rest_mouse() { xdotool mousemove $((CANVAS_X + 150)) $((CANVAS_Y + 380)); }
xdotool windowfocus --sync "$win"
rest_mouse
shot lf_scene
xdotool key ctrl+shift+o
if dialog=$(wait_window '^Open Light Field$'); then
  answer_file_dialog "$dialog" "$examples"
  wait_closed "$dialog" || fail "light field: the Open Light Field dialog stayed open after Return"
  if title_matches '^lightfield-planes .+ Light Field .+ Ombrel$'; then
    pass "light field: the example set opened through the dialog"
    # The central view replaces the scene; its red scanline runs across the canvas.
    central_shown() { [ "$(probe diff "$shots/lf_scene.png" "$shots/$1.png" "$CANVAS_X" "$CANVAS_Y" 300 300)" -gt 5000 ]; }
    wait_for lf_open central_shown || fail "light field: the canvas still shows the scene (shot lf_open.png)"
    xdotool windowfocus --sync "$win"
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30; do
      xdotool key Down
    done
    # Below the stripes' rows the ray space and the photo show other colours.
    moved() {
      [ "$(probe diff "$shots/lf_open.png" "$shots/$1.png" "$RAY_X" "$RAY_Y" 300 300)" -gt 1000 ] &&
        [ "$(probe diff "$shots/lf_open.png" "$shots/$1.png" "$PHOTO_X" "$PHOTO_Y" 300 40)" -gt 100 ]
    }
    if wait_for lf_scanline moved; then
      pass "light field: 30 presses of Down moved the scanline; ray space and photo followed"
    else
      fail "light field: ray space or photo unchanged after Down (shot lf_scanline.png)"
    fi
    # The central view sees the checkerboard at pixel 170 of 256 on this scanline: focus there.
    xdotool mousemove $((PHOTO_X + 300 * 170 / 256 + 1)) $((PHOTO_Y + 20)) click 1
    refocused() { [ "$(probe diff "$shots/lf_scanline.png" "$shots/$1.png" "$PHOTO_X" "$PHOTO_Y" 300 40)" -gt 100 ]; }
    if wait_for lf_refocused refocused; then
      pass "light field: a click on the photo refocused it"
    else
      fail "light field: the photo did not change after the click (shot lf_refocused.png)"
    fi
    rest_mouse
    xdotool windowfocus --sync "$win"
    xdotool key ctrl+w
    back() { [ "$(probe diff "$shots/lf_scene.png" "$shots/$1.png" "$CANVAS_X" "$CANVAS_Y" 300 300)" -eq 0 ]; }
    if title_matches '^lesson\.ombrel' && wait_for lf_closed back; then
      pass "light field: Close Light Field gave back the scene and its title"
    else
      fail "light field: after Ctrl+W the title is \"$(xdotool getwindowname "$win")\" (shot lf_closed.png)"
    fi
  else
    fail "light field: the title is \"$(xdotool getwindowname "$win")\" after opening the example set"
  fi
else
  fail "light field: no Open Light Field dialog after Ctrl+Shift+O"
fi

# --- 9: unsaved work is never lost: quit asks, Cancel keeps the app, Save As, a second start ---

# The 2x drag is the one change since lesson.ombrel was saved.
if title_matches '^lesson\.ombrel\* .+ Ombrel$'; then
  pass "unsaved: the title marks the change (\"$(xdotool getwindowname "$win")\")"
else
  fail "unsaved: the title is \"$(xdotool getwindowname "$win")\", with no mark of the change"
fi
xdotool windowfocus --sync "$win"
xdotool key ctrl+q
if question=$(wait_window '^Ombrel$'); then
  pass "quit: Ctrl+Q with unsaved changes asks first"
  xdotool windowfocus --sync "$question"
  xdotool key Escape
  if wait_closed "$question" && kill -0 "$app_pid" 2>/dev/null; then
    pass "quit: Cancel keeps Ombrel running"
  else
    fail "quit: after Cancel the question stayed open or Ombrel ended"
  fi
else
  fail "quit: Ctrl+Q with unsaved changes quit or did nothing without asking"
fi
xdotool windowfocus --sync "$win"
xdotool key ctrl+shift+s
if dialog=$(wait_window '^Save Scene$'); then
  answer_file_dialog "$dialog" "$work/moved"
  wait_closed "$dialog" || fail "save as: the Save Scene dialog stayed open after Return"
  if wait_file "$work/moved.ombrel" && title_matches '^moved\.ombrel .+ Ombrel$'; then
    pass "save as: moved.ombrel written and named in the title, no change marked"
  else
    fail "save as: no moved.ombrel, or the title is \"$(xdotool getwindowname "$win")\""
  fi
else
  fail "save as: no Save Scene dialog after Ctrl+Shift+S"
fi

# Nothing is unsaved now: Ctrl+Q quits at once. The exit status carries sanitizer reports.
quit_app() { # what
  xdotool windowfocus --sync "$win"
  xdotool key ctrl+q
  for _ in $(seq 150); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "$1: the app still runs 15 s after Ctrl+Q"
    return
  fi
  wait "$app_pid"
  local status=$?
  app_pid=
  if [ "$status" -eq 0 ]; then
    pass "$1: Ctrl+Q closed the app with status 0"
  else
    fail "$1: the app exited with status $status; its log (tail):"
    tail -n 40 "$out/e2e_app.log" | sed 's/^/  /'
  fi
}
quit_app quit

# A second start with the file on the command line opens it: billboard 1 where the 2x drag left it,
# (80, 90, 40, 10), filled from x = 80 on.
HOME=$work/home QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work/xdg \
  "$app" "$work/moved.ombrel" >>"$out/e2e_app.log" 2>&1 &
app_pid=$!
if win=$(timeout 30 xdotool search --sync --onlyvisible --name '^moved\.ombrel .+ Ombrel$' |
  head -n1) && [ -n "$win" ]; then
  opened() {
    started "$1" && [ "$(canvas_firstx "$1" 70 94 20 orange)" -eq 80 ] &&
      [ "$(canvas_count "$1" 67 100 47 13 orange)" -eq 0 ]
  }
  if wait_for second_start opened 30; then
    pass "second start: ombrel moved.ombrel opens the lesson with billboard 1 at (80, 90)"
  else
    fail "second start: billboard 1 not at (80, 90) (shot second_start.png)"
  fi
  quit_app "second start"
else
  fail "second start: no window titled moved.ombrel after ombrel moved.ombrel; app log:"
  tail -n 20 "$out/e2e_app.log" | sed 's/^/  /'
fi
# --- keyboard only: a third start, and from then on no mouse event, only keys ---

keys() { xdotool key --delay 30 "$@"; }
tabs() { local i; for i in $(seq "$1"); do keys Tab; done; }
HOME=$work/home QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work/xdg \
  "$app" >>"$out/e2e_app.log" 2>&1 &
app_pid=$!
if win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ombrel$' | head -n1) &&
  [ -n "$win" ] && wait_for keys-start started 30; then
  xdotool windowfocus --sync "$win"
  # Each starting billboard in turn, then billboard 1 again: 10 right, 5 wider, 2 taller.
  keys ctrl+bracketright ctrl+bracketright ctrl+bracketright ctrl+bracketright
  keys shift+Right alt+Right alt+Right alt+Right alt+Right alt+Right alt+Up alt+Up
  # One shape of each kind: Tab comes in at the chosen tool, Down picks the next one,
  # Escape gives the keys back to the scene, Ctrl+Shift+N draws in the middle.
  keys Tab Down Escape ctrl+shift+n
  keys Tab Down Escape ctrl+shift+n
  keys Tab Down Escape ctrl+shift+n
  # Focus 30.0 degrees (Home, six pages of 5.0), depth of field 5 (one page down), Render,
  # then both aids of the Show box (after Take Photo and the axes: the hidden check boxes
  # take no focus).
  tabs 2; keys Home Prior Prior Prior Prior Prior Prior
  tabs 1; keys Next
  tabs 3; keys space
  tabs 3; keys space
  tabs 1; keys space Escape
  # Hover a ray-space pixel: the ray from 160 on the upper line to 150 on the lower one.
  keys ctrl+Right ctrl+shift+Right
  ray_shown() { [ "$(canvas_count "$1" 150 100 20 100 ray)" -gt 20 ]; }
  if wait_for keys-ray ray_shown 20; then
    pass "keys: the ray-space cursor shows its ray on the scene"
  else
    fail "keys: no ray on the scene after Ctrl+Right in ray space (shot keys-ray.png)"
  fi
  # The photo: Shift+Tab from the start focuses it; its cursor shows a pixel's bundle.
  keys shift+Tab ctrl+shift+Left ctrl+shift+Left
  bundle_shown() { [ "$(canvas_count "$1" 100 30 100 240 ray)" -gt 200 ]; }
  if wait_for keys-photo bundle_shown 20; then
    pass "keys: the photo cursor shows its pixel's bundle on the scene"
  else
    fail "keys: no bundle on the scene after Ctrl+Left on the photo (shot keys-photo.png)"
  fi
  keys Escape
  # Save and export, as before, from the keys alone.
  keys ctrl+s
  if dialog=$(wait_window '^Save Scene$'); then
    answer_file_dialog "$dialog" "$work/keys"
    wait_file "$work/keys.ombrel"
  fi
  xdotool windowfocus --sync "$win"
  if title_matches '^keys\.ombrel .+ Ombrel$'; then
    pass "keys: saved, and the title names keys.ombrel"
  else
    fail "keys: the title is \"$(xdotool getwindowname "$win")\", not keys.ombrel's"
  fi
  keys ctrl+e
  if choice=$(wait_window '^Export Picture$'); then
    xdotool windowfocus --sync "$choice"
    xdotool key Return
    if dialog=$(wait_window '^Export Picture$' "$choice"); then
      answer_file_dialog "$dialog" "$work/keys-scene"
      wait_file "$work/keys-scene.png"
    fi
  fi
  if [ "$(identify -format '%wx%h' "$work/keys-scene.png" 2>/dev/null)" = 300x300 ]; then
    pass "keys: the scene exported as a 300 x 300 PNG"
  else
    fail "keys: no 300 x 300 keys-scene.png"
  fi
  # What the keys did, read back from the lesson they saved.
  if python3 - "$work/keys.ombrel" <<'PY'; then
import json, sys
doc = json.load(open(sys.argv[1]))
shapes, lesson = doc["shapes"], doc["lesson"]
rects = [(s["kind"], s["rect"]["x"], s["rect"]["y"], s["rect"]["width"], s["rect"]["height"])
         for s in shapes]
want = [("Rectangle", 80, 100, 45, 12), ("Rectangle", 130, 150, 40, 10),
        ("Rectangle", 190, 200, 40, 10), ("Rectangle", 130, 140, 40, 20),
        ("Circle", 130, 140, 40, 20), ("Triangle", 130, 140, 40, 20)]
ok = (rects == want and lesson["focusAngle"] == 30 and lesson["depthOfField"] == 5
      and lesson["showFocusDepth"] and lesson["linkViews"])
print(rects, lesson)
sys.exit(0 if ok else 1)
PY
    pass "keys: moved, resized, drew each kind, focus 30.0, depth of field 5, both aids shown"
  else
    fail "keys: the saved lesson is not what the keys should have made"
  fi
  shot keys-end
  quit_app keys
else
  fail "keys: no window or no first render on the third start (shot keys-start.png)"
fi

# --- presentation on a 1280x800 projector: a fourth start on a screen of that size ---

if ! start_xvfb 1280x800 projector; then
  projector_pid=$xvfb_started_pid
  fail "presentation: a second X server at 1280x800 could not start"
else
  projector_pid=$xvfb_started_pid
  DISPLAY=$xvfb_started_display
  HOME=$work/home QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work/xdg \
    "$app" >>"$out/e2e_app.log" 2>&1 &
  app_pid=$!
  if win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ombrel$' | head -n1) &&
    [ -n "$win" ] && wait_for projector-start started 30; then
    eval "$(xdotool getwindowgeometry --shell "$win")"
    window_before="$X,$Y ${WIDTH}x$HEIGHT"
    xdotool windowfocus --sync "$win"
    xdotool key F5
    full_screen_2x() {
      zoomed "$1" && eval "$(xdotool getwindowgeometry --shell "$win")" &&
        [ "$WIDTH" -eq 1280 ] && [ "$HEIGHT" -eq 800 ] &&
        [ $((RAY_X + 600)) -le 1280 ] && [ $((PHOTO_Y + 80)) -le 800 ]
    }
    if wait_for presentation full_screen_2x 30; then
      pass "presentation: F5 fills the 1280x800 screen with the views at 2x"
    else
      fail "presentation: F5 did not show 2x views filling 1280x800 (shot presentation.png)"
    fi
    xdotool key Escape
    back_as_before() {
      started "$1" && eval "$(xdotool getwindowgeometry --shell "$win")" &&
        [ "${WIDTH}x$HEIGHT" = "${window_before#* }" ]
    }
    if wait_for presentation-left back_as_before 30; then
      pass "presentation: Escape gives the window back at 1x and its size"
    else
      fail "presentation: after Escape the window is not as before (shot presentation-left.png)"
    fi
    quit_app presentation
  else
    fail "presentation: no window or no first render at 1280x800 (shot projector-start.png)"
  fi
fi

if [ -z "$(find "$work/home" -mindepth 1 2>/dev/null)" ]; then
  pass "nothing was written to the home folder"
else
  fail "files appeared in the home folder: $(find "$work/home" -mindepth 1 | head -5)"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; screenshots in $shots, app log in $out/e2e_app.log"
  exit 1
fi
[ -n "${OMBREL_E2E_KEEP_SHOTS:-}" ] || rm -rf "$shots"
echo "all end-to-end checks passed"
