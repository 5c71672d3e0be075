#pragma once

#include <QString>
#include <functional>

#include "panel/PanelContext.h"

namespace tq::panel {

class ReceiverControls;
class TransmitControls;

/// Frequency entry: steps VFO A (sent to the radio) and VFO B (panel only)
/// digit by digit from mouse presses and the I / D keys, and serves copy,
/// swap and split.
class VfoControls {
public:
    // Frequencies in 10 Hz units: 1.6 MHz up to, not including, 30 MHz.
    static constexpr int kLowest = 160000;
    static constexpr int kBeyondHighest = 3000000;
    static constexpr double kStepPause = 0.05;
    static constexpr double kSendPause = 0.4;
    static constexpr double kVfoBRepeat = 0.25;
    static constexpr double kSwapPause = 0.25;
    /// Key codes of the letters I (up) and D (down).
    static constexpr int kKeyUp = 73;
    static constexpr int kKeyDown = 68;

    /// Registers itself with transmit, which exchanges the VFOs for split
    /// transmit; the swap runs receiver's mode operation.
    VfoControls(PanelContext panel, ReceiverControls& receiver, TransmitControls& transmit);
    ~VfoControls();
    VfoControls(const VfoControls&) = delete;
    VfoControls& operator=(const VfoControls&) = delete;

    /// Press on a VFO A digit (0..6), or a key step (digit + 6). Steps and
    /// sends while held; returns after the release.
    void cmdF_MouseDown(int index, int button, int shift = 0, int x = 0, int y = 0);
    void cmdF_MouseUp(int index, int button, int shift = 0, int x = 0, int y = 0);
    /// Press on a VFO B digit: steps the read-out every 0.25 s while held.
    void cmdVFOB_MouseDown(int index, int button, int shift = 0, int x = 0, int y = 0);
    void cmdVFOB_MouseUp(int index, int button, int shift = 0, int x = 0, int y = 0);
    /// Window-level key: I and D step VFO A at the chosen step size. True
    /// when the key belongs to the frequency entry, so no control sees it.
    bool Form_KeyDown(int key);

    /// Served requests; each clears its own.
    void a2bCmd();
    void swapCmd();
    void splitCmd();

    /// Exchanges VFO A and VFO B with their modes and tunes the radio to
    /// the new VFO A; the transmit side uses it for split.
    void swapVfos();

    /// A VFO A step or a swap is exchanging with the radio.
    bool exchangeRunning() const { return m_busyA || m_keyboardBusy || m_swapRunning; }

    /// What sounds when a step would leave the range.
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    bool vfoAPressRefused() const;
    void stepVfoA(int digit, int direction, bool fromMouse);
    void sendFrequency(const QString& digits);

    PanelContext m_panel;
    ReceiverControls& m_receiver;
    TransmitControls& m_transmit;
    std::function<void()> m_beep;

    // VFO A stepping, kept between presses.
    bool m_busyA = false;
    bool m_heldA = false;
    bool m_keyStepPending = false;
    bool m_keyboardBusy = false;

    // VFO B stepping.
    bool m_busyB = false;
    bool m_heldB = false;

    bool m_swapRunning = false;
};

}  // namespace tq::panel
