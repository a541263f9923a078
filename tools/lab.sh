#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 machine for the lab (as root), builds it, and runs it or its tests.
#   bash tools/lab.sh run    build and open the lab
#   bash tools/lab.sh test   build and run the whole test suite, plain and under ASan/UBSan
#   bash tools/lab.sh fuzz   build the libFuzzer programs with clang and run each for a while
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake make g++ qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
if [[ $mode == fuzz ]]; then
    packages+=(clang libclang-rt-14-dev)
fi
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

build() { # build-dir extra-cmake-args...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$mode" in
run)
    build build -DLAB_BUILD_TESTS=OFF -DLAB_BUILD_TOOLS=OFF
    exec ./build/nonlinear-coder-lab
    ;;
test)
    export QT_QPA_PLATFORM=offscreen
    build build
    ctest --test-dir build --output-on-failure -j "$jobs"
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
