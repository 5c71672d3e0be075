#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <deque>
#include <map>
#include <optional>

#include "rigctl/RigAccess.h"

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace tq::link {
class Clock;
}

namespace tq::rigctl {

/// Hamlib-compatible network rig control: accepts clients on a TCP port and
/// answers each command line as it arrives.
///
/// Lines are served in the socket's own read handling, against a RigAccess
/// that never waits for the radio, so nothing here runs from the main loop
/// and no client waits for another's radio work. Clients take turns: one
/// gets at most kLinesPerTurn lines answered before the others are served,
/// so a client sending hundreds of lines at once delays another's poll by a
/// few lines only. The port keeps its door shut: a connection that opens
/// like an HTTP request (a browser sent there by a web page) is closed with
/// nothing it sent acted on; a client silent for kIdleSeconds is closed, and
/// when every place is taken the longest silent client gives way to a
/// newcomer. Every buffer is bounded: Qt reads at most kReadBufferSize
/// bytes ahead (the rest waits in the kernel, which then slows the sender),
/// an over-long line is discarded and answered with an error, and a client
/// that stops reading its replies is cut off. A client that goes away while
/// its request holds the transmitter has the transmitter released.
///
/// It keeps no state outside itself and makes its sockets and timer its own
/// children, so it may live in any thread; the clock and the rig it is given
/// must be usable from that thread.
class RigctlServer : public QObject {
    Q_OBJECT

public:
    /// Longest command line taken; Hamlib's own lines are under 100 bytes.
    static constexpr qsizetype kMaxLineLength = 1024;
    /// Bytes read ahead from one client's connection.
    static constexpr qint64 kReadBufferSize = 4096;
    /// Reply bytes a client may leave unread before it is cut off.
    static constexpr qint64 kMaxUnsentBytes = 64 * 1024;
    static constexpr int kMaxClients = 32;
    /// Lines one client has answered before the others get their turn. A
    /// line holds at most a few commands, each answered without the radio,
    /// so a turn is short; Hamlib's clients send one line and await its
    /// reply, so a poll takes one turn.
    static constexpr int kLinesPerTurn = 4;
    /// Silence after which a client is closed. Hamlib's programs (WSJT-X,
    /// fldigi, GPredict) poll every second or every few seconds, so five
    /// minutes is far beyond any poll interval and closes only connections
    /// nobody uses: ones left behind by a program that hung, or opened only
    /// to hold places.
    static constexpr double kIdleSeconds = 300.0;
    /// How often silent clients are looked for, while any are connected.
    static constexpr int kIdleCheckIntervalMs = 1000;

    RigctlServer(RigAccess& rig, link::Clock& clock, QObject* parent = nullptr);
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

    bool isListening() const;
    quint16 serverPort() const;
    QHostAddress serverAddress() const;
    int clientCount() const { return static_cast<int>(m_clients.size()); }

    /// Closes every client silent for kIdleSeconds, by the clock. A timer
    /// runs it while clients are connected; tests on a virtual clock run it
    /// after moving the clock on.
    void closeIdleClients();

private:
    struct Client {
        QTcpSocket* socket = nullptr;
        /// Clock reading when it last sent anything (or connected).
        double lastHeard = 0;
        /// Its first line was looked at and is no HTTP.
        bool vetted = false;
        /// Inside an over-long line: skip to its end.
        bool discarding = false;
        /// In the queue of clients waiting for their next turn.
        bool waiting = false;
        /// Asked to quit: nothing more of it is served.
        bool closing = false;
    };
    struct Line {
        QByteArray text;
        bool oversized = false;
    };

    Client* find(quint64 id);
    void acceptClients();
    void makeRoom();
    void received(quint64 id);
    void serveTurn(quint64 id);
    void nextTurn();
    void wait(quint64 id);
    void postTurn();
    std::optional<Line> takeLine(Client& client);
    bool hasLine(const Client& client) const;
    void serveLine(quint64 id, const Line& line);
    void write(quint64 id, const QByteArray& reply);
    void dropClient(quint64 id);
    void dropAll();
    void noteReleaseAtPanel();
    double silence(Client& client);

    RigAccess& m_rig;
    link::Clock& m_clock;
    QTcpServer* m_server;
    QTimer* m_idleCheck;
    quint64 m_nextId = 1;
    std::map<quint64, Client> m_clients;
    /// Clients with lines left after their turn, in the order they queued.
    std::deque<quint64> m_turns;
    /// A call of nextTurn() is posted and not yet run.
    bool m_turnPosted = false;
    /// A turn is being served: a client heard meanwhile waits for its own.
    bool m_serving = false;
    /// The client whose request latched the transmitter.
    std::optional<quint64> m_holder;
};

}  // namespace tq::rigctl
