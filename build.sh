#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program (`run`) or every test (`test`).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev librapidcheck-dev fonts-liberation)
# The fuzz target needs clang and its libFuzzer runtime; only `test` builds it.
check_packages=(clang libclang-rt-dev)
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
    # The core and its tests build and pass without Qt.
    configure_and_build build-core -DVANTRELL_BUILD_GUI=OFF
    run_tests build-core
    run_sanitized_tests
    fuzz_scenario_driver
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
