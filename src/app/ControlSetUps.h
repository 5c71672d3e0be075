#pragma once

#include <functional>
#include <optional>

#include "app/Program.h"
#include "app/Stage.h"

namespace tq::app {

/// Arranges the panel for the radio's control mode. Under remote control the
/// whole panel is enabled and the radio's audio routing brought back to the
/// operator's saved settings; under local control the controls that would
/// command the radio are disabled. Both decide the firmware dialect and end
/// in the main-loop set-up.
class ControlSetUps {
public:
    // How often each audio restore step is tried before the set-up goes on
    // without it: the radio may not take a setting at all.
    static constexpr int kSourceTries = 4;
    static constexpr int kClipTries = 3;
    static constexpr int kPttEnableTries = 3;
    static constexpr int kVoxTries = 4;

    explicit ControlSetUps(Program& program);

    using StopCheck = std::function<bool()>;

    Stage remoteSetUp(const StopCheck& stop);
    /// The remote set-up from its panel step, also run when the audio setup
    /// dialog applies new settings.
    Stage remotePanelStep(const StopCheck& stop);
    Stage localSetUp(const StopCheck& stop);

    /// The status request every step of start-up repeats: "?" and 0.6 s
    /// for the radio to send its dump.
    void statusQuery();

private:
    bool stopping(const StopCheck& stop) const;
    std::optional<Stage> leftForPort();
    /// Runs step until done() or tries run out.
    static void tryUpTo(int tries, const std::function<bool()>& done,
                        const std::function<void()>& step);
    /// Waits for a complete status dump, asking again and again; where the
    /// set-up goes instead when it is stopped or the port changes.
    std::optional<Stage> awaitCompleteStatus(const StopCheck& stop, Stage here);
    // The remote set-up's steps, in their order.
    void holdPanelForSetUp();
    void restoreAudio();
    void showFrequencyAndBandLimits();
    void resetReceiverControls();
    void releasePanelAfterSetUp();
    /// The local set-up's panel: controls that would command the radio off.
    void arrangeLocalPanel();
    void setInfoStandby(bool standby);

    Program& m_program;
};

}  // namespace tq::app
