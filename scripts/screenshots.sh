#!/usr/bin/env bash
# Takes the screenshots the software centre and the README show: the main window, a test in the
# question window and the result window, in English, from the built program on a virtual X
# server. The program is driven through its keyboard access keys, as a user would, and each
# picture is cut from the whole screen as it shows. Writes
# packaging/screenshots/{main,question,result}.png and puts their sizes into the metainfo.
#   BUILD_DIR  build directory (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build run screenshots
scripts/build.sh
program="${BUILD_DIR:-build}/src/app/quorvane-sumwright"
out=packaging/screenshots
metainfo=packaging/example.quorvane.Sumwright.metainfo.xml
mkdir -p "$out"

source scripts/lib/xvfb.sh
start_xvfb 1024x768x24 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=$XVFB_DISPLAY
program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    stop_xvfb
}
trap cleanup EXIT

# English whatever this machine's locale. No window manager: the pictures show the program's
# own windows without any desktop's frame around them.
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!

window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }
shoot() {
    local id=$1 file=$2 X Y WIDTH HEIGHT SCREEN WINDOW
    xdotool mousemove 1023 767 # the pointer out of the picture
    sleep 0.5 # the last paint after mapping
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xwd -silent -root | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$out/$file"
    echo "$out/$file: ${WIDTH} x ${HEIGHT}"
}
keys() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.3; }

main=$(window "Quorvane Sumwright")
shoot "$main" main.png
# Without a window manager the keyboard goes where the pointer clicks: on the main window's
# background, left of the level buttons.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 8)) $((Y + 60)) click 1
sleep 0.3

# Medium (Options > Medium), then Tests > Arithmetic > Multiplication, the vertical layout and
# Start Test (Alt+S).
keys alt+o m
keys alt+t Right Down Down Return
question=$(window "Solve Questions")
keys Down alt+s
# A few answers, and one being typed.
for answer in 56 108 42; do
    xdotool type --delay 120 "$answer"
    keys Return
done
xdotool type --delay 120 "7"
shoot "$question" question.png

# End Test (Alt+E) shows the result.
keys alt+e
result=$(window "Result")
shoot "$result" result.png

# A picture that is one flat colour is a window that never painted: fail rather than keep it.
for name in main question result; do
    [[ $(convert "$out/$name.png" -format '%[fx:standard_deviation > 0.05]' info:) == 1 ]] \
        || { echo "$out/$name.png shows an unpainted window" >&2; exit 1; }
done

# Sizes into the metainfo, so a software centre can lay the pictures out before loading them.
for name in main question result; do
    size=$(identify -format '%w %h' "$out/$name.png")
    width=${size% *}
    height=${size#* }
    sed -i -E "s#<image type=\"source\" width=\"[^\"]*\" height=\"[^\"]*\">(https://[^<]*/$name\\.png)#<image type=\"source\" width=\"$width\" height=\"$height\">\\1#" "$metainfo"
done
grep '<image' "$metainfo"
