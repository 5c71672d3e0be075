#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "protocol/RadioLink.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {

/// The amplifier buttons of the front panel: power, operate/standby and the
/// tune cycle. Each decides from what its label shows, marks the label as
/// pending and sends the command; the radio's "O" and "T" replies rewrite the
/// labels through the display.
class AmplifierControls {
public:
    static constexpr double kCommandPause = 0.2;

    /// On its way: switching on, to operate, or starting a tune.
    static inline const QString kPendingUp = QStringLiteral(" >> ");
    /// On its way: switching off or to standby.
    static inline const QString kPendingDown = QStringLiteral(" << ");

    AmplifierControls(frmTQ5820& panel, protocol::RadioLink& link);

    /// Switches the amplifier on or off (cmdAmpPwr).
    void ampPwrCmd();
    /// Puts the amplifier in operate or standby (cmdAmpOpr).
    void ampOprCmd();
    /// Starts a tune cycle when the amplifier asks for one, or stops the
    /// running one (cmdTuneAmp).
    void tuneAmpCmd();

private:
    /// One way a label can be switched: from what it shows, the marker it
    /// shows meanwhile and the command that does it.
    struct Switch {
        const char* shown;
        const QString& pending;
        const char* command;
    };
    template <std::size_t N>
    void switchFrom(QLabel* label, const std::array<Switch, N>& switches);

    frmTQ5820& m_panel;
    protocol::RadioLink& m_link;
};

}  // namespace tq::ui
