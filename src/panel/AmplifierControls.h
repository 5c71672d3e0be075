#pragma once

#include <array>
#include <cstddef>

#include "panel/PanelContext.h"

namespace tq::panel {

/// The amplifier buttons of the front panel: power, operate/standby and the
/// tune cycle. Each decides from what its indicator shows, marks the
/// indicator as pending and sends the command; the radio's "O" and "T"
/// replies set the indicators again through the display.
class AmplifierControls {
public:
    static constexpr double kCommandPause = 0.2;

    explicit AmplifierControls(PanelContext panel);

    /// Switches the amplifier on or off (cmdAmpPwr).
    void ampPwrCmd();
    /// Puts the amplifier in operate or standby (cmdAmpOpr).
    void ampOprCmd();
    /// Starts a tune cycle when the amplifier asks for one, or stops the
    /// running one (cmdTuneAmp).
    void tuneAmpCmd();

private:
    /// One way an indicator can be switched: from what it shows, the marker
    /// it shows meanwhile and the command that does it.
    template <typename State>
    struct Switch {
        State shown;
        State pending;
        const char* command;
    };
    template <typename State, std::size_t N>
    void switchFrom(Value<State>& indicator, const std::array<Switch<State>, N>& switches);

    PanelContext m_panel;
};

}  // namespace tq::panel
