#include "panel/BandButtons.h"

namespace tq::panel {

namespace {

// The 60 m caption carries a trailing blank, as it always has.
constexpr std::array<BandButton, kBandButtonCount> kBandButtons{{
    {"cmd160M", "160", "Open menu of 160M Frequencies", "160", PanelRequest::cmd160M},
    {"cmd75M", "75", "Open menu of 75M Frequencies", "75", PanelRequest::cmd75M},
    {"cmd60M", "60 ", "Open menu of 60M Frequencies", "60", PanelRequest::cmd60M},
    {"cmd40M", "40", "Open menu of 40M Frequencies", "40", PanelRequest::cmd40M},
    {"cmd30M", "30", "Open menu of 30M Frequencies", "30", PanelRequest::cmd30M},
    {"cmd20M", "20", "Open menu of 20M Frequencies", "20", PanelRequest::cmd20M},
    {"cmd17M", "17", "Open menu of 17M Frequencies", "17", PanelRequest::cmd17M},
    {"cmd15M", "15", "Open menu of 15M Frequencies", "15", PanelRequest::cmd15M},
    {"cmd12M", "12", "Open menu of 12M Frequencies", "12", PanelRequest::cmd12M},
    {"cmd10M", "10", "Open menu of 10M Frequencies", "10", PanelRequest::cmd10M},
    {"cmdWWV", "WWV", "Open menu of WWV Frequencies", "WWV", PanelRequest::cmdWWV},
    {"cmdMARS", "MARS", "Open menu of MARS Frequencies", "MARS", PanelRequest::cmdMARS},
}};

}  // namespace

const std::array<BandButton, kBandButtonCount>& bandButtons() {
    return kBandButtons;
}

const BandButton* bandButtonFor(PanelRequest request) {
    for (const BandButton& button : kBandButtons) {
        if (button.request == request) {
            return &button;
        }
    }
    return nullptr;
}

}  // namespace tq::panel
