#include "rigctl/RigctlServer.h"

#include <QMetaObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "link/Clock.h"
#include "rigctl/HttpLine.h"
#include "rigctl/RigctlLine.h"

namespace tq::rigctl {

RigctlServer::RigctlServer(RigAccess& rig, link::Clock& clock, QObject* parent)
    : QObject(parent),
      m_rig(rig),
      m_clock(clock),
      m_server(new QTcpServer(this)),
      m_idleCheck(new QTimer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &RigctlServer::acceptClients);
    m_idleCheck->setInterval(kIdleCheckIntervalMs);
    connect(m_idleCheck, &QTimer::timeout, this, &RigctlServer::closeIdleClients);
}

RigctlServer::~RigctlServer() {
    // Whatever owns the rig may be gone already: close without a release,
    // and keep the sockets' last signals from reaching a half-destroyed
    // server.
    m_server->close();
    for (const auto& [id, client] : m_clients) {
        client.socket->disconnect(this);
        client.socket->abort();
    }
}

std::optional<QHostAddress> RigctlServer::listenAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"localhost", Qt::CaseInsensitive) == 0) {
        return QHostAddress(QHostAddress::LocalHost);
    }
    QHostAddress address;
    if (!address.setAddress(trimmed)) {
        return std::nullopt;
    }
    return address;
}

std::optional<QString> RigctlServer::listen(const QHostAddress& address, quint16 port) {
    stop();
    if (!m_server->listen(address, port)) {
        return m_server->errorString();
    }
    return std::nullopt;
}

void RigctlServer::stop() {
    m_server->close();
    dropAll();
}

bool RigctlServer::isListening() const {
    return m_server->isListening();
}

quint16 RigctlServer::serverPort() const {
    return m_server->serverPort();
}

QHostAddress RigctlServer::serverAddress() const {
    return m_server->serverAddress();
}

RigctlServer::Client* RigctlServer::find(quint64 id) {
    const auto found = m_clients.find(id);
    return found == m_clients.end() ? nullptr : &found->second;
}

void RigctlServer::acceptClients() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        makeRoom();
        const quint64 id = m_nextId++;
        // Qt stops reading from the kernel when this buffer is full, so a
        // client that floods us is slowed by TCP instead of filling memory.
        socket->setReadBufferSize(kReadBufferSize);
        Client& client = m_clients[id];
        client.socket = socket;
        client.lastHeard = m_clock.now();
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { received(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { dropClient(id); });
        if (!m_idleCheck->isActive()) {
            m_idleCheck->start();
        }
        received(id);
    }
}

void RigctlServer::makeRoom() {
    if (static_cast<int>(m_clients.size()) < kMaxClients) {
        return;
    }
    // A newcomer is more likely a program starting up than the client that
    // has said nothing for longest.
    std::optional<quint64> quietest;
    double longest = -1;
    for (auto& [id, client] : m_clients) {
        const double quiet = silence(client);
        if (quiet > longest) {
            longest = quiet;
            quietest = id;
        }
    }
    if (quietest) {
        dropClient(*quietest);
    }
}

void RigctlServer::received(quint64 id) {
    Client* client = find(id);
    if (client == nullptr) {
        return;
    }
    client->lastHeard = m_clock.now();
    if (client->waiting || m_serving) {
        wait(id);  // its lines are answered in its turn
        return;
    }
    serveTurn(id);
}

void RigctlServer::serveTurn(quint64 id) {
    m_serving = true;
    for (int served = 0; served < kLinesPerTurn; ++served) {
        Client* client = find(id);
        if (client == nullptr || client->closing) {
            break;
        }
        const std::optional<Line> line = takeLine(*client);
        if (!line) {
            break;
        }
        serveLine(id, *line);
    }
    m_serving = false;
    if (const Client* client = find(id);
        client != nullptr && !client->closing && hasLine(*client)) {
        wait(id);
    }
    postTurn();
}

void RigctlServer::nextTurn() {
    m_turnPosted = false;
    if (m_serving || m_turns.empty()) {
        return;  // the turn being served posts the next one when it ends
    }
    const quint64 id = m_turns.front();
    m_turns.pop_front();
    if (Client* client = find(id)) {
        client->waiting = false;
        serveTurn(id);
    } else {
        postTurn();
    }
}

