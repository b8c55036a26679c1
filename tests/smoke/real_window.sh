#!/usr/bin/env bash
# The program as a student meets it: a real X11 client on a private Xvfb
# screen, looked at through screenshots and driven with real mouse and
# keyboard events. The splash must open at start and go by itself after
# about five seconds; the pond must be animating, black with gametes of both
# allele colours; a click on the life-cycle figure must hide it; a frequency
# typed into its field must build its pool, and Ctrl keys there must take
# nothing; About must open from the Edit menu and close with OK; Ctrl+Q must
# end the program with exit code 0.
#
# Usage: real_window.sh PROGRAM ARTIFACT_DIR [LOCALE_DIR]
# The screenshots are kept in ARTIFACT_DIR as real-window-*.png. With
# LOCALE_DIR, a folder holding a compiled de_DE.UTF-8, the program runs under
# that locale, which writes decimals with a comma.
set -uo pipefail

program="${1:?usage: real_window.sh PROGRAM ARTIFACT_DIR}"
artifacts="${2:?usage: real_window.sh PROGRAM ARTIFACT_DIR}"
locale_dir="${3:-}"

# Where the layout puts things, in the content area below the menu bar.
readonly CONTENT_HEIGHT=500
readonly POND_X=41 POND_Y=67 POND_W=160 POND_H=120
readonly FIGURE_X=239 FIGURE_Y=189 FIGURE_W=180 FIGURE_H=140
readonly FIELD_X=151 FIELD_Y=42 FIELD_W=35 FIELD_H=20
# A spot with no control on it, to click the window active.
readonly EMPTY_X=400 EMPTY_Y=20
readonly BLACK='#000000' ALLELE_A='#0099FF' ALLELE_a='#80CCFF'

xvfb_pid=""
app_pid=""
work="$(mktemp -d)"

