#pragma once

#include <span>
#include <string_view>

// The catalogs of translations/, built into the program, as their text.
namespace vantrell::texts {

struct EmbeddedCatalog {
    std::string_view code;
    std::string_view text;
};

// In the order translations/LINGUAS names them.
std::span<const EmbeddedCatalog> EmbeddedCatalogs();

}  // namespace vantrell::texts
