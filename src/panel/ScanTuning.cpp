#include "panel/ScanTuning.h"

#include "link/PortFailure.h"
#include "panel/StatusDisplay.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"

namespace tq::panel {

namespace {

const QString kRemoteReply = QStringLiteral("R1");
const QString kLocalReply = QStringLiteral("R0");

}  // namespace

ScanTuning::ScanTuning(protocol::RadioLink& link, StatusDisplay& display)
    : m_link(link), m_display(display), m_startedRemote(link.state().RemoteReply == kRemoteReply) {}

bool ScanTuning::tune(const QString& command, const std::function<bool()>& mustEnd,
                      const std::function<void()>& beforeSend) {
    protocol::RadioState& state = m_link.state();
    link::Clock& clock = m_link.clock();
    for (;;) {
        if (beforeSend) {
            beforeSend();
        }
        state.FreqReplyNew = false;
        double sentAt = clock.now();
        m_link.SendRadioCommand(command, true, kTunePause);
        while (link::elapsedSince(clock, sentAt) < kReplyWait && !state.FreqReplyNew) {
            m_link.AwaitRadioReply();
            if (mustEnd()) {
                return false;
            }
        }
        if (!state.FreqReplyNew) {
            // A radio that stays silent is asked for its status once, and the
            // scan moves on rather than hang on one frequency.
            m_link.SendRadioCommand(QStringLiteral("?"), true, kStatusPause);
            m_link.AwaitRadioReply();
            break;
        }
        // A reply for another frequency (a knob turned, a garbled line) means
        // the radio is not where the scan believes: ask again.
        if (state.FreqReply == command && state.FreqReplyValid) {
            break;
        }
    }
    if (state.FreqReply == command) {
        m_display.ShowFrequency();
    }
    return true;
}

bool ScanTuning::radioWentLocal() const {
    return m_startedRemote && m_link.state().RemoteReply == kLocalReply;
}

bool ScanTuning::radioWentLocalWhileIdle() {
    try {
        m_link.DrainRadioInput();
    } catch (const link::PortFailure&) {
        return false;
    }
    return radioWentLocal();
}

}  // namespace tq::panel
