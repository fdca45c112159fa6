# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a script needs, once, and only those missing.

# The packages every build needs.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
                libbenchmark-dev)
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
