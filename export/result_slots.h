// Where a thread's built results live until its next call into the library.
//
// Two slots: a result is written into the slot that the call's own input does
// not lie in, so a host may pass the previous result straight back in (as it
// does from GetPCVendor_* to GetVendorPic_*).  A slot grows to the largest
// result it has held and is given back down when a much smaller one follows a
// large one, so memory does not creep with the number of calls.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/text.h"

namespace zentavo {

class ResultSlots {
public:
    ResultSlots() = default;
    ResultSlots(const ResultSlots&) = delete;
    ResultSlots& operator=(const ResultSlots&) = delete;
    ~ResultSlots();

    // Copies `result` into a slot away from `input` and returns it, NUL-ended;
    // null when no memory can be had for it.
    const char* store(const text::Joined& result, std::string_view input) noexcept;

    // Bytes held for results, for tests of the growth rule.
    std::size_t capacity() const { return slots_[0].capacity + slots_[1].capacity; }

private:
    struct Slot {
        char* data = nullptr;
        std::size_t capacity = 0;
        bool holds(std::string_view text) const;
        bool fit(std::size_t size) noexcept;
    };
    Slot slots_[2];
};

}  // namespace zentavo
