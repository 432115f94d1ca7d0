#!/bin/sh
# Without a display it can use, the program says so, with the way out,
# and exits with 2 instead of letting Qt abort.
# Usage: no_display.sh <tenacio executable>
program="$1"
failed=0
check() {
    label="$1"; shift
    out="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@" "$program" 2>&1)"
    code=$?
    case "$out" in
    "Tenacio needs a graphical display."*"xvfb-run -a"*) ;;
    *) echo "FAIL $label: unexpected output: $out"; failed=1 ;;
    esac
    [ "$code" -eq 2 ] || { echo "FAIL $label: exit $code"; failed=1; }
}
check "nothing set"
check "unreachable X display" DISPLAY=:97
check "only Wayland, no plugin or no compositor" WAYLAND_DISPLAY=tenacio-test-none
check "both unreachable" DISPLAY=:97 WAYLAND_DISPLAY=tenacio-test-none
[ "$failed" -eq 0 ] && echo "no display: 4 passed, 0 failed"
exit "$failed"
