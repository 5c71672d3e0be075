#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

namespace tq::web {

/// One HTTP request as the web panel's routes see it, free of the server
/// that received it, so the routes are tested without a socket.
struct WebRequest {
    QByteArray method;
    QString path;
    QUrlQuery query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QHostAddress peer;

    /// The header's value (names compare without case); empty when absent.
    QByteArray header(const QByteArray& name) const;
    /// The value of the named cookie in the Cookie header; empty when absent.
    QString cookie(const QByteArray& name) const;
};

}  // namespace tq::web
