// The four argument and field types of the interface: 16 or 32 bits, signed
// or unsigned. Shared by the Set/Get and the Put catalogues.
#pragma once

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

}  // namespace radar
