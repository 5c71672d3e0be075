#pragma once

#include <QByteArray>
#include <QTcpSocket>
#include <memory>

namespace tq::link {
class PtyPair;
}

namespace tq::bench {

/// One request of station software and what came back.
struct Exchange {
    QByteArray reply;
    /// From the write of the request to the last byte of the reply.
    double ms = 0;
    /// The whole reply came within the limit.
    bool answered = false;
};

/// Sends a request on the CAT port's far end and collects the reply until
/// it holds replyLength bytes or limitMs pass. A reply that comes too late
/// is read and dropped, so it is not taken for the next request's.
Exchange catExchange(link::PtyPair& station, const QByteArray& request, int replyLength,
                     int limitMs);

/// A network rig control client over TCP, as Hamlib's programs are: one
/// line sent, its whole reply awaited. Blocking; lives in the thread that
/// makes it.
class RigctlClient {
public:
    /// Connects to the program on 127.0.0.1; false when it cannot.
    bool connectTo(quint16 port);
    /// Sends the line (a newline is added) and waits for replyLines lines.
    Exchange exchange(const QByteArray& line, int replyLines, int limitMs);

private:
    std::unique_ptr<QTcpSocket> m_socket;
};

/// A port on 127.0.0.1 that nothing listens on now.
quint16 freeTcpPort();

}  // namespace tq::bench
