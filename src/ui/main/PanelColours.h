#pragma once

#include <QRgb>

namespace tq::ui {

// The panel's fixed colours. Meanings stay the same everywhere: green is
// receive or ready, red transmit, active or error, yellow disabled or waiting.
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 255, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

}  // namespace tq::ui
