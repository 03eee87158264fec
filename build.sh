#!/usr/bin/env bash
# Installs what is missing, then runs the program (`run`), every check CI runs
# (`test`), builds the web edition (`web`) or runs the benchmarks (`bench`).
# What is built and checked is CMakePresets.json's: an IDE, `cmake --workflow`
# or this script all do the same.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev qt6-svg-dev nlohmann-json3-dev libcli11-dev libgtest-dev librapidcheck-dev libbenchmark-dev
          fonts-liberation qt6-translations-l10n)
# Fuzzing needs clang and libFuzzer; the package is made with dpkg-shlibdeps
# and file, and it and its desktop files are checked with lintian and the validators.
check_packages=(gettext clang libclang-rt-dev desktop-file-utils appstream dpkg-dev file lintian)
web_packages=(cmake make g++ nlohmann-json3-dev emscripten zopfli chromium)
# The order CI runs them in: the quick feedback first, the package last.
ci_workflows=(default web core sanitize fuzz leaks package)

install_missing() {
    local missing=() package
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

install_web_tools() {
    install_missing "${web_packages[@]}"
    # The machine's own Node.js may bring npm; Debian's packages are taken only when it is missing.
    command -v npm >/dev/null || install_missing nodejs npm
}

build_default() {
    install_missing "${packages[@]}"
    cmake --preset default >/dev/null
    cmake --build --preset default
}

case "${1:-}" in
run)
    build_default
    exec ./build/desktop/shell/vantrell
    ;;
test)
    for option in "${@:2}"; do
        case "$option" in
        # CI=true asks for it as well; the package test reads either.
        --install-package) export VANTRELL_INSTALL_PACKAGE=1 ;;
        *) echo "usage: $0 test [--install-package]" >&2; exit 2 ;;
        esac
    done
    install_missing "${packages[@]}" "${check_packages[@]}"
    install_web_tools
    for workflow in "${ci_workflows[@]}"; do
        echo "=== $workflow"
        cmake --workflow --preset "$workflow"
    done
    ;;
web)
    install_web_tools
    cmake --preset web >/dev/null
    cmake --build --preset web --target vantrell_web
    echo "$PWD/build-web/vantrell.html"
    echo "$PWD/build-web/site/ (to publish on any static host)"
    if [ "${2:-}" = --open ]; then
        command -v xdg-open >/dev/null || install_missing xdg-utils
        xdg-open "$PWD/build-web/vantrell.html"
    fi
    ;;
bench)
    # Arguments (for example --benchmark_filter=Load) go to every benchmark program.
    build_default
    for program in planner cli window startup; do
        QT_QPA_PLATFORM=offscreen "./build/bench/vantrell_${program}_bench" "${@:2}"
    done
    ;;
*)
    echo "usage: $0 run|test [--install-package]|web [--open]|bench [benchmark options]" >&2
    exit 2
    ;;
esac
