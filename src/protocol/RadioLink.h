#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "link/Clock.h"
#include "link/SerialPort.h"
#include "protocol/Indicators.h"
#include "protocol/RadioState.h"
#include "protocol/SyncCharacter.h"

namespace tq::protocol {

/// The exchanges with the radio: sending a command, awaiting and dispatching
/// its reply batch, draining stray input, and the sync keep-alive.
///
/// Replies are polled, never delivered by events: the reply wait blocks in the
/// port (no window events), everything else waits in Pause (window events).
class RadioLink {
public:
    static constexpr double kFirstByteTimeout = 0.8;
    static constexpr double kQuietWindow = 0.06;
    static constexpr double kDrainPause = 0.01;
    static constexpr int kDrainTries = 10;
    static constexpr double kSyncRepeatInterval = 2.0;
    static constexpr double kSyncBlinkTime = 1.0;
    static constexpr double kSyncPause = 0.2;

    RadioLink(link::SerialPort& port, link::Clock& clock, Indicators& indicators,
              RadioState& state);

    /// Writes text (plus one line feed when terminate is set) once the
    /// transmit queue is empty, then pauses. Port failures are ignored: the
    /// radio code treats a lost command like an unanswered one.
    void SendRadioCommand(const QString& text, bool terminate, double pauseSeconds);

    /// Waits up to 0.8 s for a first byte, collects until 60 ms pass without
    /// a new one, then dispatches the batch. Port failures reach the caller.
    void AwaitRadioReply();

    /// Dispatches whatever is waiting now, without waiting.
    void DrainRadioInput();

    /// Sends the sync character as a keep-alive: a change between "K" and "U"
    /// at once, a repeat at most every 2 s.
    void gSendSync(SyncCharacter syncChar);

    /// Writes a complete text straight to the port, bypassing the lamp and
    /// the transmit-queue wait (the direct sets and the BFO use this).
    void writeDirect(const QString& text);

    link::SerialPort& port() { return m_port; }
    link::Clock& clock() { return m_clock; }
    Indicators& indicators() { return m_indicators; }
    RadioState& state() { return m_state; }

    /// Called after each batch of replies was filed in the radio state, so
    /// whoever shows the state elsewhere can follow at once.
    std::function<void()> repliesDispatched;

    // Link state, read by the panel and the keep-alive.
    QString RxBuffer;
    bool RxGotReply = false;
    SyncCharacter SyncChar = SyncCharacter::U;
    /// The character sent last; nothing before the first.
    std::optional<SyncCharacter> LastSyncChar;
    double SyncTime = 0.0;
    int SyncCount = 0;

private:
    void waitForFirstByte();
    void collectUntilQuiet();

    link::SerialPort& m_port;
    link::Clock& m_clock;
    Indicators& m_indicators;
    RadioState& m_state;
};

}  // namespace tq::protocol
