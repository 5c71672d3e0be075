#include "rigctl/RigctlServer.h"

#include <QTcpSocket>
#include <vector>

#include "rigctl/RigctlLine.h"

namespace tq::rigctl {

RigctlServer::RigctlServer(bool& pending, QObject* parent) : QObject(parent), m_pending(pending) {
    connect(&m_server, &QTcpServer::newConnection, this, &RigctlServer::acceptClients);
}

RigctlServer::~RigctlServer() {
    stop();
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
    if (!m_server.listen(address, port)) {
        return m_server.errorString();
    }
    return std::nullopt;
}

void RigctlServer::stop() {
    m_server.close();
    std::vector<quint64> ids;
    for (const auto& [id, client] : m_clients) {
        ids.push_back(id);
    }
    for (quint64 id : ids) {
        dropClient(id);
    }
}

void RigctlServer::acceptClients() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (static_cast<int>(m_clients.size()) >= kMaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const quint64 id = m_nextId++;
        // Qt stops reading from the kernel when this buffer is full, so a
        // client that floods us is slowed by TCP instead of filling memory.
        socket->setReadBufferSize(kReadBufferSize);
        m_clients[id].socket = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { takeLines(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { dropClient(id); });
        takeLines(id);
    }
}

void RigctlServer::takeLines(quint64 id) {
    const auto found = m_clients.find(id);
    if (found == m_clients.end()) {
        return;
    }
    Client& client = found->second;
    QTcpSocket* socket = client.socket;
    while (client.queued < kMaxQueuedLinesPerClient) {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() >= kMaxLineLength) {
                socket->read(socket->bytesAvailable());
                client.discarding = true;
                continue;
            }
            break;
        }
        const QByteArray raw = socket->readLine(kMaxLineLength + 2);
        if (!raw.endsWith('\n')) {
            client.discarding = true;
            continue;
        }
        Line line;
        line.client = id;
        if (client.discarding) {
            client.discarding = false;
            line.oversized = true;
        } else {
            line.text = QString::fromLatin1(raw.chopped(raw.endsWith("\r\n") ? 2 : 1));
        }
        ++client.queued;
        m_lines.push_back(std::move(line));
    }
    updatePending();
}

void RigctlServer::write(quint64 id, const QByteArray& reply) {
    const auto found = m_clients.find(id);
    if (found == m_clients.end() || reply.isEmpty()) {
        return;
    }
    QTcpSocket* socket = found->second.socket;
    if (socket->bytesToWrite() + reply.size() > kMaxUnsentBytes) {
        dropClient(id);  // it does not read what it asks for
        return;
    }
    socket->write(reply);
    socket->flush();
}

void RigctlServer::dropClient(quint64 id) {
    const auto found = m_clients.find(id);
    if (found == m_clients.end()) {
        return;
    }
    QTcpSocket* socket = found->second.socket;
    m_clients.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    std::erase_if(m_lines, [id](const Line& line) { return line.client == id; });
    if (m_holder == id) {
        m_holder.reset();
        m_releaseWanted = true;
    }
    updatePending();
}

void RigctlServer::serve(RigAccess& rig) {
    if (m_holder && !rig.transmitLatched()) {
        m_holder.reset();  // let go at the panel meanwhile
    }
    if (m_releaseWanted) {
        m_releaseWanted = false;
        if (rig.transmitLatched()) {
            rig.setTransmit(false);
        }
    }
    for (int served = 0; served < kMaxLinesPerPass && !m_lines.empty(); ++served) {
        const Line line = std::move(m_lines.front());
        m_lines.pop_front();
        if (const auto found = m_clients.find(line.client); found != m_clients.end()) {
            --found->second.queued;
        }
        const bool latchedBefore = rig.transmitLatched();
        LineOutcome outcome;
        if (line.oversized) {
            outcome.reply = QByteArrayLiteral("RPRT -1\n");
        } else {
            try {
                outcome = serveRigctlLine(line.text, rig);
            } catch (...) {
                // The radio link failed under the request: the client still
                // gets its one reply, and the failure goes on to the main
                // loop, which restarts from its set-up.
                write(line.client, QByteArrayLiteral("RPRT -6\n"));
                updatePending();
                throw;
            }
        }
        const bool connected = m_clients.contains(line.client);
        if (outcome.transmitSet == false) {
            m_holder.reset();
        } else if (outcome.transmitSet == true) {
            if (!connected && !latchedBefore) {
                // Gone while its request ran: it cannot hold the transmitter.
                rig.setTransmit(false);
            } else if (connected && (!latchedBefore || m_holder)) {
                m_holder = line.client;
            }
        }
        if (connected) {
            write(line.client, outcome.reply);
            if (outcome.close) {
                if (const auto found = m_clients.find(line.client); found != m_clients.end()) {
                    found->second.socket->disconnectFromHost();
                }
            } else {
                takeLines(line.client);
            }
        }
        if (outcome.radioWork) {
            break;
        }
    }
    updatePending();
}

void RigctlServer::updatePending() {
    m_pending = !m_lines.empty() || m_releaseWanted;
}

}  // namespace tq::rigctl
