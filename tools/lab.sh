#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 machine for the lab (as root), builds it, and runs it or its tests.
#   bash tools/lab.sh run    build and open the lab
#   bash tools/lab.sh test   build and run the whole test suite, plain and under ASan/UBSan,
#                            open the lab exactly as `run` does, on a virtual display, and
#                            check its Debian package
#   bash tools/lab.sh fuzz   build the libFuzzer programs with clang and run each for a while
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
# Qt Charts' CMake files need Qt OpenGL's, which Debian's qt6-charts-dev does not pull in; the
# SVG plugins draw the teacher's journal's icon.
packages=(cmake make g++ qt6-base-dev libgl-dev libqt6sql6-psql qt6-translations-l10n
    qt6-charts-dev libqt6opengl6-dev libqt6svg6 fonts-liberation2 fonts-dejavu-core)
case "$mode" in
test) packages+=(xvfb python3 python3-xlib poppler-utils postgresql-15
    lintian appstream desktop-file-utils dpkg-dev) ;;
fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)

configure() { # build-dir extra-cmake-args...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
build() { # build-dir extra-cmake-args...
    configure "$@"
    cmake --build "$1" -j "$jobs"
}
case "$mode" in
run)
    configure build
    # CMake knows where it put the program: its `run` target builds what is missing and opens it.
    cmake --build build -j "$jobs" --target run
    ;;
test)
    build build
    # The run command, as a user types it, must open the lab and let it end cleanly.
    /usr/bin/python3 tools/run_check.py -- bash tools/lab.sh run
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j "$jobs"
    # The package of the same build, as Debian would take it.
    bash tools/check_package.sh build
    build build-sanitize -DLAB_SANITIZE=ON -DLAB_BUILD_TOOLS=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    ;;
fuzz)
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLAB_FUZZ=ON -DLAB_BUILD_TESTS=OFF -DLAB_BUILD_TOOLS=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs" --target fuzzers
    ctest --test-dir build-fuzz -L fuzz --output-on-failure
    ;;
*)
    echo "usage: $0 run|test|fuzz" >&2
    exit 2
    ;;
esac
