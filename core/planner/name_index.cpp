#include "core/planner/name_index.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace vantrell::planner {

void NameIndex::Reserve(std::size_t count) {
    const std::size_t wanted = std::bit_ceil(std::max<std::size_t>(16, 2 * count));
    if (wanted <= slots_.size()) return;
    std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(wanted));
    for (const Slot& slot : old) {
        if (slot.place != kVacant) Place(slot);
    }
}

void NameIndex::AddHashed(std::size_t hash, std::size_t place) {
    Reserve(used_ + 1);
    Place({.hash = hash, .place = place});
    ++used_;
}

void NameIndex::Place(Slot slot) {
    std::size_t at = slot.hash & Mask();
    while (slots_[at].place != kVacant) at = (at + 1) & Mask();
    slots_[at] = slot;
}

void NameIndex::Vacate(std::size_t at) {
    // Later slots of the same run move back into the gap when their home is not between it and them,
    // so that no search stops short at the gap.
    std::size_t gap = at;
    for (std::size_t next = (gap + 1) & Mask(); slots_[next].place != kVacant; next = (next + 1) & Mask()) {
        const std::size_t home = slots_[next].hash & Mask();
        const bool homeAfterGap = gap <= next ? (gap < home && home <= next) : (gap < home || home <= next);
        if (homeAfterGap) continue;
        slots_[gap] = slots_[next];
        gap = next;
    }
    slots_[gap] = Slot{};
    --used_;
}

void NameIndex::Closed(std::size_t place) {
    for (Slot& slot : slots_) {
        if (slot.place != kVacant && slot.place > place) --slot.place;
    }
}

}  // namespace vantrell::planner
