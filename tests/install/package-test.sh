#!/usr/bin/env bash
# The Debian package as a user gets it: builds it with CPack from the build folder $1, unpacks
# it with dpkg -x into a scratch root, makes the program's folder read-only and starts the
# program through its start link on a virtual display, with a font configuration that knows
# none of the program's faces and a scratch home. The launcher must come up with the demo
# bank (its caption says so) at the size its template has in Tahoma, and "Konec" must save the
# settings into $XDG_CONFIG_HOME/navik/. Run by root, the program runs as nobody, for whom the
# folder is read-only indeed. Not covered: apt's own installation and removal, a desktop's menu.
set -euo pipefail
build=$(cd "$1" && pwd)

scratch=$(mktemp -d)
xvfb_pid=
navik_pid=
cleanup() {
    if [ -n "$navik_pid" ]; then kill "$navik_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$scratch/navik.log" ] && cat "$scratch/navik.log" >&2
    exit 1
}

cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$scratch/package/navik_1.0_amd64.deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 zlib1g; do
    grep -q "$library" <<<"$depends" || fail "Depends has no $library: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
lib=$root/usr/lib/navik
for file in navik navik-bank Demootazky.dat Logo.jpg LICENSE obr/zn_zakaz_stani.gif fonts/README \
    fonts/tahoma.ttf fonts/tahomabd.ttf fonts/LiberationSans-Regular.ttf fonts/LiberationSans-Bold.ttf; do
    [ -f "$lib/$file" ] || fail "the package has no usr/lib/navik/$file"
done
for program in navik navik-bank; do
    [ "$(readlink "$root/usr/bin/$program")" = "../lib/navik/$program" ] || fail "usr/bin/$program is no start link"
done
entry=$(echo "$root"/usr/share/applications/*.desktop)
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
[ -f "$entry" ] && [ -f "$metainfo" ] || fail "no desktop entry or metainfo"
grep -qx "Exec=navik" "$entry" && grep -qx "Icon=navik" "$entry" || fail "the entry starts or shows something else"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $(basename "$entry")"
for size in 16 22 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/navik.png" | grep -q "PNG image data, $size x $size," ||
        fail "no ${size}x$size icon"
done
grep -q "<svg" "$root/usr/share/icons/hicolor/scalable/apps/navik.svg" || fail "no scalable icon"

# The user: a home of their own, and the program's folder theirs to read only.
home=$scratch/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
chmod 755 "$scratch"
chmod -R a-w "$lib"
user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$home"
    user=(/usr/bin/setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
cat >"$scratch/fonts.conf" <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>$home/.cache/fontconfig</cachedir>
</fontconfig>
XML

# Xvfb picks a free display and names it once it takes clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb took no display within 30 seconds"
display=:$(head -1 "$scratch/display")
export DISPLAY=$display

env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$display" \
    FONTCONFIG_FILE="$scratch/fonts.conf" "${user[@]}" "$root/usr/bin/navik" >"$scratch/navik.log" 2>&1 &
navik_pid=$!

launcher="Vůdce maleho plavidla - DEMO version"
geometry=
for _ in $(seq 300); do
    geometry=$(xwininfo -root -children | grep -F "\"$launcher\": (\"navik\" \"navik\")" |
        grep -o '[0-9]*x[0-9]*+-\?[0-9]*+-\?[0-9]*' | head -1) || true
    [ -n "$geometry" ] && break
    kill -0 "$navik_pid" 2>/dev/null || fail "the program ended before its launcher came up"
    sleep 0.1
done
[ -n "$geometry" ] || fail "no window \"$launcher\"; windows: $(xwininfo -root -children | grep navik)"
IFS='x+' read -r W H X Y <<<"$geometry"
# 320 x 194 dialog units in Tahoma 8, whose base units are 6 x 13 pixels.
[ "$W" -eq 480 ] && [ "$H" -eq 315 ] || fail "the launcher is ${W}x$H, not 480x315 as in Tahoma"

# "Konec" is at 28, 143, 75 x 21 dialog units; the pointer gives the window the keyboard.
xdotool mousemove $((X + (2 * 28 + 75) * 6 / 8)) $((Y + (2 * 143 + 21) * 13 / 16)) click 1
for _ in $(seq 200); do kill -0 "$navik_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$navik_pid" 2>/dev/null; then fail "\"Konec\" did not end the program"; fi
status=0
wait "$navik_pid" || status=$?
navik_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -f "$home/config/navik/navik.cfg" ] || fail "no settings in \$XDG_CONFIG_HOME/navik/"
[ ! -e "$lib/navik.cfg" ] || fail "the settings went into the program's folder"
echo "the package's program ran from $lib and kept its settings in \$XDG_CONFIG_HOME/navik/"
