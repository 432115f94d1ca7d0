# Installs the Debian packages the program needs that are missing.
# Sourced by scripts/run and scripts/test.
tenacio_install() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local SUDO=""
        [ "$(id -u)" -eq 0 ] || SUDO="sudo"
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Speech: eSpeak NG renders in the program (libespeak-ng-dev brings espeak-ng-data, its
# voices), libpulse-simple plays through the sound server.
TENACIO_BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev libgl-dev
    libespeak-ng-dev espeak-ng-data libpulse-dev)
# A sound server with a null sink for measuring the spoken run (tools/spokenrun.cpp).
TENACIO_SOUND_PACKAGES=(pulseaudio pulseaudio-utils sox)
# clang-format-14: the format check of the test command (scripts/format), pinned
# to the version whose output .clang-format was written for.
# ninja-build: the presets' generator, which keeps both cores busy across
# targets where make waits at each one. lld: it links the tests several times
# faster than the default linker (CMakeLists.txt uses it where it is installed).
TENACIO_TEST_PACKAGES=(ninja-build lld libbenchmark-dev clang libclang-rt-14-dev clang-format-14 xvfb xauth appstream
    desktop-file-utils)
# scripts/package: dpkg-buildpackage (dpkg-dev) with debhelper, lintian, and the
# validators, which the tests at build time use too.
TENACIO_PACKAGE_PACKAGES=(dpkg-dev debhelper lintian appstream desktop-file-utils)

# Configures a preset of CMakePresets.json (plain, sanitizer, fuzz), with
# any further arguments. CMake will not change the generator or the
# compiler of a build folder: one made by make (before the presets named
# Ninja), or by GCC for a preset that now names clang, is configured afresh.
tenacio_configure() {
    local preset="$1" dir compiler=.
    shift
    case "$preset" in
        plain) dir=build/test ;;
        sanitizer) dir=build/asan compiler=clang ;;
        fuzz) dir=build/fuzz compiler=clang ;;
        *) echo "tenacio_configure: no preset $preset" >&2; return 2 ;;
    esac
    local cache="$dir/CMakeCache.txt"
    if [ -f "$cache" ] && { ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache" ||
                            ! grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=.*$compiler" "$cache"; }; then
        echo "$dir was made by another generator or compiler: configuring it afresh"
        cmake --preset "$preset" --fresh "$@" >/dev/null
    else
        cmake --preset "$preset" "$@" >/dev/null
    fi
}
