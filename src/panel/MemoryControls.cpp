#include "panel/MemoryControls.h"

#include <algorithm>

#include "link/Pause.h"
#include "panel/TransmitPermission.h"

namespace tq::panel {

namespace {

constexpr int kLastChannel = 99;
constexpr int kTensStep = 10;
constexpr int kUnitsStep = 1;
constexpr int kFrequencyDigits = 7;

// Channels always travel as two digits, 7 as "07".
QString twoDigits(int channel) {
    return QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
}

bool isDigits(const QString& text, int count) {
    if (text.size() != count) {
        return false;
    }
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// A mode the radio can take, "M1" (USB) to "M4" (CW).
bool isModeCode(const QString& code) {
    return code.size() == 2 && code.at(0) == u'M' && code.at(1) >= u'1' && code.at(1) <= u'4';
}

}  // namespace

MemoryControls::MemoryControls(PanelContext panel)
    : m_panel(panel), m_link(panel.link), m_state(panel.link.state()), m_beep([] {}) {}

int MemoryControls::shownChannel() const {
    bool ok = false;
    const int channel = m_panel.model.channel().toInt(&ok);
    if (!ok || channel < 0) {
        return 0;
    }
    return std::min(channel, kLastChannel);
}

void MemoryControls::showChannel(int channel) {
    m_panel.model.channel.set(twoDigits(channel));
}

bool MemoryControls::inMemoryOperation() const {
    return m_panel.model.channelOperation() == ChannelOperation::Memory;
}

void MemoryControls::stepOnce() {
    int channel = shownChannel();
    // No wrap-around: at either end the digit stays and the operator hears it.
    switch (m_direction) {
        case kLeftButton:
            if (channel <= kLastChannel - m_step) {
                channel += m_step;
            } else {
                m_beep();
            }
            break;
        case kRightButton:
            if (channel >= m_step) {
                channel -= m_step;
            } else {
                m_beep();
            }
            break;
        default:
            break;
    }
    showChannel(channel);
}

void MemoryControls::channelDigitDown(int index, int button) {
    if (index < 0 || index >= PanelModel::kChannelDigits) {
        return;
    }
    // A press arriving while another is held is dropped, and the press after
    // it starts afresh: the way out should a release ever have been lost.
    if (m_busy) {
        m_busy = false;
        return;
    }
    m_busy = true;
    m_held = true;
    m_step = index == 0 ? kTensStep : kUnitsStep;
    m_direction = button;
    while (m_held) {
        stepOnce();
        link::Pause(m_link.clock(), kStepInterval);
        // A release that came in as the pause ended is seen before the next
        // step, not after it.
        m_link.clock().waitForEvents(0);
    }
    if (inMemoryOperation()) {
        m_channelChangePending = true;
    }
    m_busy = false;
}

void MemoryControls::channelDigitUp(int /*index*/, int /*button*/) {
    m_held = false;
}

void MemoryControls::sendChannelChange() {
    if (!m_channelChangePending) {
        return;
    }
    // Memory operation may have ended since the release; then the radio
    // stays on the VFO it was given back. A transmission keeps its channel;
    // the change goes out once it ends.
    if (!frequencyMayMove(m_link)) {
        return;
    }
    m_channelChangePending = false;
    if (inMemoryOperation()) {
        m_link.SendRadioCommand(u'C' + twoDigits(shownChannel()), true, kChannelPause);
    }
}

void MemoryControls::m2vCmd() {
    const QString channel = twoDigits(shownChannel());
    if (frequencyMayMove(m_link)) {
        m_link.SendRadioCommand(u'C' + channel, true, kChannelPause);
        m_panel.model.infoLine.set(QStringLiteral("Channel ") + channel);
    }
    m_panel.requests.clear(PanelRequest::cmdM2V);
}

void MemoryControls::v2mCmd() {
    // What the radio reported, not the digits on the panel: the panel may
    // show a frequency the radio never took.
    const QString frequency = m_state.FreqReply.mid(1, kFrequencyDigits);
    const QString mode = m_state.ModeReply.mid(1, 1);
    // Before the radio has reported both there is nothing worth storing, and
    // a malformed entry must not reach its memory.
    if (isDigits(frequency, kFrequencyDigits) && isModeCode(u'M' + mode)) {
        m_link.SendRadioCommand(u'P' + twoDigits(shownChannel()) + frequency + mode, true,
                                kChannelPause);
    }
    m_panel.requests.clear(PanelRequest::cmdV2M);
}

void MemoryControls::vmCmd() {
    // Cleared first: a click during the exchanges below asks for the way
    // back, and that must not be lost.
    m_panel.requests.clear(PanelRequest::cmdVM);
    // Either way the radio moves to another frequency.
    if (!frequencyMayMove(m_link)) {
        return;
    }
    if (inMemoryOperation()) {
        leaveMemoryOperation();
    } else {
        enterMemoryOperation();
    }
}

void MemoryControls::enterMemoryOperation() {
    m_panel.model.frequencyLock.set(true);
    m_savedFrequency = m_panel.model.vfoA();
    m_savedMode = m_state.ModeReply;
    m_panel.model.channelOperation.set(ChannelOperation::Memory);
    // The channel goes out below; an earlier change still waiting is stale.
    m_channelChangePending = false;
    m_link.SendRadioCommand(u'C' + twoDigits(shownChannel()), true, kChannelPause);
}

void MemoryControls::leaveMemoryOperation() {
    const bool frequencySaved = isDigits(m_savedFrequency, kFrequencyDigits);
    if (frequencySaved) {
        m_panel.model.vfoA.set(m_savedFrequency);
    }
    m_panel.model.frequencyLock.set(false);
    if (isModeCode(m_savedMode)) {
        m_panel.commands.SelectMode(m_savedMode);
    }
    if (frequencySaved) {
        m_link.SendRadioCommand(u'F' + m_savedFrequency, true, kFrequencyPause);
    }
    m_panel.model.channelOperation.set(ChannelOperation::Vfo);
}

}  // namespace tq::panel
