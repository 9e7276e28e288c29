#!/bin/sh
# Takes the screenshots of the guide to the windows: the program on the three-stage example
# under a virtual X display, driven by keys as a user would; each picture is the main window.
#
#   docs/screenshots.sh [BUILD_DIR]      (default: build; writes docs/screenshots/*.png)
#
# Needs Xvfb (xvfb-run), openbox, xdotool, ImageMagick's import and poppler's pdftoppm.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
out="$here/screenshots"
if [ -z "${VORNEL_SCREENSHOT_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1200x900x24" env VORNEL_SCREENSHOT_DISPLAY=1 "$0" "$build"
fi
work=$(mktemp -d)
program=""
trap 'kill $program $wm 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$out"
export HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# The three-stage example, analysed, so that the graph commands are enabled.
cp "$here/../examples/anchored_three_stage.vn5d" "$work/"
"$build/bin/vornel-run" --out "$work" "$work/anchored_three_stage.vn5d" >/dev/null || true

# The program afresh on the example, its main window at the top left, 1100 x 780.
start() {
    "$build/bin/Vornel2015" "$work/anchored_three_stage.vn5d" >/dev/null 2>&1 &
    program=$!
    # The first window of that name may be gone by the time it is moved (the program maps its
    # main window more than once while it starts): look again until one holds still.
    for attempt in 1 2 3 4 5; do
        main=$(xdotool search --sync --onlyvisible --name "VORNEL 2015" | head -n 1)
        xdotool windowmove "$main" 0 0 windowsize "$main" 1100 780 windowactivate --sync "$main" \
            2>/dev/null && break
        sleep 1
    done
    sleep 1.5
}
stop() { kill "$program" 2>/dev/null || true; wait "$program" 2>/dev/null || true; program=""; }
# The screen where the main window lies (menus are windows of their own).
shot() { sleep "${2:-1.5}"; import -window root -crop 1100x780+0+0 +repage "$out/$1.png"; }
keys() { xdotool key --delay 200 "$@"; }
scene() { name=$1; shift; start; keys "$@"; shot "$name" 2; stop; }

start; shot main-window; stop
scene wall-properties alt+t p                          # Data > Wall Properties
scene wall-configuration alt+t w                       # Data > Wall Configuration
scene soil-layers alt+t s                              # Data > Soil Layer Data
scene data-menu alt+t                                  # the Data menu
scene options-menu alt+o                               # the Options menu
scene deflection-graph alt+g Down Return               # Graphics > Deflection vs Depth
scene deflection-moment-shear alt+g Down Down Down Down Down Return
scene py-curves alt+g Return                           # Graphics > p-y Curves
scene pressure-graph alt+g Down Down Down Down Down Down Return
scene profile-view alt+g Down Return alt+c v           # Computation > View Wall Geometry
scene stage-menu alt+s                                 # Stage Construction
scene side-view alt+c v                                # Computation > View Wall Geometry
scene view-3d alt+c Up Up Return                       # Computation > 3D View
scene results-summary alt+c s                          # Computation > Results Summary
scene moment-envelope alt+g m alt+p v                  # Moment vs Depth, Plot > Show Envelope

# The printed page of the three graphs, as Plot > Print writes it, through vornel-plot --page.
"$build/bin/vornel-plot" --page --graph dms --out "$work" "$work/anchored_three_stage.vn5d" >/dev/null
pdftoppm -png -r 80 -singlefile "$work/anchored_three_stage-dms.pdf" "$out/printed-three-panel"
echo "screenshots in $out"
