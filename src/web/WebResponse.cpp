#include "web/WebResponse.h"

#include <array>
#include <utility>

namespace tq::web {

namespace {

constexpr std::array<std::pair<int, const char*>, 10> kReasons{{
    {200, "OK"},
    {303, "See Other"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {413, "Payload Too Large"},
    {429, "Too Many Requests"},
    {503, "Service Unavailable"},
}};

QByteArray reasonOf(int status) {
    for (const auto& [code, reason] : kReasons) {
        if (code == status) {
            return reason;
        }
    }
    return "Status";
}

}  // namespace

QByteArray contentSecurityPolicy() {
    return "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
           "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'";
}

WebResponse WebResponse::content(QByteArray body, QByteArray contentType, int status) {
    WebResponse response;
    response.status = status;
    response.contentType = std::move(contentType);
    response.body = std::move(body);
    return response;
}

WebResponse WebResponse::text(int status, const QString& message) {
    return content(message.toUtf8() + '\n', "text/plain; charset=utf-8", status);
}

WebResponse WebResponse::redirect(const QByteArray& location) {
    WebResponse response;
    response.status = 303;
    response.headers.append({"Location", location});
    return response;
}

QByteArray WebResponse::toHttp(bool headOnly) const {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonOf(status) + "\r\n";
    const auto add = [&out](const QByteArray& name, const QByteArray& value) {
        out += name + ": " + value + "\r\n";
    };
    add("Content-Type", contentType);
    add("Content-Length", QByteArray::number(body.size()));
    add("Content-Security-Policy", contentSecurityPolicy());
    add("X-Content-Type-Options", "nosniff");
    add("X-Frame-Options", "DENY");
    // The access token is in the first address; no page passes it on to
    // another site. (Not no-referrer: a browser then sends "Origin: null"
    // with the login form, which the origin check has to refuse.)
    add("Referrer-Policy", "same-origin");
    // The panel is live state behind a login: nothing is kept in caches.
    add("Cache-Control", "no-store");
    for (const auto& [name, value] : headers) {
        add(name, value);
    }
    out += "\r\n";
    if (!headOnly) {
        out += body;
    }
    return out;
}

}  // namespace tq::web
