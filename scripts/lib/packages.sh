# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a script needs, once, and only those missing.

# The packages every build needs: the toolchain, Qt 6, libmpv, SDL2 and the X libraries.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
                libbenchmark-dev qt6-base-dev libmpv-dev libsdl2-dev libx11-dev libxrandr-dev
                libxtst-dev fonts-dejavu-core)
# What the window and end-to-end tests need: a virtual X display, a way to press keys, and a
# private message bus for the power-control test.
DISPLAY_PACKAGES=(xvfb xauth xdotool x11-utils dbus-daemon)
# What building the Debian package and checking it take: dpkg-shlibdeps (dpkg-dev) and file for
# the package's dependencies, desktop-file-validate, and man for the manual pages' warnings.
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils man-db)
# clang and its runtime for the fuzz targets.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
