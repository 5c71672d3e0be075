#pragma once

#include <QByteArray>
#include <QList>
#include <ostream>

#include "sim/RadioSimulator.h"

// Shows reply lines readably in failure messages ("\n" for a line feed).
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

namespace tq::sim::test {

/// Splits reply bytes into lines; a trailing piece without its line feed is
/// returned as the last element so that a test notices it.
inline QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

inline RadioOptions optionsFor(Firmware firmware) {
    RadioOptions options;
    options.firmware = firmware;
    return options;
}

/// A simulated radio driven the way the program drives it: bytes in at a
/// moment of the radio's time line, reply lines out.
class RadioDriver {
public:
    explicit RadioDriver(const RadioOptions& options = {}) : m_radio(options) {}
    explicit RadioDriver(Firmware firmware) : m_radio(optionsFor(firmware)) {}

    /// Sends the bytes now and returns every line the radio produced.
    QList<QByteArray> send(const QByteArray& bytes) {
        m_radio.receive(bytes, m_now);
        return linesOf(m_radio.takeOutput());
    }

    /// Lets time run to the given moment and returns the unasked lines.
    QList<QByteArray> runUntil(double time) {
        m_now = time;
        m_radio.advanceTo(time);
        return linesOf(m_radio.takeOutput());
    }

    QList<QByteArray> setRemote(bool remote) {
        m_radio.setRemote(remote);
        return linesOf(m_radio.takeOutput());
    }

    QList<QByteArray> statusDump() { return send("?\n"); }

    RadioSimulator& radio() { return m_radio; }
    double now() const { return m_now; }

private:
    RadioSimulator m_radio;
    double m_now = 0.0;
};

}  // namespace tq::sim::test
