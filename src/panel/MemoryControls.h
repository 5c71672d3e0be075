#pragma once

#include <QString>
#include <functional>
#include <utility>

#include "panel/PanelContext.h"

namespace tq::panel {

/// The memory channel controls of the front panel: the two channel digits,
/// recall, store, and the switch between VFO and memory operation.
class MemoryControls {
public:
    /// How long a held channel digit waits between two steps.
    static constexpr double kStepInterval = 0.25;
    static constexpr double kChannelPause = 0.1;
    static constexpr double kFrequencyPause = 0.2;

    explicit MemoryControls(PanelContext panel);

    /// A press on a channel digit (0 tens, 1 units) with button 1 (up) or 2
    /// (down): steps at once, then every 0.25 s until a release. Runs inside
    /// the press handler, so it may be nested in any pause of the program.
    void channelDigitDown(int index, int button);
    /// A release on either channel digit ends the stepping.
    void channelDigitUp(int index, int button);

    /// Tells the radio the channel stepped to in memory operation. The press
    /// handler may run in the middle of another operation's exchange, so it
    /// only notes the change; the main loop sends it between operations.
    void sendChannelChange();
    bool channelChangePending() const { return m_channelChangePending; }

    /// Recalls the selected channel (cmdM2V).
    void m2vCmd();
    /// Stores the radio's reported frequency and mode in the selected
    /// channel (cmdV2M).
    void v2mCmd();
    /// Enters or leaves memory operation (cmdVM).
    void vmCmd();

    /// What sounds when a digit cannot step further.
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    /// The channel the digits show, 0..99; digits that are no channel
    /// number count as the nearest one (garbage as 0).
    int shownChannel() const;
    void showChannel(int channel);
    bool inMemoryOperation() const;
    void stepOnce();
    void enterMemoryOperation();
    void leaveMemoryOperation();

    PanelContext m_panel;
    protocol::RadioLink& m_link;
    protocol::RadioState& m_state;
    std::function<void()> m_beep;

    // Channel stepping: one press steps by m_step in m_direction until the
    // release clears m_held.
    int m_step = 1;
    int m_direction = 0;
    bool m_busy = false;
    bool m_held = false;
    bool m_channelChangePending = false;

    // VFO A as it stood when memory operation began, restored when it ends.
    QString m_savedFrequency;
    QString m_savedMode;
};

}  // namespace tq::panel
