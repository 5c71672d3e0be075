#pragma once

#include <QByteArray>
#include <QList>
#include <ostream>

#include "sim/RadioSimulator.h"

// Shows reply lines readably in failure messages.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toPercentEncoding().constData() << '"';
}

namespace tq::sim::test {

inline RadioOptions optionsFor(Firmware firmware) {
    RadioOptions options;
    options.firmware = firmware;
    return options;
}

/// A simulated radio driven the way the program drives it: bytes in at a
/// moment of the radio's time line, reply lines out. A trailing piece without
/// its line feed comes out as the last line, so that a test notices it.
class RadioDriver {
public:
    explicit RadioDriver(const RadioOptions& options = {}) : m_radio(options) {}
    explicit RadioDriver(Firmware firmware) : m_radio(optionsFor(firmware)) {}

    QList<QByteArray> send(const QByteArray& bytes) {
        m_radio.receive(bytes, m_now);
        return output();
    }
    /// Lets time run to the given moment; the lines the radio sent unasked.
    QList<QByteArray> runUntil(double time) {
        m_radio.advanceTo(m_now = time);
        return output();
    }
    QList<QByteArray> statusDump() { return send("?\n"); }
    RadioSimulator& radio() { return m_radio; }

private:
    QList<QByteArray> output() {
        QList<QByteArray> lines = m_radio.takeOutput().split('\n');
        if (lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }

    RadioSimulator m_radio;
    double m_now = 0.0;
};

}  // namespace tq::sim::test
