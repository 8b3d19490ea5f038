#!/usr/bin/env bash
# Regenerates docs/screenshots/*.png from the real program: builds it, starts it with fresh
# settings in a copy of its folder on a virtual X display and clicks through its windows with
# xdotool. There is no window manager, so keyboard focus follows the pointer and the windows
# with a caption have no frames: their geometry is their client area. The caption-less popups
# draw their own three-pixel frame around the client area. Takes a little over a minute, most
# of it spent waiting for an exam's one-minute limit to run out.
# NAVIK_BUILD_DIR picks another build directory than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
NAVIK_PACKAGES+=(imagemagick)
navik_setup

build=${NAVIK_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DNAVIK_WERROR=ON
cmake --build "$build" -j"$(nproc)" --target navik navik_demo_bank

out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=
navik_pid=
cleanup() {
    if [ -n "$navik_pid" ]; then kill "$navik_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$build/dist" "$work/navik"
rm -f "$work/navik/navik.cfg"

display=
for n in $(seq 90 99); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "no free X display between :90 and :99" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

"$work/navik/navik" >"$work/navik.log" 2>&1 &
navik_pid=$!

# The window on top, its name and geometry: X Y W H NAME.
top_window() {
    xwininfo -root -children | awk '
        /\("navik" "navik"\)/ {
            match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/)
            split(substr($0, RSTART, RLENGTH), g, /[x+]/)
            name = $0; sub(/^[^"]*"/, "", name); sub(/": \(.*$/, "", name)
            print g[3], g[4], g[1], g[2], name
            exit
        }'
}

# Waits until the window on top is named $1 and, when given, is $2 x $3 dialog units big
# inside a frame $4 pixels wide; sets X Y W H to its geometry and F to the frame. Nameless
# popups are "navik" and known by their size.
await() {
    local name=$1 cx=${2:-} cy=${3:-} line
    F=${4:-0}
    for _ in $(seq "${AWAIT_TENTHS:-50}"); do
        line=$(top_window)
        if [ -n "$line" ]; then
            read -r X Y W H rest <<<"$line"
            if [ "$rest" = "$name" ] && { [ -z "$cx" ] || fits "$cx" "$cy"; }; then
                return 0
            fi
        fi
        sleep 0.1
    done
    echo "window \"$name\" did not come up; on top: $(top_window)" >&2
    cat "$work/navik.log" >&2
    exit 1
}

# Dialog units to pixels, with the base units of the dialogs' 8-point font.
px() { echo $((($1 * BX + 2) / 4)); }
py() { echo $((($1 * BY + 4) / 8)); }
fits() {
    local w h
    w=$(($(px "$1") + 2 * F))
    h=$(($(py "$2") + 2 * F))
    [ $((W - w)) -ge -1 ] && [ $((W - w)) -le 1 ] && [ $((H - h)) -ge -1 ] && [ $((H - h)) -le 1 ]
}

# A left click at a pixel of the client area of the window on top, then at the centre of a
# control given by its template rectangle in dialog units.
click_at() { xdotool mousemove $((X + F + $1)) $((Y + F + $2)) click 1; sleep 0.3; }
click() { click_at $(((2 * $1 + $3) * BX / 8)) $(((2 * $2 + $4) * BY / 16)); }

# Crops the window on top out of the screen, the pointer moved off it so no button hovers.
shot() {
    xdotool mousemove 0 0
    sleep 0.5
    import -window root -crop "${W}x${H}+${X}+${Y}" +repage "$out/$1.png"
    echo "$out/$1.png"
}

launcher="Vůdce maleho plavidla - DEMO version"
learn_setup="Nastavení režimu učení"
exam_setup="Nastavení režimu zkoušení"
learning="Vůdce malého plavidla - režim učení"
exam="Vůdce malého plavidla - režim zkoušení"

# The launcher is 320 x 194 dialog units; its size gives the base units.
await "$launcher"
BX=$((W * 4 / 320))
BY=$(((H * 8 + 97) / 194))
echo "dialog base units ${BX}x${BY}"
shot launcher
back_to_launcher() { await "$launcher"; }

# The system menu from a right click on the logo, away from the buttons; its last item.
click_menu() {
    xdotool mousemove $((X + W - 40)) $((Y + 12)) click 3
    await navik
    click_at $((W / 2)) $((H - 11))
}
click_menu
await "About Navik" 235 109
shot about
click 178 7 50 14
back_to_launcher

# Learning: question 0 with all answers, then questions 97 (a narrow sign beside the texts)
# and 107 (three signs, too wide for the picture column, above the texts).
click 28 29 75 21
await "$learn_setup" 186 119
shot learn-setup
click 39 98 50 14
await "$learning" 496 354
shot learn-all
for _ in $(seq 9); do click 221 333 37 14; done
for _ in $(seq 7); do click 156 333 60 14; done
shot learn-picture-beside
click 221 333 37 14
shot learn-picture-above
click 439 333 50 14
back_to_launcher

click 28 29 75 21
await "$learn_setup" 186 119
click 17 78 118 10
click 39 98 50 14
await "$learning" 496 354
shot learn-correct
click 439 333 50 14
back_to_launcher

# Exam: defaults, then the time limit on; a wrong answer to question 0 (its right one is c),
# a right one to question 1 (a), and "Zpět" for the results of the unfinished test.
click 28 86 75 21
await "$exam_setup" 186 213
shot exam-setup
click 14 127 78 10
click 37 192 50 14
await "$exam" 496 354
sleep 2
shot exam-question
# The answers' slots follow the question window's layout: the first answer is the second slot.
slot=$((((H - $(py 14) - 10) - 25) / 4))
click_at 40 $((5 + slot + 5 + 10))
await navik 186 116 3
shot wrong-answer
click 67 95 50 14
await "$exam" 496 354
click_at 40 $((5 + slot + 5 + 10))
click 439 333 50 14
await navik 296 114 3
shot results
click 93 93 50 14
back_to_launcher

click 28 86 75 21
await "$exam_setup" 186 213
click 14 33 140 10
shot exam-setup-continue
click 97 192 50 14
back_to_launcher

# A new test with a one-minute limit, left to run out. The pointer over the minutes box
# gives it the keyboard.
click 28 86 75 21
await "$exam_setup" 186 213
click 96 125 27 14
xdotool key ctrl+a
xdotool type 1
click 37 192 50 14
await "$exam" 496 354
AWAIT_TENTHS=750 await navik 186 116 3
shot time-out
click 67 95 50 14
await navik 296 114 3
click 93 93 50 14
back_to_launcher
click 28 143 75 21
wait "$navik_pid"
navik_pid=
echo "screenshots in $out/"