cleanup() {
    if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        sleep 0.2
        kill -9 "$app_pid" 2>/dev/null
    fi
    if [[ -n "$xvfb_pid" ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "RealWindowSmoke FAILED: $*" >&2
    if [[ -s "$work/program.log" ]]; then
        echo "--- the program's output:" >&2
        tail -n 20 "$work/program.log" >&2
    fi
    exit 1
}

step() { echo "-- $*"; }

for tool in Xvfb xdpyinfo xdotool import convert compare; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/setup installs it)"
done
[[ -x "$program" ]] || fail "no program at $program"
mkdir -p "$artifacts" || fail "cannot make $artifacts"
rm -f "$artifacts"/real-window-*.png

# --- A private X server on the first free display from :91 on -------------
display=""
for number in 91 92 93 94 95 96 97 98 99; do
    [[ -e "/tmp/.X${number}-lock" || -e "/tmp/.X11-unix/X${number}" ]] && continue
    Xvfb ":$number" -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        if xdpyinfo -display ":$number" >/dev/null 2>&1; then
            display=":$number"
            break
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break  # the display was taken meanwhile
        sleep 0.1
    done
    [[ -n "$display" ]] && break
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
done
[[ -n "$display" ]] || fail "no Xvfb could be started on :91 to :99"
export DISPLAY="$display"
step "Xvfb answers on $display"

# --- The program, as an ordinary X11 client --------------------------------
runtime="$work/runtime"
mkdir -m 700 "$runtime"
# In a sanitizer build: libxkbcommon-x11 hands strndup a keymap name that is
# not NUL-terminated, which strict string checks take for an overflow though
# strndup reads no further than the length it is given.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
# The leaks that the X11 libraries keep, added to the suppressions in use.
if [[ -n "${ASAN_OPTIONS:-}${LSAN_OPTIONS:-}" ]]; then
    suppressions="$(sed -nE 's/(^|.*:)suppressions=([^:]*).*/\2/p' <<<"${LSAN_OPTIONS:-}")"
    {
        [[ -n "$suppressions" && -r "$suppressions" ]] && cat "$suppressions"
        cat "$(dirname "${BASH_SOURCE[0]}")/lsan-x11.supp"
    } >"$work/lsan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/lsan.supp"
fi
user_locale=()
if [[ -n "$locale_dir" ]]; then
    [[ -d "$locale_dir/de_DE.UTF-8" ]] || fail "no compiled de_DE.UTF-8 in $locale_dir"
    user_locale=(LOCPATH="$locale_dir" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)
    step "the program runs under de_DE.UTF-8"
fi
env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" "${user_locale[@]}" "$program" \
    >"$work/program.log" 2>&1 &
app_pid=$!

# Every top-level window of the program is called Ulvarin; the main window
# is the one showing that is large enough for the layout.
main_window=""
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing its window"
    for id in $(xdotool search --onlyvisible --name '^Ulvarin$' 2>/dev/null); do
        WIDTH=0 HEIGHT=0
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
        if ((WIDTH >= 640 && HEIGHT >= CONTENT_HEIGHT)); then
            main_window=$id
            break
        fi
    done
    [[ -n "$main_window" ]] && break
    sleep 0.1
done
[[ -n "$main_window" ]] || fail "no visible window named Ulvarin of at least 640x$CONTENT_HEIGHT within 10 s"
eval "$(xdotool getwindowgeometry --shell "$main_window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
step "main window $main_window at $win_x,$win_y, ${win_w}x$win_h"

# --- Helpers on screenshots ---------------------------------------------------
shoot() {  # shoot NAME: the whole screen into the artifacts
    import -window root "$artifacts/real-window-$1.png" 2>>"$work/import.log" ||
        fail "could not take the screenshot $1"
}

# colours IMAGE W H X Y: "count #RRGGBB" for each colour in the region.
colours() {
    convert "$1" -crop "${2}x${3}+${4}+${5}" +repage -depth 8 -format %c histogram:info:- |
        sed -nE 's/^ *([0-9]+):.*(#[0-9A-Fa-f]{6}).*/\1 \2/p' | tr 'a-f' 'A-F'
}

# count COLOUR: how many pixels of that colour the colours list on stdin has.
count() { awk -v c="$1" '$2 == c { n += $1 } END { print n + 0 }'; }

# pixel IMAGE X Y: #RRGGBB of one pixel.
pixel() {
    convert "$1" -crop "1x1+${2}+${3}" +repage -depth 8 -format %c histogram:info:- |
        sed -nE 's/.*(#[0-9A-Fa-f]{6}).*/\1/p' | head -n 1 | tr 'a-f' 'A-F'
}

# Screen position of a point of the content area (menu bar height $menu).
sx() { echo $((win_x + $1)); }
sy() { echo $((win_y + menu + $1)); }

# --- Nothing of the program over the pond or the figure ---------------------
# A splash or any other window of the program that covers them is clicked
# away; one that stays is waited for.
covering() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [[ "$id" == "$main_window" ]] && continue
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')" || continue
        ((WIDTH >= 10 && HEIGHT >= 10)) || continue
        # Anything over the content area, below the menu bar's possible height.
        if ((X < win_x + win_w && X + WIDTH > win_x && Y < win_y + win_h && Y + HEIGHT > win_y + 20)); then
            echo "$id $((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
            return 0
        fi
    done
    return 1
}
clear_the_view() {
    local clicked="" over id cx cy
    for _ in $(seq 80); do
        over="$(covering)" || break
        read -r id cx cy <<<"$over"
        if [[ "$clicked" != *" $id "* ]]; then
            step "window $id covers the main window: clicking it away"
            xdotool mousemove "$cx" "$cy" click 1
            clicked="$clicked $id "
        fi
        sleep 0.1
    done
    covering >/dev/null && fail "another window of the program still covers the main window after 8 s"
    # Out of the way of everything measured.
    xdotool mousemove 1000 750
}
# --- The splash: over the main window at start, gone by itself ---------------
# other_window W H: the id of a visible window of the program of that size.
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [[ "$id" == "$main_window" ]] && continue
        WIDTH=0 HEIGHT=0
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
        if ((WIDTH == $1 && HEIGHT == $2)); then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# await_window W H: other_window, waiting up to 3 s for it to show.
await_window() {
    for _ in $(seq 30); do
        other_window "$1" "$2" && return 0
        sleep 0.1
    done
    return 1
}
splash="$(await_window 327 371)" || fail "no 327x371 splash window showed with the main window"
seen=$(date +%s%N)
shoot 0-splash
step "the splash window $splash shows"
while other_window 327 371 >/dev/null; do
    (($(date +%s%N) - seen < 9000000000)) || fail "the splash is still there 9 s after it showed"
    sleep 0.1
