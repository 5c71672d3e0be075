#include "ui/main/MemoryControls.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "link/Pause.h"

namespace tq::ui {

namespace {

constexpr int kLastChannel = 99;
constexpr int kTensStep = 10;
constexpr int kUnitsStep = 1;
constexpr int kFrequencyDigits = 7;

const QString kMemoryCaption = QStringLiteral("MEM");
const QString kVfoCaption = QStringLiteral("VFO");

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

MemoryControls::MemoryControls(frmTQ5820& panel, protocol::RadioLink& link,
                               protocol::RadioCommands& commands)
    : m_panel(panel), m_link(link), m_commands(commands), m_state(link.state()), m_beep([] {
          QApplication::beep();
      }) {}

int MemoryControls::shownChannel() const {
    bool ok = false;
    const int channel = (m_panel.cmdM[0]->text() + m_panel.cmdM[1]->text()).toInt(&ok);
    if (!ok || channel < 0) {
        return 0;
    }
    return std::min(channel, kLastChannel);
}

void MemoryControls::showChannel(int channel) {
    const QString text = twoDigits(channel);
    for (std::size_t k = 0; k < m_panel.cmdM.size(); ++k) {
        m_panel.cmdM[k]->setText(text.mid(static_cast<int>(k), 1));
    }
}

bool MemoryControls::inMemoryOperation() const {
    return m_panel.cmdVM->text() == kVfoCaption;
}

void MemoryControls::stepOnce() {
    int channel = shownChannel();
    // No wrap-around: at either end the digit stays and the operator hears it.
    switch (m_direction) {
        case StepButton::kLeft:
            if (channel <= kLastChannel - m_step) {
                channel += m_step;
            } else {
                m_beep();
            }
            break;
        case StepButton::kRight:
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
    if (index < 0 || index >= frmTQ5820::kChannelDigits) {
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
    m_channelChangePending = false;
    // Memory operation may have ended since the release; then the radio
    // stays on the VFO it was given back.
    if (inMemoryOperation()) {
        m_link.SendRadioCommand(u'C' + twoDigits(shownChannel()), true, kChannelPause);
    }
}

void MemoryControls::m2vCmd() {
    const QString channel = twoDigits(shownChannel());
    m_link.SendRadioCommand(u'C' + channel, true, kChannelPause);
    m_panel.lblInfo->setText(QStringLiteral("Channel ") + channel);
    m_panel.requests().clear(panel::PanelRequest::cmdM2V);
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
    m_panel.requests().clear(panel::PanelRequest::cmdV2M);
}

void MemoryControls::vmCmd() {
    // Cleared first: a click during the exchanges below asks for the way
    // back, and that must not be lost.
    m_panel.requests().clear(panel::PanelRequest::cmdVM);
    struct Switch {
        const QString& caption;
        void (MemoryControls::*run)();
    };
    const std::array<Switch, 2> switches{{
        {kMemoryCaption, &MemoryControls::enterMemoryOperation},
        {kVfoCaption, &MemoryControls::leaveMemoryOperation},
    }};
    const QString shown = m_panel.cmdVM->text();
    for (const Switch& s : switches) {
        if (shown == s.caption) {
            (this->*s.run)();
            return;
        }
    }
}

void MemoryControls::enterMemoryOperation() {
    m_panel.FrequencyLock = true;
    m_savedFrequency.clear();
    for (const StepButton* digit : m_panel.cmdF) {
        m_savedFrequency += digit->text();
    }
    m_savedMode = m_state.ModeReply;
    m_panel.cmdVM->setText(kVfoCaption);
    // The channel goes out below; an earlier change still waiting is stale.
    m_channelChangePending = false;
    m_link.SendRadioCommand(u'C' + twoDigits(shownChannel()), true, kChannelPause);
}

void MemoryControls::leaveMemoryOperation() {
    const bool frequencySaved = isDigits(m_savedFrequency, kFrequencyDigits);
    if (frequencySaved) {
        for (std::size_t i = 0; i < m_panel.cmdF.size(); ++i) {
            m_panel.cmdF[i]->setText(m_savedFrequency.mid(static_cast<int>(i), 1));
        }
    }
    m_panel.FrequencyLock = false;
    if (isModeCode(m_savedMode)) {
        m_commands.SelectMode(m_savedMode);
    }
    if (frequencySaved) {
        m_link.SendRadioCommand(u'F' + m_savedFrequency, true, kFrequencyPause);
    }
    m_panel.cmdVM->setText(kMemoryCaption);
}

}  // namespace tq::ui
