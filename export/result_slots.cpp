#include "export/result_slots.h"

#include <cstdlib>
#include <cstring>
#include <functional>

namespace zentavo {
namespace {

// Slots at most this large are kept as they are; a larger one is reallocated
// when a result needs less than a quarter of it.
constexpr std::size_t kKeptCapacity = 64 * 1024;
constexpr std::size_t kMinimumCapacity = 256;

}  // namespace

ResultSlots::~ResultSlots() {
    for (Slot& slot : slots_) std::free(slot.data);
}

bool ResultSlots::Slot::holds(std::string_view text) const {
    if (data == nullptr || text.empty()) return false;
    const std::less_equal<const char*> not_after;
    return not_after(data, text.data()) && not_after(text.data(), data + capacity);
}

bool ResultSlots::Slot::fit(std::size_t size) noexcept {
    const std::size_t needed = size + 1;
    const bool too_small = capacity < needed;
    const bool too_large = capacity > kKeptCapacity && needed < capacity / 4;
    if (!too_small && !too_large) return true;
    const std::size_t wanted = needed < kMinimumCapacity ? kMinimumCapacity : needed;
    char* fresh = static_cast<char*>(std::malloc(wanted));
    if (fresh == nullptr) return !too_small;  // a large slot still serves
    std::free(data);
    data = fresh;
    capacity = wanted;
    return true;
}

const char* ResultSlots::store(const text::Joined& result, std::string_view input) noexcept {
    Slot& slot = slots_[0].holds(input) ? slots_[1] : slots_[0];
    const std::size_t size = result.size();
    if (size + 1 == 0 || !slot.fit(size)) return nullptr;
    char* out = slot.data;
    for (auto piece : result) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    }
    *out = '\0';
    return slot.data;
}

}  // namespace zentavo
