#pragma once

#include <array>

#include "panel/PanelRequest.h"

namespace tq::panel {

/// One band button: its control name, caption, tooltip, the band name its
/// list window opens with, and the request its click raises.
struct BandButton {
    const char* name;
    const char* caption;
    const char* tooltip;
    const char* band;
    PanelRequest request;
};

inline constexpr std::size_t kBandButtonCount = 12;

/// The band buttons from the lowest band up, the order their requests are
/// served in.
const std::array<BandButton, kBandButtonCount>& bandButtons();

/// The band button whose click raises the request, or nullptr.
const BandButton* bandButtonFor(PanelRequest request);

}  // namespace tq::panel
