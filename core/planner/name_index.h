#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/planner/blanks.h"
#include "core/texts/unicode.h"

namespace vantrell::planner {

// The places of a list's entries by name, the blanks around it and its case in
// any script aside. It keeps each name's hash and place, not a second copy of
// the name: calls that compare names read them from the list through `nameAt`.
// A hundred thousand names are indexed without one allocation per name.
class NameIndex {
public:
    void Reserve(std::size_t count);
    // Indexes `place` under `name`, which no place is indexed under yet.
    void Add(std::string_view name, std::size_t place) { AddHashed(HashOf(name), place); }
    // The same for a name whose HashOf is known, so that a name looked up and then added is hashed once.
    void AddHashed(std::size_t hash, std::size_t place);
    // Every place after `place` moves up one, as when the entry there leaves the list.
    void Closed(std::size_t place);

    template <typename NameAt>
    std::optional<std::size_t> Find(std::string_view name, const NameAt& nameAt) const {
        return FindHashed(name, HashOf(name), nameAt);
    }
    template <typename NameAt>
    std::optional<std::size_t> FindHashed(std::string_view name, std::size_t hash, const NameAt& nameAt) const {
        const auto slot = SlotOf(name, hash, nameAt);
        return slot ? std::optional<std::size_t>(slots_[*slot].place) : std::nullopt;
    }

    // Forgets the place indexed under `name`.
    template <typename NameAt>
    void Remove(std::string_view name, const NameAt& nameAt) {
        if (const auto slot = SlotOf(name, HashOf(name), nameAt)) Vacate(*slot);
    }

    // The folded text's hash with its high bits mixed into the low ones the slots are chosen by:
    // names that differ only in their last digits would otherwise crowd into neighbouring slots.
    static std::size_t HashOf(std::string_view name) {
        std::size_t hash = texts::FoldedHash(WithoutBlanks(name));
        hash ^= hash >> 16;
        hash *= 0x45D9F3BU;
        return hash ^ (hash >> 16);
    }

private:
    static constexpr std::size_t kVacant = std::numeric_limits<std::size_t>::max();
    struct Slot {
        std::size_t hash = 0;
        std::size_t place = kVacant;
    };

    template <typename NameAt>
    std::optional<std::size_t> SlotOf(std::string_view name, std::size_t hash, const NameAt& nameAt) const {
        if (slots_.empty()) return std::nullopt;
        const std::string_view key = WithoutBlanks(name);
        for (std::size_t at = hash & Mask(); slots_[at].place != kVacant; at = (at + 1) & Mask()) {
            if (slots_[at].hash == hash && texts::FoldsAlike(WithoutBlanks(nameAt(slots_[at].place)), key)) return at;
        }
        return std::nullopt;
    }

    std::size_t Mask() const { return slots_.size() - 1; }
    void Place(Slot slot);
    void Vacate(std::size_t at);

    // Open addressing with linear probing, at most half full.
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace vantrell::planner
