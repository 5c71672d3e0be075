#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <deque>
#include <map>
#include <optional>

#include "rigctl/RigAccess.h"

class QTcpSocket;

namespace tq::rigctl {

/// Hamlib-compatible network rig control: accepts clients on a TCP port,
/// collects their command lines and, when the main loop serves them, runs
/// them against the radio and writes each line's reply.
///
/// Receiving only queues lines and raises the pending flag, so a network
/// request never runs in the middle of an exchange with the radio. Every
/// buffer is bounded: a client gets at most a few lines queued (the rest
/// waits in the kernel, which then slows the sender), an over-long line is
/// discarded and answered with an error, and a client that stops reading
/// its replies is cut off. A client that drops its connection while it
/// holds the transmitter has the transmitter released.
class RigctlServer : public QObject {
    Q_OBJECT

public:
    /// Longest command line taken; Hamlib's own lines are under 100 bytes.
    static constexpr qsizetype kMaxLineLength = 1024;
    /// Bytes read ahead from one client's connection.
    static constexpr qint64 kReadBufferSize = 4096;
    static constexpr int kMaxQueuedLinesPerClient = 8;
    /// Reply bytes a client may leave unread before it is cut off.
    static constexpr qint64 kMaxUnsentBytes = 64 * 1024;
    static constexpr int kMaxClients = 32;
    /// Lines served per pass of the main loop at most; a line that talked to
    /// the radio ends the pass's share, so the keep-alive and the panel's
    /// own requests come in between.
    static constexpr int kMaxLinesPerPass = 8;

    /// pending is raised while lines (or a release) wait for serve().
    explicit RigctlServer(bool& pending, QObject* parent = nullptr);
    ~RigctlServer() override;

    /// The address an operator typed: an IP address, or "localhost" for
    /// this computer; nothing for anything else (names are never looked up,
    /// so the server cannot end up on an address nobody typed).
    static std::optional<QHostAddress> listenAddress(const QString& text);

    /// Listens on the address and port, dropping any earlier clients;
    /// the reason on failure.
    std::optional<QString> listen(const QHostAddress& address, quint16 port);
    /// Stops listening and drops every client.
    void stop();

    bool isListening() const { return m_server.isListening(); }
    quint16 serverPort() const { return m_server.serverPort(); }
    QHostAddress serverAddress() const { return m_server.serverAddress(); }
    int clientCount() const { return static_cast<int>(m_clients.size()); }
    /// Complete lines waiting to be served.
    int queuedLines() const { return static_cast<int>(m_lines.size()); }

    /// The main loop's request: releases the transmitter a dropped client
    /// held, then serves waiting lines and writes their replies. A failure
    /// of the radio link under a line is answered "RPRT -6" and passed on.
    void serve(RigAccess& rig);

private:
    struct Client {
        QTcpSocket* socket = nullptr;
        int queued = 0;
        /// Inside an over-long line: skip to its end.
        bool discarding = false;
    };
    struct Line {
        quint64 client = 0;
        QString text;
        bool oversized = false;
    };

    void acceptClients();
    void takeLines(quint64 id);
    void write(quint64 id, const QByteArray& reply);
    void dropClient(quint64 id);
    void updatePending();

    QTcpServer m_server;
    bool& m_pending;
    quint64 m_nextId = 1;
    std::map<quint64, Client> m_clients;
    std::deque<Line> m_lines;
    /// The client whose request latched the transmitter.
    std::optional<quint64> m_holder;
    bool m_releaseWanted = false;
};

}  // namespace tq::rigctl
