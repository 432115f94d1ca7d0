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

TENACIO_BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin)
TENACIO_TEST_PACKAGES=(libbenchmark-dev clang libclang-rt-14-dev xvfb xauth appstream desktop-file-utils)
# scripts/package: dpkg-buildpackage (dpkg-dev) with debhelper, lintian, and the
# validators, which the tests at build time use too.
TENACIO_PACKAGE_PACKAGES=(dpkg-dev debhelper lintian appstream desktop-file-utils)
