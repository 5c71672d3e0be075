#include "sim/SimulatedPort.h"

#include <algorithm>
#include <cmath>

#include "link/PortFailure.h"

namespace tq::sim {

namespace {
// A wait never sleeps for less, so rounding cannot turn it into a spin.
constexpr double kShortestSleep = 1e-4;
// Clock readings near 86400 carry rounding noise of about 1e-11 s; a delivery
// this close to due is due, so a wait that ends exactly on it finds it.
constexpr double kTimeTolerance = 1e-9;
}  // namespace

SimulatedPort::SimulatedPort(link::Clock& clock, const RadioOptions& options)
    : m_clock(clock), m_radio(options), m_clockMark(clock.now()) {}

double SimulatedPort::radioTime() {
    m_radioTime += link::elapsedSince(m_clock, m_clockMark);
    m_clockMark = m_clock.now();
    return m_radioTime;
}

void SimulatedPort::collectRadioOutput(double at) {
    QByteArray bytes = m_radio.takeOutput();
    if (m_open && !bytes.isEmpty()) {
        m_pending.emplace(at + m_replyDelay, std::move(bytes));
    }
}

void SimulatedPort::pump() {
    const double now = radioTime();
    const double due = now + kTimeTolerance;
    // Timed changes one at a time, each stamped with its own moment.
    for (double next = m_radio.nextEventTime(); next <= due; next = m_radio.nextEventTime()) {
        m_radio.advanceTo(next);
        collectRadioOutput(next);
    }
    m_radio.advanceTo(now);
    collectRadioOutput(now);
    while (!m_pending.empty() && m_pending.begin()->first <= due) {
        appendInput(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
    }
}

void SimulatedPort::appendInput(QByteArrayView bytes) {
    const qsizetype room = bufferOptions().receiveBufferSize - m_input.size();
    m_input += bytes.first(std::clamp<qsizetype>(room, 0, bytes.size()));
    if (room < bytes.size()) {
        raiseEvent(link::CommEvent::kReceiveOverflow);
    }
}

double SimulatedPort::timeToNextDelivery(double now) const {
    double next = m_radio.nextEventTime();
    if (!m_pending.empty()) {
        next = std::min(next, m_pending.begin()->first);
    }
    return next - now;
}

void SimulatedPort::doOpen() {
    if (m_missing) {
        throw link::PortFailure(link::PortFailure::kInvalidPortNumber,
                                QStringLiteral("Invalid port number"));
    }
    // What the radio said while nobody listened is gone.
    m_radio.advanceTo(radioTime());
    m_radio.takeOutput();
    m_open = true;
}

void SimulatedPort::doClose() {
    m_open = false;
    m_pending.clear();
    m_input.clear();
}

int SimulatedPort::doBytesToRead() {
    pump();
    return static_cast<int>(m_input.size());
}

void SimulatedPort::doDiscardInput() {
    pump();
    m_input.clear();
}

QString SimulatedPort::doReadAll() {
    pump();
    QString text;
    text.reserve(m_input.size());
    for (char c : std::exchange(m_input, {})) {
        const char ascii = static_cast<char>(c & 0x7F);
        if (ascii == '\0' && bufferOptions().discardNull) {
            continue;
        }
        text.append(QLatin1Char(ascii));
    }
    return text;
}

void SimulatedPort::doWrite(const QString& text) {
    pump();
    const QByteArray bytes = text.toLatin1();
    m_written += bytes;
    const double now = radioTime();
    m_radio.receive(bytes, now);
    collectRadioOutput(now);
}

int SimulatedPort::doBytesToWrite() {
    return m_stuckTransmitBytes;
}

bool SimulatedPort::doWaitForReadyRead(double maxSeconds) {
    // Bytes the radio has delivered but nobody has looked at yet count as
    // new, as bytes still in the driver do on a real port.
    const qsizetype before = m_input.size();
    double start = m_clock.now();
    pump();
    while (m_input.size() <= before) {
        const double remaining = maxSeconds - link::elapsedSince(m_clock, start);
        if (remaining <= 0) {
            return false;
        }
        const double untilNext = timeToNextDelivery(m_radioTime);
        m_clock.sleep(std::min(remaining, std::max(untilNext, kShortestSleep)));
        pump();
    }
    return true;
}

void SimulatedPort::setLine(bool& line, bool on, int eventCode) {
    if (line == on) {
        return;
    }
    line = on;
    if (m_open) {
        raiseEvent(eventCode);
    }
}

void SimulatedPort::setDsr(bool on) {
    setLine(m_dsr, on, link::CommEvent::kDsrChanged);
}
void SimulatedPort::setCts(bool on) {
    setLine(m_cts, on, link::CommEvent::kCtsChanged);
}
void SimulatedPort::setCd(bool on) {
    setLine(m_cd, on, link::CommEvent::kCdChanged);
}

void SimulatedPort::raiseLineError(int code) {
    if (m_open) {
        raiseEvent(code);
    }
}

void SimulatedPort::unplug() {
    m_missing = true;
    if (m_open) {
        close();
        raiseEvent(link::CommEvent::kDeviceLost);
    }
}

void SimulatedPort::injectBytes(QByteArrayView bytes) {
    if (m_open) {
        pump();
        appendInput(bytes);
    }
}

}  // namespace tq::sim
