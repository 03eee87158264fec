#include "web/binding/values.h"

#include <algorithm>

#include "core/catalog/colour_contrast.h"
#include "core/planner/table_rendering.h"

namespace vantrell::web {

using emscripten::val;

val Text(std::string_view text) { return val(std::string(text)); }

val LongText(std::string_view utf8) {
    static const val decoder = val::global("TextDecoder").new_();
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    return decoder.call<val>("decode", val(emscripten::typed_memory_view(utf8.size(), bytes)));
}

DocumentOf::DocumentOf(const val& document) {
    if (document.isString()) {
        const std::string text = document.as<std::string>();
        size_ = text.size();
        bytes_ = std::unique_ptr<char[]>(new char[size_]);
        std::copy(text.begin(), text.end(), bytes_.get());
        return;
    }
    // The bytes are copied in one step by the browser, not one by one.
    size_ = document["length"].as<std::size_t>();
    bytes_ = std::unique_ptr<char[]>(new char[size_]);
    val(emscripten::typed_memory_view(size_, reinterpret_cast<unsigned char*>(bytes_.get()))).call<void>("set", document);
}

std::string DarkCssColour(catalog::Rgb rgb) { return planner::HexColour(catalog::ReadableOn(rgb, catalog::kDarkSchemeSurface)); }

}  // namespace vantrell::web
