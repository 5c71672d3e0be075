#include "web/HttpFront.h"

namespace tq::web {

HttpFront::HttpFront(Handler handler, Refusal refusal, QObject* parent)
    : QAbstractHttpServer(parent), m_handler(std::move(handler)), m_refusal(std::move(refusal)) {}

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    return m_handler(request, socket);
}

void HttpFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    m_refusal(request, socket);
}

}  // namespace tq::web
