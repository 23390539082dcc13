#!/usr/bin/env bash
# Builds Kalvora for release into build-package/ (or the folder given as the first argument)
# and makes the Debian package kalvora_VERSION-1_ARCH.deb there. Prints the package's path as
# the last line. Uses Debian's hardening flags when dpkg-dev is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-package}"
umask 022

generator=()
if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi

cxxflags=""
ldflags=""
if command -v dpkg-buildflags >/dev/null 2>&1; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    # Debian's flags without -g: the package carries stripped programs anyway.
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    cxxflags="$(printf '%s\n' "$cxxflags" | sed -e 's/\(^\| \)-g\( \|$\)/ /g')"
    ldflags="$(dpkg-buildflags --get LDFLAGS)"
fi

cmake -S . -B "$dir" "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DKALVORA_TESTS=OFF \
    -DKALVORA_BENCHMARKS=OFF \
    -DKALVORA_FUZZERS=OFF \
    -DKALVORA_SANITIZE=OFF \
    -DKALVORA_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS=$cxxflags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"

rm -f "$dir"/kalvora_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/kalvora_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "package: expected one kalvora_*.deb in $dir, found: ${debs[*]}" >&2
    exit 1
fi
echo "${debs[0]}"
