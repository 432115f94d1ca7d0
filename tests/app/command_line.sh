#!/bin/sh
# --help and --version answer without a display and exit 0; any other
# argument goes on to open the window, which here, without a display,
# ends in the message about the display and exit status 2.
# Usage: command_line.sh <tenacio executable> <version>
program="$1"
version="$2"
cases=0
failed=0
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
# run <label> <expected exit status> <stdout file> <arguments...>, in the
# language $language (English unless set).
language=en
run() {
    label="$1" expected="$2" to="$3"
    shift 3
    cases=$((cases + 1))
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES \
        LANGUAGE="$language" LANG=C.UTF-8 "$program" "$@" >"$to" 2>"$err"
    code=$?
    [ "$code" -eq "$expected" ] || fail "exit $code, not $expected; stderr: $(cat "$err")"
}
fail() { echo "FAIL $label: $*"; failed=$((failed + 1)); }

run "--version" 0 "$out" --version
[ "$(cat "$out")" = "tenacio $version" ] || fail "printed: $(cat "$out")"
[ ! -s "$err" ] || fail "on stderr: $(cat "$err")"

run "--help" 0 "$out" --help
folder="$(cd "$(dirname "$program")" && pwd -P)/"
head -n 1 "$out" | grep -q '^Usage: tenacio' || fail "no usage line: $(head -n 1 "$out")"
grep -qF "Data folder: $folder" "$out" || fail "not the data folder $folder: $(grep 'Data folder' "$out")"
for word in --version XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; do
    grep -q -- "$word" "$out" || fail "says nothing of $word"
done
[ ! -s "$err" ] || fail "on stderr: $(cat "$err")"

# The usage in the user's language: the translations are loaded before
# the answer, and the data folder still fills its placeholder. One row a
# language the program carries: language|usage line|data folder heading.
while IFS='|' read -r language usage heading; do
    run "--help in $language" 0 "$out" --help
    head -n 1 "$out" | grep -qF "$usage tenacio" || fail "not in $language: $(head -n 1 "$out")"
    grep -qF "$heading $folder" "$out" || fail "not the data folder $folder: $(grep -F "$heading" "$out")"
done <<'ROWS'
de|Aufruf:|Datenordner:
ru|Использование:|Папка данных:
fr|Utilisation :|Dossier des données :
es|Uso:|Carpeta de datos:
ROWS
language=en

run "another argument" 2 "$out" --helpx
grep -q '^Tenacio needs a graphical display' "$err" || fail "did not go on to the display check: $(cat "$err")"

if [ -w /dev/full ]; then
    run "--help to a full disk" 1 /dev/full --help
    grep -q "No space left on device" "$err" || fail "no reason given: $(cat "$err")"
fi

echo "command line: $cases cases, $failed failures"
[ "$failed" -eq 0 ]
