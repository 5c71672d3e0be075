#include "web/HttpFront.h"

namespace tq::web {

HttpFront::HttpFront(Handler handler, QObject* parent)
    : QAbstractHttpServer(parent), m_handler(std::move(handler)) {}

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    m_handler(request, socket);
    return true;
}

void HttpFront::missingHandler(const QHttpServerRequest&, QTcpSocket*) {
    // Never reached: handleRequest answers every request.
}

}  // namespace tq::web
