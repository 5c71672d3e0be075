#pragma once

#include <QAbstractHttpServer>
#include <functional>

class QTcpSocket;

namespace tq::web {

/// Qt's HTTP server with every request handed to one function together
/// with its connection, so the web panel routes requests itself, writes
/// the whole response itself (every response carries the same protective
/// headers) and can answer later, once a slow password check is done.
///
/// A WebSocket handshake goes to the same function first: true lets Qt
/// complete it (the function writes nothing then), false refuses it, and
/// the refusal function answers the request before Qt closes the
/// connection, so an unwanted WebSocket is never opened.
class HttpFront final : public QAbstractHttpServer {
public:
    using Handler = std::function<bool(const QHttpServerRequest&, QTcpSocket*)>;
    using Refusal = std::function<void(const QHttpServerRequest&, QTcpSocket*)>;

    HttpFront(Handler handler, Refusal refusal, QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Handler m_handler;
    Refusal m_refusal;
};

}  // namespace tq::web
