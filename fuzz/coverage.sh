#!/usr/bin/env bash
# What the fuzz targets reach: each target fuzzes from its seed corpus
# for an equal share of SECONDS (default 60, as in the test command), then
# a coverage build runs the seeds and everything found, and llvm-cov
# gives the lines reached of the INI code (profile/) and of the target's
# own reader, per target and for all targets together.
#
#   bash fuzz/coverage.sh [SECONDS]
#
# Needs llvm-profdata and llvm-cov (Debian: llvm-14). Work files and the
# corpora found go to build/fuzz-coverage/; an HTML report of every line
# to build/fuzz-coverage/html/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build/fuzz-coverage
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

# The target, its reader's own file (none for the INI code itself).
targets=(fuzz_ini_load: fuzz_ini_direct: fuzz_number:platform/platform.cpp fuzz_elements:library/modules.cpp
         fuzz_results:results/resultsstore.cpp fuzz_history:app/history.cpp fuzz_settings:library/settings.cpp
         fuzz_ini_write: fuzz_runs:results/storedruns.cpp fuzz_textfile:library/moduleedit.cpp
         fuzz_sectionindex:library/modules.cpp)
share=$((seconds / ${#targets[@]}))

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTENACIO_FUZZ=ON \
    -DTENACIO_BENCH=OFF >/dev/null
cmake --build build/fuzz --target fuzzers -j"$jobs" >/dev/null
cmake -S . -B "$out/build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTENACIO_FUZZ=ON \
    -DTENACIO_FUZZ_COVERAGE=ON -DTENACIO_BENCH=OFF >/dev/null
cmake --build "$out/build" --target fuzzers -j"$jobs" >/dev/null

rm -rf "$out/corpus" "$out/profiles"
mkdir -p "$out/profiles"
objects=()
for entry in "${targets[@]}"; do
    target="${entry%%:*}"
    max_len=512
    [ "$target" = fuzz_number ] && max_len=64
    mkdir -p "$out/corpus/$target"
    ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz/"$target" -max_total_time="$share" -max_len="$max_len" \
        -timeout=10 -dict=fuzz/ini.dict "$out/corpus/$target" fuzz/corpus/"$target" >"$out/$target.fuzz.log" 2>&1
    LLVM_PROFILE_FILE="$out/profiles/$target.profraw" "$out/build/fuzz/$target" -runs=0 \
        "$out/corpus/$target" fuzz/corpus/"$target" >"$out/$target.cov.log" 2>&1
    llvm-profdata merge -sparse "$out/profiles/$target.profraw" -o "$out/profiles/$target.profdata"
    objects+=(-object "$out/build/fuzz/$target")
done

# The lines reached, from llvm-cov's TOTAL row for the given sources.
lines() {
    local profile="$1"
    shift
    llvm-cov report -instr-profile="$profile" "$@" | awk '/^TOTAL/ { print $(NF-3) " of " $(NF-5) " lines (" $(NF-4) " missed)" }'
}
profile_sources=(profile/profilefile.cpp profile/bytetext.cpp profile/atomicfile.cpp)
echo "Lines reached from the seeds and ${share} s of fuzzing each:"
for entry in "${targets[@]}"; do
    target="${entry%%:*}"
    own="${entry#*:}"
    binary="$out/build/fuzz/$target"
    line="$target: profile/ $(lines "$out/profiles/$target.profdata" "$binary" "${profile_sources[@]}")"
    [ -n "$own" ] && line="$line; $own $(lines "$out/profiles/$target.profdata" "$binary" "$own")"
    echo "$line"
done
llvm-profdata merge -sparse "$out"/profiles/*.profdata -o "$out/profiles/all.profdata"
echo "all targets: profile/ $(lines "$out/profiles/all.profdata" "${objects[@]:1}" "${profile_sources[@]}")"
llvm-cov report -instr-profile="$out/profiles/all.profdata" "${objects[@]:1}" "${profile_sources[@]}"
llvm-cov show -format=html -output-dir="$out/html" -instr-profile="$out/profiles/all.profdata" "${objects[@]:1}" \
    "${profile_sources[@]}" platform/platform.cpp library/modules.cpp library/settings.cpp results/resultsstore.cpp \
    app/history.cpp
