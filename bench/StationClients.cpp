#include "StationClients.h"

#include <QTcpServer>

#include "BenchStats.h"
#include "support/PtyPair.h"

namespace tq::bench {

Exchange catExchange(link::PtyPair& station, const QByteArray& request, int replyLength,
                     int limitMs) {
    Exchange result;
    const double start = steadyMs();
    station.send(request);
    while (result.reply.size() < replyLength) {
        const int left = static_cast<int>(start + limitMs - steadyMs());
        if (left <= 0) {
            break;
        }
        const QByteArray got =
            station.receive(replyLength - static_cast<int>(result.reply.size()), left);
        if (got.isEmpty()) {
            break;
        }
        result.reply += got;
    }
    result.ms = steadyMs() - start;
    result.answered = result.reply.size() >= replyLength;
    if (!result.answered) {
        result.reply += station.receive(1 << 16, 200);
    }
    return result;
}

bool RigctlClient::connectTo(quint16 port) {
    m_socket = std::make_unique<QTcpSocket>();
    m_socket->connectToHost(QHostAddress::LocalHost, port);
    if (!m_socket->waitForConnected(10000)) {
        return false;
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

Exchange RigctlClient::exchange(const QByteArray& line, int replyLines, int limitMs) {
    // A reply that came after an earlier request gave up belongs to that one.
    while (m_socket->waitForReadyRead(0)) {
        m_socket->readAll();
    }
    Exchange result;
    const double start = steadyMs();
    m_socket->write(line + '\n');
    m_socket->flush();
    while (result.reply.count('\n') < replyLines) {
        const int left = static_cast<int>(start + limitMs - steadyMs());
        if (left <= 0 || m_socket->state() != QAbstractSocket::ConnectedState) {
            break;
        }
        if (m_socket->bytesAvailable() == 0 && !m_socket->waitForReadyRead(left)) {
            continue;
        }
        result.reply += m_socket->readAll();
    }
    result.ms = steadyMs() - start;
    result.answered = result.reply.count('\n') >= replyLines;
    return result;
}

quint16 freeTcpPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace tq::bench
