#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace tq::web {

/// One HTTP response of the web panel. Every response leaves with the same
/// protective headers (see toHttp), whichever route made it.
struct WebResponse {
    int status = 200;
    QByteArray contentType = "text/plain; charset=utf-8";
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    static WebResponse content(QByteArray body, QByteArray contentType, int status = 200);
    static WebResponse text(int status, const QString& message);
    /// 303 See Other: the browser fetches the location with GET.
    static WebResponse redirect(const QByteArray& location);

    /// The whole response on the wire (HTTP/1.1), with the content security
    /// policy and the other protective headers; a HEAD request gets the
    /// headers alone.
    QByteArray toHttp(bool headOnly = false) const;
};

/// The content security policy of every response: only the program's own
/// scripts, styles and WebSocket, no inline script or style, no frames, no
/// form posting elsewhere.
QByteArray contentSecurityPolicy();

}  // namespace tq::web
