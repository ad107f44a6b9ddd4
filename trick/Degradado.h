// Band colours of the vertical gradient painter (0x00BBGGRR colours).
#pragma once

#include <cstdint>

namespace trick {

// Colour of pixel row i of an n-row gradient from `inicio` (top) to `fin`
// (bottom). Each channel is scaled with truncating integer division, so
// neither end colour is reached exactly.
constexpr std::uint32_t ColorBanda(std::uint32_t inicio, std::uint32_t fin, int i, int n) {
    std::uint32_t color = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t a = (inicio >> shift) & 0xFF;
        const std::uint32_t b = (fin >> shift) & 0xFF;
        const std::uint32_t v = a * static_cast<std::uint32_t>(n - 1 - i) / n +
                                b * static_cast<std::uint32_t>(i) / n;
        color |= v << shift;
    }
    return color;
}

}  // namespace trick
