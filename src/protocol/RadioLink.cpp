#include "protocol/RadioLink.h"
#include "link/FailureReport.h"

#include "link/Pause.h"
#include "link/PortFailure.h"
#include "protocol/DispatchRadioReplies.h"

namespace tq::protocol {

using link::elapsedSince;

namespace {

// Clocks round: a wait that ends a microsecond short of its limit has
// reached it, or the loop would ask the port for a wait too short to take.
constexpr double kClockResolution = 1e-6;

}  // namespace
using link::Pause;
using link::PortFailure;

RadioLink::RadioLink(link::SerialPort& port, link::Clock& clock, Indicators& indicators,
                     RadioState& state)
    : m_port(port), m_clock(clock), m_indicators(indicators), m_state(state) {}

void RadioLink::SendRadioCommand(const QString& text, bool terminate, double pauseSeconds) {
    m_indicators.setLamp(Lamp::Sending);
    // Each step goes on after a failed one, so a closed port costs only the
    // pause: callers rely on the timing, not on the write.
    int tries = 0;
    try {
        while (m_port.bytesToWrite() > 0 && tries < kDrainTries) {
            ++tries;
            Pause(m_clock, kDrainPause);
        }
    } catch (const PortFailure&) {
    }
    if (tries >= kDrainTries) {
        return;  // the queue never drained: drop the command, lamp stays red
    }
    try {
        m_port.write(terminate ? text + u'\n' : text);
    } catch (const PortFailure&) {
    }
    if (pauseSeconds != 0) {
        Pause(m_clock, pauseSeconds);
    }
    m_indicators.setLamp(Lamp::Idle);
}

void RadioLink::waitForFirstByte() {
    double start = m_clock.now();
    for (;;) {
        const double elapsed = elapsedSince(m_clock, start);
        if (elapsed >= kFirstByteTimeout - kClockResolution || m_port.bytesToRead() > 0) {
            return;
        }
        m_port.waitForReadyRead(kFirstByteTimeout - elapsed);
    }
}

void RadioLink::collectUntilQuiet() {
    // A radio that never pauses must not hold the program here for ever: once
    // the receive buffer is full the batch ends, as the port would overflow.
    const int bufferLimit = std::max(1, m_port.bufferOptions().receiveBufferSize);
    int waiting = m_port.bytesToRead();
    double lastGrowth = m_clock.now();
    for (;;) {
        const double quiet = elapsedSince(m_clock, lastGrowth);
        if (quiet >= kQuietWindow - kClockResolution || waiting >= bufferLimit) {
            return;
        }
        m_port.waitForReadyRead(kQuietWindow - quiet);
        const int now = m_port.bytesToRead();
        if (now > waiting) {
            waiting = now;
            lastGrowth = m_clock.now();
        }
    }
}

void RadioLink::AwaitRadioReply() {
    m_indicators.setLamp(Lamp::Awaiting);
    RxBuffer.clear();
    RxGotReply = false;
    waitForFirstByte();
    if (m_port.bytesToRead() > 0) {
        collectUntilQuiet();
        RxBuffer = m_port.readAll();
        m_port.discardInput();
        RxGotReply = true;
        if (!RxBuffer.isEmpty()) {
            m_indicators.setComStat(QStringLiteral("Com OK"));
            m_state.HashSeen = false;
            m_state.DotSeen = false;
            DispatchRadioReplies(RxBuffer, m_state, m_indicators);
            m_state.StatusComplete = m_state.HashSeen && m_state.DotSeen;
            if (repliesDispatched) {
                repliesDispatched();
            }
        }
    } else {
        m_indicators.setComStat(QStringLiteral("No Com"));
    }
    m_indicators.setLamp(Lamp::Idle);
}

void RadioLink::DrainRadioInput() {
    QString text = m_port.readAll();
    m_port.discardInput();
    if (!text.isEmpty()) {
        DispatchRadioReplies(text, m_state, m_indicators);
        if (repliesDispatched) {
            repliesDispatched();
        }
    }
}

void RadioLink::gSendSync(SyncCharacter syncChar) {
    m_indicators.setLamp(Lamp::Syncing);
    try {
        if (SyncTime == 0) {
            SyncTime = m_clock.now();
        }
        if (!LastSyncChar) {
            LastSyncChar = syncChar;
        }
        const double elapsed = m_clock.now() - SyncTime;
        const bool changed = syncChar != *LastSyncChar;
        if (elapsed > kSyncRepeatInterval || changed) {
            // Nothing goes out through a closed port: the radio keeps the
            // character it heard last, and the next call sends this one.
            if (m_port.isOpen()) {
                // Noted before the send's pause: a press handled in that
                // pause may send the other character, and the radio holds
                // whichever was written last.
                LastSyncChar = syncChar;
                SendRadioCommand(syncText(syncChar), false, kSyncPause);
                SyncTime = m_clock.now();
                ++SyncCount;
                m_indicators.setSyncLabel(syncText(syncChar));
            }
        } else if (elapsed > kSyncBlinkTime) {
            m_indicators.setSyncLabel(QString());
        } else if (SyncTime > m_clock.now()) {
            SyncTime -= link::Clock::kSecondsPerDay;
        }
    } catch (const PortFailure& failure) {
        link::reportFailure(m_indicators, QStringLiteral("gSendSync"), failure);
    }
    m_indicators.setLamp(Lamp::Idle);
}

void RadioLink::writeDirect(const QString& text) {
    m_port.write(text);
}

}  // namespace tq::protocol
