# Writes the catalogs that translations/LINGUAS names into one C++ source, each
# as a raw string without its comments, which only translators read.
# Usage: cmake -DLINGUAS=<file> -DOUTPUT=<file.cpp> -P EmbedCatalogs.cmake
file(STRINGS "${LINGUAS}" lines)
get_filename_component(folder "${LINGUAS}" DIRECTORY)
set(entries "")
foreach(line IN LISTS lines)
    string(STRIP "${line}" code)
    if(code STREQUAL "" OR code MATCHES "^#")
        continue()
    endif()
    # Read whole, not as lines: CMake would take every ';' in a text for a list's separator.
    file(READ "${folder}/${code}.po" kept)
    string(PREPEND kept "\n")
    # Comments go, except the flags: a fuzzy entry is a guess that must not be shown.
    string(REGEX REPLACE "\n#[^,\n][^\n]*" "" kept "${kept}")
    string(REGEX REPLACE "\n#\n" "\n" kept "${kept}")
    if(kept MATCHES "\\)vtpo\"")
        message(FATAL_ERROR "${code}.po holds the delimiter )vtpo\"")
    endif()
    string(APPEND entries "    {\"${code}\", R\"vtpo(${kept})vtpo\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Generated from translations/ by cmake/EmbedCatalogs.cmake: edit the catalogs, not this.
#include \"core/texts/embedded_catalogs.h\"

namespace vantrell::texts {
namespace {

constexpr EmbeddedCatalog kCatalogs[] = {
${entries}};

}  // namespace

std::span<const EmbeddedCatalog> EmbeddedCatalogs() { return kCatalogs; }

}  // namespace vantrell::texts
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
