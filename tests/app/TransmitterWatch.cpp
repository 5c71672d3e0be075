#include "TransmitterWatch.h"

#include <algorithm>
#include <array>
#include <utility>

#include "sim/RadioSettings.h"

namespace tq::test {

namespace {

/// One keep-alive (2 s), plus the longest exchange the main loop may be in
/// when a release comes (a frequency set and its reply, tune's mode restore).
constexpr double kReleaseDeadline = 2.0 + 2.0;
constexpr double kLookInterval = 0.1;

/// Where the band plan lets a transmitter key (10 Hz units): the amateur
/// bands, edges included, and the 60 m channels alone. Written out here, not
/// taken from the program, so that a fault in its own table shows.
bool permitted(int f) {
    // Each band's lower and upper edge.
    static constexpr std::array kEdges{180000,  200000,  350000,  400000,  700000,  730000,
                                       1010000, 1015000, 1400000, 1435000, 1806800, 1816800,
                                       2100000, 2145000, 2489000, 2499000, 2800000, 2970000};
    static constexpr std::array kChannels{533050, 534650, 535700, 537150, 540350};
    for (std::size_t i = 0; i < kEdges.size(); i += 2) {
        if (f >= kEdges[i] && f <= kEdges[i + 1])
            return true;
    }
    return std::ranges::find(kChannels, f) != kChannels.end();
}

}  // namespace

TransmitterWatch::TransmitterWatch(ProgramHarness& harness, bool outOfBandAllowed)
    : m_h(harness), m_outOfBandAllowed(outOfBandAllowed) {
    m_h.clock.schedule(kLookInterval, [this] { look(); });
}

void TransmitterWatch::portBack() {
    m_keyedAtReturn = lastSync() == 'K';
    m_returnMark = m_h.port.written().size();
}

void TransmitterWatch::breakRule(const std::string& rule) {
    if (m_broken.empty()) {
        m_broken = "at " + std::to_string(m_h.clock.elapsedTotal()) + " s: " + rule;
    }
}

void TransmitterWatch::look() {
    m_h.clock.schedule(kLookInterval, [this] { look(); });
    const double now = m_h.clock.elapsedTotal();
    const sim::RadioSimulator& radio = m_h.port.radio();
    const bool keyed = radio.settings().keyed();
    const int frequency = radio.settings().get(sim::Setting::Frequency);
    if (keyed && !m_outOfBandAllowed && !permitted(frequency)) {
        breakRule("keyed on " + QString::number(frequency / 1e5, 'f', 5).toStdString() + " MHz");
    }
    // The main loop cannot act on a release while it is held elsewhere.
    if (!m_h.port.isOpen() || m_h.formLoad->stage() != app::Stage::MainLoop ||
        !m_h.program->model().panelEnabled()) {
        m_busyUntil = now;
    }
    m_releasedAt = anyHolder() ? std::nullopt : std::optional(m_releasedAt.value_or(now));
    if (m_releasedAt && now > std::max(*m_releasedAt, m_busyUntil) + kReleaseDeadline) {
        if (keyed || (lastSync() == 'K' && radio.isRemote() && m_h.port.isOpen())) {
            breakRule("still keyed " + std::to_string(now - *m_releasedAt) + " s after release");
        }
    }
    checkReturn();
}

bool TransmitterWatch::anyHolder() {
    // The latch or tune asked for holds until the panel shows it refused or
    // ended.
    panel::Panel& panel = *m_h.program->panel;
    panel::PanelModel& model = m_h.program->model();
    const bool busy = panel.transmit().exchangeRunning();
    holders.latch = holders.latch && (busy || holders.catWish || model.xmitActive() ||
                                      m_h.program->gateway.view().xmitLatched ||
                                      panel.requests().isRaised(panel::PanelRequest::cmdXmit));
    holders.tune = holders.tune && (busy || model.tuning() ||
                                    panel.requests().isRaised(panel::PanelRequest::cmdTune));
    return holders.ptt || holders.latch || holders.tune;
}

char TransmitterWatch::lastSync() const {
    const QByteArray& written = m_h.port.written();
    const qsizetype k = written.lastIndexOf('K');
    const qsizetype u = written.lastIndexOf('U');
    return k > u ? 'K' : u >= 0 ? 'U' : 0;
}

void TransmitterWatch::checkReturn() {
    // The program sends "U" as it reopens the port, before anything else: a
    // radio last sent "K" must not be retuned still keyed.
    if (m_returnMark < 0 || m_h.port.written().size() <= m_returnMark) {
        return;
    }
    const QByteArray heard = m_h.port.written().mid(m_returnMark);
    const auto sync = std::ranges::find_if(heard, [](char c) { return c == 'K' || c == 'U'; });
    if (sync == heard.end() && !m_keyedAtReturn) {
        return;
    }
    if ((m_keyedAtReturn && heard[0] != 'U') || (sync != heard.end() && *sync == 'K')) {
        breakRule(std::string("the radio, last sent ") + (m_keyedAtReturn ? "K" : "U") +
                  ", first heard \"" + heard.left(9).toStdString() + "\" on its return");
    }
    m_returnMark = -1;
}

}  // namespace tq::test
