// The four argument and field types of the interface: 16 or 32 bits, signed
// or unsigned. Shared by the Set/Get and the Put catalogues.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace radar {

enum class Width : uint8_t { u16, s16, u32, s32 };

template <class T>
constexpr Width width_of() {
    if constexpr (std::is_same_v<T, uint16_t>)
        return Width::u16;
    else if constexpr (std::is_same_v<T, int16_t>)
        return Width::s16;
    else if constexpr (std::is_same_v<T, uint32_t>)
        return Width::u32;
    else {
        static_assert(std::is_same_v<T, int32_t>, "arguments are 16 or 32 bits wide");
        return Width::s32;
    }
}

// True when the argument types A... have, one by one, the widths of the
// first `count` entries of `columns` (each with a `width` member), and there
// are exactly `count` of them: a row of a catalogue held against a signature.
template <class... A, class Columns>
constexpr bool widths_match(const Columns &columns, std::size_t count) {
    if (count != sizeof...(A)) return false;
    const Width widths[] = {Width::u16, width_of<A>()...};  // a leading dummy keeps it non-empty
    for (std::size_t i = 0; i < count; ++i)
        if (widths[i + 1] != columns[i].width) return false;
    return true;
}

}  // namespace radar
