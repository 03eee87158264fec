# The checks whose programs are projects of their own, because they need
# another compiler or instrument everything they build: the fuzz target
# (clang with libFuzzer), the leak check (the whole program under
# AddressSanitizer) and the web edition (emscripten). Each is built here as an
# external project and run as a labelled test; the fuzz, leaks and web presets
# each ask for one in a build tree of its own, so a fresh clone needs nothing
# but `cmake --workflow --preset <name>`.
include_guard(GLOBAL)

set(VANTRELL_CHECKS "" CACHE STRING "Checks built as projects of their own: any of fuzz, leaks, browser")
if(NOT VANTRELL_CHECKS)
    return()
endif()
foreach(check IN LISTS VANTRELL_CHECKS)
    if(NOT check MATCHES "^(fuzz|leaks|browser)$")
        message(FATAL_ERROR "VANTRELL_CHECKS: unknown check ${check} (fuzz, leaks or browser)")
    endif()
endforeach()

include(ExternalProject)
enable_testing()
set(check_settings -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRELL_WERROR=${VANTRELL_WERROR})

if(fuzz IN_LIST VANTRELL_CHECKS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "the fuzz check needs clang and libFuzzer (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    set(fuzz_dir ${PROJECT_BINARY_DIR}/fuzzer)
    ExternalProject_Add(vantrell_fuzzer
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests/tools/fuzz
        BINARY_DIR ${fuzz_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER} ${check_settings}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    # FUZZ_SECONDS is read when the test runs, so a longer session needs no new configuration.
    add_test(NAME fuzz.scenario_driver
             COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_dir}/vantrell_scenario_fuzzer
                     -DDICTIONARY=${fuzz_dir}/scenario.dict -DSEEDS=${PROJECT_SOURCE_DIR}/tests/tools/fuzz/corpus
                     -DWORK_DIR=${PROJECT_BINARY_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/RunFuzzer.cmake)
    set_tests_properties(fuzz.scenario_driver PROPERTIES LABELS "fuzz;tools;slow")
    add_test(NAME fuzz.plan_library
             COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_dir}/vantrell_plan_library_fuzzer
                     -DSEEDS=${PROJECT_SOURCE_DIR}/tests/tools/fuzz/library_corpus -DMAX_LEN=262144
                     -DWORK_DIR=${PROJECT_BINARY_DIR}/plan-library -P ${CMAKE_CURRENT_LIST_DIR}/RunFuzzer.cmake)
    set_tests_properties(fuzz.plan_library PROPERTIES LABELS "fuzz;core;slow")
    add_test(NAME fuzz.cli_arguments
             COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_dir}/vantrell_cli_fuzzer
                     -DDICTIONARY=${fuzz_dir}/scenario.dict -DSEEDS=${PROJECT_SOURCE_DIR}/tests/tools/fuzz/cli_corpus
                     -DWORK_DIR=${PROJECT_BINARY_DIR}/cli -P ${CMAKE_CURRENT_LIST_DIR}/RunFuzzer.cmake)
    set_tests_properties(fuzz.cli_arguments PROPERTIES LABELS "fuzz;tools;slow")
endif()

if(leaks IN_LIST VANTRELL_CHECKS)
    set(leaks_dir ${PROJECT_BINARY_DIR}/leak-check)
    ExternalProject_Add(vantrell_leak_check
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests/desktop/leaks
        BINARY_DIR ${leaks_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER} ${check_settings}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    add_test(NAME leaks.every_window COMMAND ${leaks_dir}/vantrell_leak_check)
    # Full stacks (no fast unwind) so a leak report names the code that allocated.
    set_tests_properties(leaks.every_window PROPERTIES
        LABELS "leaks;desktop;slow"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=halt_on_error=1:detect_leaks=1;LSAN_OPTIONS=fast_unwind_on_malloc=0")
endif()

if(browser IN_LIST VANTRELL_CHECKS)
    find_program(EMCMAKE emcmake)
    find_program(NPM npm)
    if(NOT EMCMAKE OR NOT NPM)
        message(FATAL_ERROR "the web check needs emcmake and npm (Debian emscripten, nodejs, npm)")
    endif()
    set(VANTRELL_WEB_BUILD_DIR ${PROJECT_BINARY_DIR}/web CACHE PATH "Where the web edition is built")
    set(web_dir ${PROJECT_SOURCE_DIR}/web)
    # Debian's emscripten finds its JavaScript optimizer's modules here.
    set(web_env env NODE_PATH=/usr/share/nodejs)
    # A Makefile build hands its job slots on to the page's build through $(MAKE).
    if(CMAKE_GENERATOR MATCHES "Make")
        set(web_build ${web_env} "$(MAKE)")
    else()
        set(web_build ${web_env} ${CMAKE_COMMAND} --build <BINARY_DIR>)
    endif()
    # The page is bundled with esbuild and tested through playwright-core (driving Debian's
    # Chromium, so npm fetches no browser); the modules are installed again whenever the
    # lockfile is newer than them.
    set(modules_stamp ${web_dir}/node_modules/.package-lock.json)
    add_custom_command(OUTPUT ${modules_stamp}
        COMMAND env PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 ${NPM} ci --no-audit --no-fund
        DEPENDS ${web_dir}/package-lock.json
        WORKING_DIRECTORY ${web_dir}
        COMMENT "Installing the web edition's modules (npm ci)")
    add_custom_target(vantrell_web_modules ALL DEPENDS ${modules_stamp})

    ExternalProject_Add(vantrell_web
        SOURCE_DIR ${web_dir}
        BINARY_DIR ${VANTRELL_WEB_BUILD_DIR}
        CONFIGURE_COMMAND ${web_env} ${EMCMAKE} ${CMAKE_COMMAND} -G ${CMAKE_GENERATOR} -S <SOURCE_DIR> -B <BINARY_DIR>
                          -DCMAKE_BUILD_TYPE=MinSizeRel -DVANTRELL_WERROR=${VANTRELL_WERROR}
        BUILD_COMMAND ${web_build}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        DEPENDS vantrell_web_modules)

    add_test(NAME browser.web_edition COMMAND ${NPM} test WORKING_DIRECTORY ${web_dir})
    # The page's JSDoc types, checked by TypeScript's compiler as its jsconfig asks: no output, no error.
    add_test(NAME browser.page_types COMMAND ${NPM} run --silent check:types WORKING_DIRECTORY ${web_dir})
    set_tests_properties(browser.page_types PROPERTIES LABELS "browser")
    set_tests_properties(browser.web_edition PROPERTIES
        LABELS "browser;slow"
        ENVIRONMENT "VANTRELL_SCENARIO=$<TARGET_FILE:vantrell-scenario>;VANTRELL_CLI=$<TARGET_FILE:vantrell-cli>;VANTRELL_WEB_BUILD=${VANTRELL_WEB_BUILD_DIR}")
endif()
