#pragma once

#include <QAbstractHttpServer>
#include <functional>

class QTcpSocket;

namespace tq::web {

/// Qt's HTTP server with every request handed to one function together
/// with its connection, so the web panel routes requests itself, writes
/// the whole response itself (every response carries the same protective
/// headers) and can answer later, once a slow password check is done.
class HttpFront final : public QAbstractHttpServer {
public:
    using Handler = std::function<void(const QHttpServerRequest&, QTcpSocket*)>;

    explicit HttpFront(Handler handler, QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Handler m_handler;
};

}  // namespace tq::web
