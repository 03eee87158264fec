#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program (`run`) or every test (`test`).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev librapidcheck-dev fonts-liberation)
# The fuzz target needs clang and its libFuzzer runtime; only `test` builds it.
check_packages=(clang libclang-rt-dev)
jobs=${JOBS:-2}
# --- Benchmarks and desktop integration: the benchmarks are part of the default
# build, the install checks run with the tests, and cpack needs dpkg-shlibdeps and file.
packages+=(libbenchmark-dev desktop-file-utils appstream dpkg-dev file)

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

# Each build is a preset of CMakePresets.json, so an IDE or `cmake --preset`
# makes exactly what this script makes.
configure_and_build() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
}

run_tests() {
    local preset=$1
    QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$jobs"
}

# The core, its tests and the scenario driver under AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report fails the run.
run_sanitized_tests() {
    configure_and_build sanitize
    run_tests sanitize
}

# Random scripts into the scenario driver for a bounded time (FUZZ_SECONDS,
# default 60), starting from the committed seeds; the log is shown on failure.
fuzz_scenario_driver() {
    cmake -S tests/tools/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRELL_WERROR=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    mkdir -p build-fuzz/corpus
    echo "Fuzzing the scenario driver for ${FUZZ_SECONDS:-60} s"
    if ! ./build-fuzz/vantrell_scenario_fuzzer build-fuzz/corpus tests/tools/fuzz/corpus -dict=build-fuzz/scenario.dict \
        -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -max_len=4096 -artifact_prefix=build-fuzz/ \
        -print_final_stats=1 >build-fuzz/fuzz.log 2>&1; then
        cat build-fuzz/fuzz.log
        echo "The fuzzer found a failing script; it is saved in build-fuzz/ (crash-*, timeout-*, leak-*)." >&2
        return 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' build-fuzz/fuzz.log
}

# The whole program built with AddressSanitizer: every class's window opened
# through the selector, then the program closed; LeakSanitizer reports what
# is left at exit, and the check itself reports widgets that outlive the shell.
check_leaks() {
    cmake -S tests/desktop/leaks -B build-leaks -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRELL_WERROR=ON >/dev/null
    cmake --build build-leaks -j "$jobs" --target vantrell_leak_check
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 LSAN_OPTIONS=fast_unwind_on_malloc=0 \
        ./build-leaks/vantrell_leak_check
}

# --- Desktop integration: the Debian package is made from the packager's build
# (Release, Debian's hardening flags, no tests) and checked without touching
# the machine: its metadata and file list with dpkg-deb, its desktop files
# validated, and the program started from the unpacked package. Installing it
# system-wide, starting it from there and purging it again runs only in CI or
# when asked for with --install-package.
readonly app_id=org.example.Vantrell

# The test libraries are hidden from it, to prove that it never looks for them.
build_release() {
    configure_and_build release --no-warn-unused-cli -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
        -DCMAKE_DISABLE_FIND_PACKAGE_rapidcheck=ON \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
}

# The package's files, as installed.
package_files() {
    local size
    printf '%s\n' /usr/bin/vantrell /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
        /usr/share/icons/hicolor/scalable/apps/$app_id.svg /usr/share/doc/vantrell/copyright
    for size in 16 22 24 32 48 64 128 256; do echo "/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"; done
}

# Paths (one a line) that lie outside the package's places.
stray_paths() {
    grep -vxE '/\.?|/usr|/usr/(bin|share)|/usr/bin/vantrell|/usr/share/(applications|metainfo)(/[^/]+)?|/usr/share/doc(/vantrell(/copyright)?)?|/usr/share/icons(/hicolor(/.*)?)?' || true
}

built_package() {
    rm -rf build-release/package
    (cd build-release && cpack -G DEB >/dev/null)
    local built=(build-release/package/vantrell_*.deb)
    [ ${#built[@]} -eq 1 ] && [ -f "${built[0]}" ] || { echo "package: expected one vantrell_*.deb" >&2; return 1; }
    echo "${built[0]}"
}

# Starts the program the way the desktop entry starts it, by a user who has
# never run it (nobody, when run as root), with an empty home and offscreen; it
# must keep running until it is stopped 3 s later.
start_as_new_user() {
    local scratch=$1 bin_dir=$2 desktop_file=$3
    local home="$scratch/home" command status=0
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    local as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        chmod 755 "$scratch"
        chown -R nobody:nogroup "$home"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    command=$(sed -n 's/^Exec=//p' "$desktop_file")
    "${as_user[@]}" env -i PATH="$bin_dir:/usr/local/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
        LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen timeout 3 $command >"$scratch/run.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$scratch/run.log" >&2
        echo "package: the program ended with status $status instead of running until stopped" >&2
        return 1
    fi
}

check_package_contents() (
    local deb=$1 version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)
    local scratch
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Package)" = vantrell ] && [ "$(field Version)" = "$version" ] && [ "$(field Section)" = games ] &&
        [ "$(field Recommends)" = fonts-liberation ] && field Depends | grep -q libqt6widgets6 ||
        { echo "package: unexpected metadata:" >&2; dpkg-deb --info "$deb" >&2; return 1; }

    local listed path stray
    listed=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed -E 's|^\.||; s|/$||')
    for path in $(package_files); do
        grep -qxF "$path" <<<"$listed" || { echo "package: $path is missing" >&2; return 1; }
    done
    stray=$(stray_paths <<<"$listed")
    [ -z "$stray" ] || { echo "package: files outside their places:" >&2; echo "$stray" >&2; return 1; }

    dpkg-deb --extract "$deb" "$scratch/root"
    [ -x "$scratch/root/usr/bin/vantrell" ] || { echo "package: usr/bin/vantrell is not executable" >&2; return 1; }
    desktop-file-validate "$scratch/root/usr/share/applications/$app_id.desktop"
    appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null
    start_as_new_user "$scratch" "$scratch/root/usr/bin" "$scratch/root/usr/share/applications/$app_id.desktop"
    echo "Package: $(basename "$deb"), metadata and $(package_files | wc -l) files checked, started unpacked"
)