void RigctlServer::wait(quint64 id) {
    Client* client = find(id);
    if (client == nullptr || client->waiting) {
        return;
    }
    client->waiting = true;
    m_turns.push_back(id);
    postTurn();
}

void RigctlServer::postTurn() {
    if (m_turnPosted || m_serving || m_turns.empty()) {
        return;
    }
    // Queued, so every socket heard meanwhile is served before the next turn.
    m_turnPosted = true;
    QMetaObject::invokeMethod(this, &RigctlServer::nextTurn, Qt::QueuedConnection);
}

std::optional<RigctlServer::Line> RigctlServer::takeLine(Client& client) {
    QTcpSocket* socket = client.socket;
    for (;;) {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() >= kMaxLineLength) {
                socket->read(socket->bytesAvailable());
                client.discarding = true;
                continue;
            }
            return std::nullopt;
        }
        const QByteArray raw = socket->readLine(kMaxLineLength + 2);
        if (!raw.endsWith('\n')) {
            client.discarding = true;
            continue;
        }
        if (client.discarding) {
            client.discarding = false;
            return Line{{}, true};
        }
        return Line{raw.chopped(raw.endsWith("\r\n") ? 2 : 1), false};
    }
}

bool RigctlServer::hasLine(const Client& client) const {
    return client.socket->canReadLine() || client.socket->bytesAvailable() >= kMaxLineLength;
}

void RigctlServer::serveLine(quint64 id, const Line& line) {
    Client* client = find(id);
    if (!client->vetted) {
        // The first line with anything on it decides. A browser's request
        // starts with its request line, whose target may be long: a first
        // line longer than any command line is taken for one as well.
        if (line.oversized || looksLikeHttp(line.text)) {
            dropClient(id);
            return;
        }
        client->vetted = !line.text.trimmed().isEmpty();
    }
    noteReleaseAtPanel();
    const bool latchedBefore = m_rig.transmitLatched();
    LineOutcome outcome;
    if (line.oversized) {
        outcome.reply = QByteArrayLiteral("RPRT -1\n");
    } else {
        outcome = serveRigctlLine(QString::fromLatin1(line.text), m_rig);
    }
    if (outcome.transmitSet == false) {
        m_holder.reset();
    } else if (outcome.transmitSet == true && (!latchedBefore || m_holder)) {
        // A latch the operator made at the panel stays the operator's.
        m_holder = id;
    }
    write(id, outcome.reply);
    if (outcome.close) {
        if (Client* closing = find(id)) {
            closing->closing = true;
            closing->socket->disconnectFromHost();
        }
    }
}

void RigctlServer::write(quint64 id, const QByteArray& reply) {
    Client* client = find(id);
    if (client == nullptr || reply.isEmpty()) {
        return;
    }
    if (client->socket->bytesToWrite() + reply.size() > kMaxUnsentBytes) {
        dropClient(id);  // it does not read what it asks for
        return;
    }
    client->socket->write(reply);
    client->socket->flush();
}

void RigctlServer::dropClient(quint64 id) {
    const auto found = m_clients.find(id);
    if (found == m_clients.end()) {
        return;
    }
    QTcpSocket* socket = found->second.socket;
    m_clients.erase(found);
    std::erase(m_turns, id);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (m_clients.empty()) {
        m_idleCheck->stop();
    }
    noteReleaseAtPanel();
    if (m_holder == id) {
        m_holder.reset();
        m_rig.setTransmit(false);
    }
}

void RigctlServer::dropAll() {
    std::vector<quint64> ids;
    for (const auto& [id, client] : m_clients) {
        ids.push_back(id);
    }
    for (quint64 id : ids) {
        dropClient(id);
    }
}

void RigctlServer::noteReleaseAtPanel() {
    // Released at the panel meanwhile: a latch made there later is the
    // operator's, not the client's.
    if (m_holder && !m_rig.transmitLatched()) {
        m_holder.reset();
    }
}

void RigctlServer::closeIdleClients() {
    noteReleaseAtPanel();
    std::vector<quint64> idle;
    for (auto& [id, client] : m_clients) {
        if (silence(client) >= kIdleSeconds) {
            idle.push_back(id);
        }
    }
    for (quint64 id : idle) {
        dropClient(id);
    }
}

double RigctlServer::silence(Client& client) {
    return link::elapsedSince(m_clock, client.lastHeard);
}

}  // namespace tq::rigctl
