// The curve colours: indexed by a curve's position among the active curves, modulo 17.
#pragma once

#include <QColor>
#include <array>

namespace vornel {

inline constexpr std::array<unsigned, 17> kGraphPalette = {
    0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x800080, 0x800000, 0x000080, 0xFF00FF, 0x808000,
    0x008080, 0x808080, 0x00FF00, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF};

inline QColor graph_colour(int position) {
    const int n = static_cast<int>(kGraphPalette.size());
    return QColor::fromRgb(kGraphPalette[static_cast<size_t>(((position % n) + n) % n)]);
}

}  // namespace vornel
