# What every target of the project is built with, carried by one INTERFACE
# target so that the fuzz and leak projects, which add these folders to builds
# of their own, get exactly the same standard, warnings and include folders.
include_guard(GLOBAL)

option(VANTRELL_WERROR "Treat compiler warnings as errors (on in build.sh and CI)" OFF)
option(VANTRELL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

get_filename_component(VANTRELL_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

add_library(vantrell_project_settings INTERFACE)
target_compile_features(vantrell_project_settings INTERFACE cxx_std_20)
target_compile_options(vantrell_project_settings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${VANTRELL_WERROR}>:-Werror>)
target_include_directories(vantrell_project_settings INTERFACE ${VANTRELL_SOURCE_ROOT})
if(VANTRELL_SANITIZE)
    target_compile_options(vantrell_project_settings INTERFACE
                           -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vantrell_project_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
