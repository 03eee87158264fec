#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program (`run`) or every test (`test`).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev librapidcheck-dev fonts-liberation)
# The fuzz target needs clang and its libFuzzer runtime; only `test` builds it.
check_packages=(clang libclang-rt-dev)
jobs=${JOBS:-2}
# --- Benchmarks and desktop integration: the benchmarks are part of every
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

# The core, its tests and the scenario driver under AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report fails the run.
run_sanitized_tests() {
    configure_and_build build-sanitize -DVANTRELL_SANITIZE=ON -DVANTRELL_BUILD_GUI=OFF
    ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 run_tests build-sanitize
}

# Random scripts into the scenario driver for a bounded time (FUZZ_SECONDS,
# default 60), starting from the committed seeds; the log is shown on failure.
fuzz_scenario_driver() {
    cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz -j "$jobs"
    mkdir -p build-fuzz/corpus
    echo "Fuzzing the scenario driver for ${FUZZ_SECONDS:-60} s"
    if ! ./build-fuzz/vantrell_scenario_fuzzer build-fuzz/corpus tests/fuzz/corpus -dict=build-fuzz/scenario.dict \
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
    cmake -S tests/leaks -B build-leaks -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-leaks -j "$jobs" --target vantrell_leak_check
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 LSAN_OPTIONS=fast_unwind_on_malloc=0 \
        ./build-leaks/vantrell_leak_check
}

# --- Desktop integration: the Debian package is built from the tested build,
# installed on this machine (as root, or with sudo), checked, started once as
# an unprivileged user with an empty home would start it, and removed again.
check_debian_package() (
    local dir=$1 id=org.example.Vantrell
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    local scratch
    scratch=$(mktemp -d)
    trap '"${sudo[@]}" dpkg --purge vantrell >/dev/null 2>&1 || true; "${sudo[@]}" rm -rf "$scratch"' EXIT

    rm -rf "$dir/package"
    (cd "$dir" && cpack -G DEB >/dev/null)
    local built=("$dir"/package/vantrell_*.deb)
    [ ${#built[@]} -eq 1 ] && [ -f "${built[0]}" ] || { echo "package: expected one vantrell_*.deb in $dir/package" >&2; return 1; }
    # apt reads a local package as its own unprivileged user.
    chmod 755 "$scratch"
    cp "${built[0]}" "$scratch/" && chmod 644 "$scratch"/*.deb
    local deb=("$scratch"/vantrell_*.deb)
    echo "Package: installing $(basename "${deb[0]}")"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${deb[0]}" >/dev/null

    local expected=(/usr/bin/vantrell /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
        /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/doc/vantrell/copyright)
    local size
    for size in 16 22 24 32 48 64 128 256; do expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
    local path owner
    for path in "${expected[@]}"; do
        owner=$(dpkg-query -S "$path" 2>/dev/null | cut -d: -f1) || true
        [ -f "$path" ] && [ "$owner" = vantrell ] || { echo "package: $path is missing or not the package's" >&2; return 1; }
    done
    local stray
    stray=$(dpkg-query -L vantrell | grep -vxE '/\.|/usr|/usr/(bin|share)|/usr/bin/vantrell|/usr/share/(applications|metainfo)(/[^/]+)?|/usr/share/doc(/vantrell(/copyright)?)?|/usr/share/icons(/hicolor(/.*)?)?' || true)
    [ -z "$stray" ] || { echo "package: files outside their places:" >&2; echo "$stray" >&2; return 1; }
    [ "$(command -v vantrell)" = /usr/bin/vantrell ] || { echo "package: vantrell is not the one on PATH" >&2; return 1; }
    [ -x /usr/bin/vantrell ] || { echo "package: /usr/bin/vantrell is not executable" >&2; return 1; }
    desktop-file-validate "/usr/share/applications/$id.desktop"
    appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >/dev/null

    # Started the way the desktop entry starts it, by a user who has never run it.
    local home="$scratch/home" command
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    local as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody:nogroup "$home"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
    local status=0
    "${as_user[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
        LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen timeout 3 $command >"$scratch/run.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$scratch/run.log" >&2
        echo "package: the installed program ended with status $status instead of running until stopped" >&2
        return 1
    fi

    "${sudo[@]}" dpkg --purge vantrell >/dev/null
    for path in "${expected[@]}"; do
        [ ! -e "$path" ] || { echo "package: $path is still there after removal" >&2; return 1; }
    done
    echo "Package: ${#expected[@]} files in place, started as an unprivileged user, removed"
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
    command -v node >/dev/null || install_missing nodejs
    if [ ! -d web/node_modules/playwright-core ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
        (cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
    fi
    # Debian's emscripten finds its JavaScript optimizer's modules here.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
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
    configure_and_build build
    exec ./build/app/vantrell
    ;;
test)
    install_missing "${packages[@]}" "${check_packages[@]}"
    configure_and_build build
    run_tests build
    run_web_tests build/planner/scenario/vantrell-scenario
    # The core and its tests build and pass without Qt.
    configure_and_build build-core -DVANTRELL_BUILD_GUI=OFF
    run_tests build-core
    run_sanitized_tests
    fuzz_scenario_driver
    check_leaks
    check_debian_package build
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
    configure_and_build build
    run_benchmarks build "${@:2}"
    ;;
*)
    echo "usage: $0 run|test|bench|web [--open]" >&2
    exit 2
    ;;
esac
