#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Kestrelmark's one entry point on a Debian 12 machine:
#   ./build.sh run     install what is missing, build, start the program
#   ./build.sh test    install what is missing, build, run every test (also under ASan + UBSan)
#   ./build.sh bench   install what is missing, build optimised, run the benchmarks
#   ./build.sh package install what is missing, build the Debian package (with Debian's hardened
#                      build flags) and check it with lintian
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-qpa-plugins libgl-dev libexiv2-dev fonts-dejavu-core fonts-liberation2
    libheif-dev qt6-image-formats-plugins zlib1g-dev libffmpegthumbnailer-dev ffmpeg
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool imagemagick desktop-file-utils openbox x11-utils
)
# Building the Debian package and checking it; the tests build and check one too.
PACKAGING=(dpkg-dev file lintian appstream)
JOBS=$(nproc)
# The end-to-end tests mostly wait for their X server, so ctest runs more tests than there are cores.
TEST_JOBS=$((JOBS * 2))

# step NAME COMMAND...: runs the command and tells how long it took.
step() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}

# install_missing PACKAGE...
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]; with ccache installed, a rebuild of sources compiled before (another
# build folder, a branch switched back) takes the objects from its cache.
build() {
    local dir=$1 launcher=()
    shift
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
    CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} cmake --build "$dir" -j "$JOBS"
}

run_tests() {
    ctest --test-dir "$1" --output-on-failure --parallel "$TEST_JOBS"
}

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DKESTRELMARK_TESTS=OFF -DKESTRELMARK_BENCH=OFF
    exec build/release/src/kestrelmark
    ;;
test)
    start=$SECONDS
    step "install packages" install_missing "${PACKAGES[@]}" "${PACKAGING[@]}"
    step "build debug" build build/debug -DCMAKE_BUILD_TYPE=Debug -DKESTRELMARK_BENCH=ON
    step "ctest debug" run_tests build/debug
    step "build asan" build build/asan -DCMAKE_BUILD_TYPE=Debug -DKESTRELMARK_SANITIZE=ON \
        -DKESTRELMARK_BENCH=OFF
    step "ctest asan" run_tests build/asan
    echo "== ./build.sh test: $((SECONDS - start)) s"
    ;;
bench)
    install_missing "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DKESTRELMARK_TESTS=OFF -DKESTRELMARK_BENCH=ON
    # Each benchmark program; the build also leaves folders named bench_*_autogen there.
    for program in build/release/bench/bench_*; do
        if [ -f "$program" ] && [ -x "$program" ]; then
            "$program"
        fi
    done
    # The start-up as drawn in a real window; 77 means no X server could be started.
    bash bench/startup_display.sh build/release/src/kestrelmark || [ $? -eq 77 ]
    ;;
package)
    install_missing "${PACKAGES[@]}" "${PACKAGING[@]}"
    build build/package -DCMAKE_BUILD_TYPE=Release -DKESTRELMARK_TESTS=OFF -DKESTRELMARK_BENCH=OFF \
        -DKESTRELMARK_DEBIAN_BUILD_FLAGS=ON -DCMAKE_INSTALL_PREFIX=/usr
    rm -f build/package/*.deb
    (cd build/package && cpack -G DEB)
    deb=$(echo build/package/*.deb)
    lintian --pedantic --display-info --fail-on error "$deb"
    echo "Built $deb; install it with: sudo apt install ./$deb"
    ;;
*)
    echo "usage: $0 run|test|bench|package" >&2
    exit 2
    ;;
esac
