#pragma once

// Texts, documents and colours as the page and the core hand them to each other.
#include <emscripten/val.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/catalog/records.h"

namespace vantrell::web {

emscripten::val Text(std::string_view text);
// A long UTF-8 text as a JavaScript string, decoded by the browser at once: the
// binding's own conversion looks at each byte in turn, which a document of many
// plans makes slow.
emscripten::val LongText(std::string_view utf8);
// A document the page hands over as text or, far sooner for a large one, as its UTF-8 bytes (a Uint8Array).
class DocumentOf {
public:
    explicit DocumentOf(const emscripten::val& document);
    operator std::string_view() const { return {bytes_.get(), size_}; }

private:
    // Not a string: its bytes would be cleared first, only to be written over at once.
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
};

// The colour a dark scheme shows in place of one of the catalog's.
std::string DarkCssColour(catalog::Rgb rgb);

}  // namespace vantrell::web
