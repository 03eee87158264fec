// The page's packed bytes read back in WebAssembly (see web/tools/packed-bytes.mjs
// and packed.js): the page runs this loop once, over some 170,000 characters, as
// it starts, when a script's loop would still run unoptimised. It reads the
// characters' UTF-8: one below 0x80 is a group of seven bits; a two-byte one is
// an unsafe group and the group after it, or an unsafe group alone, the last.
#include <cstdint>

namespace {

constexpr std::uint8_t kUnsafeGroups[8] = {0, 10, 13, 34, 38, 60, 92, 0};

}  // namespace

extern "C" std::uint32_t Unpack(const std::uint8_t* utf8, std::uint32_t size, std::uint8_t* bytes) {
    std::uint32_t filled = 0;
    std::uint32_t held = 0;
    std::uint32_t bits = 0;
    const auto take = [&](std::uint32_t group) {
        held = (held << 7) | group;
        bits += 7;
        if (bits >= 8) {
            bits -= 8;
            bytes[filled++] = static_cast<std::uint8_t>(held >> bits);
            held &= (1U << bits) - 1;
        }
    };
    for (std::uint32_t index = 0; index < size; ++index) {
        std::uint32_t group = utf8[index];
        if (group >= 0x80 && index + 1 < size) {
            const std::uint32_t pair = (((group & 0x1fU) << 6) | (utf8[++index] & 0x3fU)) - 0x80;
            take(kUnsafeGroups[(pair >> 7) & 7]);
            if ((pair >> 7) >= 8) break;
            group = pair & 0x7f;
        }
        take(group & 0x7f);
    }
    return filled;
}