# Installs the package on this machine (as root, or with sudo), checks that
# each file is there and the package's, starts the installed program and
# purges the package again.
check_package_install() (
    local deb=$1
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    local scratch
    scratch=$(mktemp -d)
    trap '"${sudo[@]}" dpkg --purge vantrell >/dev/null 2>&1 || true; "${sudo[@]}" rm -rf "$scratch"' EXIT
    # apt reads a local package as its own unprivileged user.
    chmod 755 "$scratch"
    cp "$deb" "$scratch/" && chmod 644 "$scratch"/*.deb
    local copy=("$scratch"/vantrell_*.deb)
    echo "Package: installing $(basename "${copy[0]}")"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${copy[0]}" >/dev/null

    local path owner stray
    for path in $(package_files); do
        owner=$(dpkg-query -S "$path" 2>/dev/null | cut -d: -f1) || true
        [ -f "$path" ] && [ "$owner" = vantrell ] || { echo "package: $path is missing or not the package's" >&2; return 1; }
    done
    stray=$(dpkg-query -L vantrell | stray_paths)
    [ -z "$stray" ] || { echo "package: files outside their places:" >&2; echo "$stray" >&2; return 1; }
    [ "$(command -v vantrell)" = /usr/bin/vantrell ] || { echo "package: vantrell is not the one on PATH" >&2; return 1; }
    start_as_new_user "$scratch" /usr/bin "/usr/share/applications/$app_id.desktop"

    "${sudo[@]}" dpkg --purge vantrell >/dev/null
    for path in $(package_files); do
        [ ! -e "$path" ] || { echo "package: $path is still there after removal" >&2; return 1; }
    done
    echo "Package: installed, $(package_files | wc -l) files in place, started as an unprivileged user, purged"
)

# --- Benchmarks: every benchmark program of the build, offscreen; arguments
# (for example --benchmark_filter=Load) go to each of them.
run_benchmarks() {
    local dir=$1
    shift
    local program
    for program in planner window startup; do
        QT_QPA_PLATFORM=offscreen "$dir/bench/vantrell_${program}_bench" "$@"
    done
}

# --- Web edition: the core built with emscripten into build-web/vantrell.html,
# one self-contained page; its tests drive the WebAssembly core in Node and
# the page in Debian's Chromium (playwright-core from npm, no browser download).
build_web() {
    install_missing cmake make emscripten chromium
    # The machine's own Node.js may bring npm; Debian's packages are taken only when it is missing.
    command -v npm >/dev/null || install_missing nodejs npm
    if [ ! -d web/node_modules/playwright-core ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
        (cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
    fi
    # Debian's emscripten finds its JavaScript optimizer's modules here.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DVANTRELL_WERROR=ON >/dev/null
    cmake --build build-web -j "$jobs"
}

run_web_tests() {
    local driver=$1
    build_web
    (cd web && VANTRELL_SCENARIO="$PWD/../$driver" node --test tests/)
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    configure_and_build default
    exec ./build/app/vantrell
    ;;
test)
    install_package=false
    [ "${CI:-}" = true ] && install_package=true
    for option in "${@:2}"; do
        case "$option" in
        --install-package) install_package=true ;;
        *) echo "usage: $0 test [--install-package]" >&2; exit 2 ;;
        esac
    done
    install_missing "${packages[@]}" "${check_packages[@]}"
    configure_and_build default
    run_tests default
    run_web_tests build/tools/scenario/vantrell-scenario
    # The core and its tests build and pass without Qt, optimised as a release is.
    configure_and_build core
    run_tests core
    run_sanitized_tests
    fuzz_scenario_driver
    check_leaks
    build_release
    deb=$(built_package)
    check_package_contents "$deb"
    if [ "$install_package" = true ]; then check_package_install "$deb"; fi
    ;;
web)
    build_web
    echo "$PWD/build-web/vantrell.html"
    if [ "${2:-}" = --open ]; then
        command -v xdg-open >/dev/null || install_missing xdg-utils
        xdg-open "$PWD/build-web/vantrell.html"
    fi
    ;;
bench)
    install_missing "${packages[@]}"
    configure_and_build default
    run_benchmarks build "${@:2}"
    ;;
*)
    echo "usage: $0 run|test [--install-package]|bench|web [--open]" >&2
    exit 2
    ;;
esac
