#pragma once

#include <QtGlobal>

namespace tq::panel {

/// A colour as 0xAARRGGBB, the layout every view of the panel takes it in
/// (the window's QColor, the browser panel's CSS).
using Rgb = quint32;

constexpr Rgb rgb(int red, int green, int blue) {
    return 0xff000000u | (static_cast<Rgb>(red) << 16) | (static_cast<Rgb>(green) << 8) |
           static_cast<Rgb>(blue);
}

// The panel's fixed colours. Meanings stay the same everywhere: green is
// receive or ready, red transmit, active or error, yellow disabled or waiting.
inline constexpr Rgb kRed = rgb(255, 0, 0);
inline constexpr Rgb kGreen = rgb(0, 255, 0);
inline constexpr Rgb kYellow = rgb(255, 255, 0);
inline constexpr Rgb kWhite = rgb(255, 255, 255);
inline constexpr Rgb kLightGrey = rgb(192, 192, 192);
inline constexpr Rgb kBlack = rgb(0, 0, 0);

}  // namespace tq::panel