done
shown_ms=$((($(date +%s%N) - seen) / 1000000))
((shown_ms >= 3500)) || fail "the splash went after only $shown_ms ms, not after about five seconds"
step "the splash closed by itself after about $shown_ms ms"
clear_the_view

# --- The pond -----------------------------------------------------------------
sleep 0.5
shoot 1-pond
first="$artifacts/real-window-1-pond.png"

# The menu bar's height: the pond is the black block whose top row lies
# just below a row with no black at all.
convert "$first" -crop "${POND_W}x$((POND_Y + 90))+$((win_x + POND_X))+$win_y" +repage -depth 8 txt:- |
    sed -nE 's/^[0-9]+,([0-9]+):.*#000000.*/\1/p' | sort -n | uniq -c |
    awk '{ print $2, $1 }' >"$work/black-rows"
menu=$(awk -v pond_y="$POND_Y" -v need=$((POND_W / 10)) '
    { black[$1] = $2 }
    END {
        for (m = 0; m <= 80; m++) {
            top = pond_y + m
            if (black[top - 1] > 0) continue
            ok = 1
            for (r = top; r < top + 10; r++) if (black[r] < need) ok = 0
            if (ok) { print m; exit }
        }
    }' "$work/black-rows")
[[ -n "$menu" ]] || fail "no black pond at content ($POND_X, $POND_Y) below a menu bar of up to 80 pixels (see $first)"
((win_h - menu == CONTENT_HEIGHT)) ||
    echo "note: the pond lies $menu pixels down, the window is $win_h high (content $CONTENT_HEIGHT expected)"
step "menu bar $menu pixels high; pond at screen $(sx $POND_X),$(sy $POND_Y)"

pond=("$POND_W" "$POND_H" "$(sx $POND_X)" "$(sy $POND_Y)")
colours "$first" "${pond[@]}" >"$work/pond-1"
total=$((POND_W * POND_H))
black=$(count "$BLACK" <"$work/pond-1")
allele_A=$(count "$ALLELE_A" <"$work/pond-1")
allele_a=$(count "$ALLELE_a" <"$work/pond-1")
others=$((total - black - allele_A - allele_a))
step "pond: $black black, $allele_A of allele A, $allele_a of allele a, $others other pixels"
((black >= total / 20)) || fail "the pond shows only $black black pixels of $total"
((allele_A >= 50)) || fail "the pond shows only $allele_A pixels of allele A's colour $ALLELE_A"
((allele_a >= 50)) || fail "the pond shows only $allele_a pixels of allele a's colour $ALLELE_a"
# The "Gene pool" label overlaps the pond's bottom rows; nothing else may
# show there but the background and the two gamete colours.
((others <= total / 50)) || fail "$others pond pixels are neither black nor a gamete colour"

sleep 0.4
shoot 2-pond-later
second="$artifacts/real-window-2-pond-later.png"
crop() { convert "$1" -crop "${2}x${3}+${4}+${5}" +repage "$6"; }
crop "$first" "${pond[@]}" "$work/pond-1.png"
crop "$second" "${pond[@]}" "$work/pond-2.png"
changed=$(compare -metric AE "$work/pond-1.png" "$work/pond-2.png" null: 2>&1 >/dev/null)
changed="${changed%% *}"
[[ "$changed" =~ ^[0-9]+$ ]] || fail "could not compare the two pond shots: $changed"
step "$changed pond pixels changed in 0.4 s"
((changed >= 100)) || fail "the pond is not animating: only $changed pixels changed between two shots 0.4 s apart"

# --- The life-cycle figure hides when clicked ---------------------------------
figure=("$FIGURE_W" "$FIGURE_H" "$(sx $FIGURE_X)" "$(sy $FIGURE_Y)")
background=$(pixel "$first" "$((win_x + 2))" "$((win_y + win_h - 2))")
[[ -n "$background" ]] || fail "could not read the window's background colour"
figure_colours=$(colours "$first" "${figure[@]}" | wc -l)
((figure_colours > 20)) || fail "the life-cycle figure is not showing before the click ($figure_colours colours)"

clear_the_view
xdotool mousemove "$(sx $((FIGURE_X + FIGURE_W / 2)))" "$(sy $((FIGURE_Y + FIGURE_H / 2)))" click 1
xdotool mousemove 1000 750
hidden=""
for _ in $(seq 20); do
    sleep 0.2
    shoot 3-figure-hidden
    colours "$artifacts/real-window-3-figure-hidden.png" "${figure[@]}" >"$work/figure"
    if (($(count "$background" <"$work/figure") == FIGURE_W * FIGURE_H)); then
        hidden=yes
        break
    fi
done
[[ -n "$hidden" ]] ||
    fail "the figure's place still shows $(wc -l <"$work/figure") colours 4 s after the click, not only the background $background"
step "the figure is hidden: its place shows only the background $background"

# --- A frequency typed into its field, and the desktop's Ctrl keys there ------
# pond_alleles NAME: a shot, and the pond's pixels of allele A and of allele a.
pond_alleles() {
    shoot "$1"
    colours "$artifacts/real-window-$1.png" "${pond[@]}" >"$work/pond-$1"
    echo "$(count "$ALLELE_A" <"$work/pond-$1") $(count "$ALLELE_a" <"$work/pond-$1")"
}
# mostly_A A a: far more of allele A than of allele a, and some of each.
mostly_A() { (($1 > 5 * $2 && $2 > 0)); }

xdotool mousemove "$(sx $((FIELD_X + FIELD_W / 2)))" "$(sy $((FIELD_Y + FIELD_H / 2)))" click 1
xdotool type --delay 40 0.95
xdotool key Return
xdotool mousemove 1000 750
sleep 0.5
read -r allele_A allele_a <<<"$(pond_alleles 5-frequency)"
mostly_A "$allele_A" "$allele_a" ||
    fail "after 0.95 and Return the pond shows $allele_A pixels of allele A and $allele_a of allele a"
step "0.95 with Return: $allele_A pond pixels of allele A, $allele_a of allele a"

# The field keeps the focus. Ctrl+A and Ctrl+C select and copy; Ctrl+C and
# Ctrl+M type the characters of Enter and Return, but take nothing.
xdotool type --delay 40 0
xdotool key ctrl+a ctrl+c ctrl+m
sleep 0.5
read -r allele_A allele_a <<<"$(pond_alleles 6-ctrl-keys)"
mostly_A "$allele_A" "$allele_a" ||
    fail "Ctrl+A, Ctrl+C, Ctrl+M with 0 in the field changed the pond: $allele_A pixels of A, $allele_a of a"
step "Ctrl+A, Ctrl+C and Ctrl+M in the field took nothing"

# --- About opens from the Edit menu and closes with OK ------------------------
xdotool mousemove "$(sx $EMPTY_X)" "$(sy $EMPTY_Y)" click 1
# The Edit menu is the second title of the menu bar; About is its last item.
xdotool mousemove "$((win_x + 56))" "$((win_y + menu / 2))" click 1
sleep 0.4
xdotool key Up Return
about="$(await_window 441 535)" || fail "no 441x535 About window opened from the Edit menu"
[[ "$(xdotool getwindowname "$about")" == "About Ulvarin" ]] || fail "the About window is not titled About Ulvarin"
eval "$(xdotool getwindowgeometry --shell "$about" | grep -E '^(X|Y)=')"
sleep 0.3
shoot 4-about
step "the About window $about shows at $X,$Y"
# OK: 60 x 20 at (361, 491) of the About window.
xdotool mousemove "$((X + 391))" "$((Y + 501))" click 1
for _ in $(seq 30); do
    other_window 441 535 >/dev/null || break
    sleep 0.1
done
other_window 441 535 >/dev/null && fail "the About window is still open after OK"
step "OK closed the About window"

# --- Ctrl+Q quits with exit code 0 --------------------------------------------
xdotool mousemove "$(sx $EMPTY_X)" "$(sy $EMPTY_Y)" click 1
xdotool windowfocus "$main_window" 2>/dev/null
sleep 0.3
xdotool key ctrl+q
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program still runs 5 s after Ctrl+Q"
wait "$app_pid"
status=$?
app_pid=""
((status == 0)) || fail "the program ended with exit code $status after Ctrl+Q"
step "Ctrl+Q ended the program with exit code 0"
echo "RealWindowSmoke passed; screenshots in $artifacts"
