#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program (`run`) or every test (`test`).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev fonts-liberation)
jobs=${JOBS:-2}

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_tests() {
    local dir=$1
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    configure_and_build build
    exec ./build/app/vantrell
    ;;
test)
    install_missing "${packages[@]}"
    configure_and_build build
    run_tests build
    # The core and its tests build and pass without Qt.
    configure_and_build build-core -DVANTRELL_BUILD_GUI=OFF
    run_tests build-core
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
