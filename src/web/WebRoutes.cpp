#include "web/WebRoutes.h"

#include <array>
#include <cmath>

#include "web/WebAssets.h"

namespace tq::web {

namespace {

const QString kNoPassword = QStringLiteral(
    "No password is set. Open the access address the program printed when it started, or set a "
    "password in Setup > Station Software Links.");
const QString kTokenSpent = QStringLiteral(
    "This access address has been used already or is from an earlier start of the program.");

bool isGet(const WebRequest& request) {
    return request.method == "GET" || request.method == "HEAD";
}

QString htmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Form fields arrive with blanks as "+", which QUrlQuery leaves alone.
QString formField(const QByteArray& body, const QString& name) {
    QByteArray decoded = body;
    decoded.replace('+', "%20");
    return QUrlQuery(QString::fromLatin1(decoded)).queryItemValue(name, QUrl::FullyDecoded);
}

}  // namespace

WebRoutes::WebRoutes(SessionStore& sessions, LoginThrottle& throttle)
    : m_sessions(sessions), m_throttle(throttle) {}

void WebRoutes::setListening(bool secure, bool loopback, quint16 port) {
    m_secure = secure;
    m_loopback = loopback;
    m_port = port;
}

void WebRoutes::setPasswordHash(std::optional<QString> hash) {
    m_passwordHash = std::move(hash);
}

bool WebRoutes::hostAllowed(const QByteArray& host) const {
    if (!m_loopback) {
        return !host.isEmpty();
    }
    const QByteArray port = ':' + QByteArray::number(m_port);
    for (const char* name : {"127.0.0.1", "localhost", "[::1]"}) {
        if (host == name + port) {
            return true;
        }
    }
    return false;
}

bool WebRoutes::sameOrigin(const WebRequest& request) const {
    const QByteArray expected =
        (m_secure ? QByteArray("https://") : QByteArray("http://")) + request.header("Host");
    return !request.header("Host").isEmpty() && request.header("Origin") == expected;
}

std::optional<QString> WebRoutes::sessionOf(const WebRequest& request) {
    const QString id = request.cookie(kCookieName);
    if (m_sessions.isValid(id)) {
        return id;
    }
    return std::nullopt;
}

RouteOutcome WebRoutes::handle(const WebRequest& request) {
    if (!hostAllowed(request.header("Host"))) {
        return WebResponse::text(400, QStringLiteral("Unknown host."));
    }
    if (request.body.size() > kMaxBody) {
        return WebResponse::text(413, QStringLiteral("Request too large."));
    }
    struct Row {
        const char* path;
        bool post;
        Route route;
    };
    static constexpr std::array<Row, 3> kPages{{
        {"/", false, &WebRoutes::panel},
        {"/login", false, &WebRoutes::loginForm},
        {"/logout", true, &WebRoutes::logout},
    }};
    if (request.path == u"/login" && request.method == "POST") {
        return login(request);
    }
    for (const Row& row : kPages) {
        if (request.path == QLatin1String(row.path)) {
            const bool methodFits = row.post ? request.method == "POST" : isGet(request);
            return methodFits ? (this->*row.route)(request)
                              : WebResponse::text(405, QStringLiteral("Method not allowed."));
        }
    }
    const std::optional<WebAsset> asset = webAsset(request.path);
    const bool loggedIn = sessionOf(request).has_value();
    if (asset && isGet(request) && (asset->isPublic || loggedIn)) {
        return WebResponse::content(asset->body, asset->contentType);
    }
    if (!loggedIn) {
        return WebResponse::text(401, QStringLiteral("Log in first."));
    }
    return WebResponse::text(404, QStringLiteral("Not found."));
}

WebResponse WebRoutes::panel(const WebRequest& request) {
    const QString token = request.query.queryItemValue(QStringLiteral("token"));
    if (!token.isEmpty()) {
        if (!m_sessions.redeemAccessToken(token)) {
            return loginPage(kTokenSpent, 403);
        }
        // The redirect takes the token out of the address bar and history.
        WebResponse response = WebResponse::redirect("/");
        response.headers.append({"Set-Cookie", sessionCookie(m_sessions.create())});
        return response;
    }
    if (!sessionOf(request)) {
        return WebResponse::redirect("/login");
    }
    const std::optional<WebAsset> page = webAsset(QStringLiteral("/"));
    return page ? WebResponse::content(page->body, page->contentType)
                : WebResponse::text(404, QStringLiteral("Not found."));
}

WebResponse WebRoutes::loginForm(const WebRequest& request) {
    if (sessionOf(request)) {
        return WebResponse::redirect("/");
    }
    return loginPage(m_passwordHash ? QString() : kNoPassword);
}

RouteOutcome WebRoutes::login(const WebRequest& request) {
    if (!sameOrigin(request) && !request.header("Origin").isEmpty()) {
        return WebResponse::text(403, QStringLiteral("Foreign origin."));
    }
    const double wait = m_throttle.waitFor(request.peer);
    if (wait > 0.0) {
        return loginPage(QStringLiteral("Too many wrong passwords: wait %1 s and try again.")
                             .arg(static_cast<int>(std::ceil(wait))),
                         429);
    }
    if (!m_passwordHash) {
        return loginPage(kNoPassword, 403);
    }
    const QString password = formField(request.body, QStringLiteral("password"));
    if (password.isEmpty()) {
        return loginPage(QStringLiteral("Enter the password."), 400);
    }
    return PasswordCheck{password, *m_passwordHash, request.peer};
}

WebResponse WebRoutes::finishLogin(const PasswordCheck& check, bool matched) {
    if (!matched) {
        m_throttle.failed(check.peer);
        return loginPage(QStringLiteral("Wrong password."), 401);
    }
    m_throttle.succeeded(check.peer);
    WebResponse response = WebResponse::redirect("/");
    response.headers.append({"Set-Cookie", sessionCookie(m_sessions.create())});
    return response;
}

WebResponse WebRoutes::logout(const WebRequest& request) {
    if (!sameOrigin(request) && !request.header("Origin").isEmpty()) {
        return WebResponse::text(403, QStringLiteral("Foreign origin."));
    }
    m_sessions.remove(request.cookie(kCookieName));
    WebResponse response = WebResponse::redirect("/login");
    response.headers.append({"Set-Cookie", expiredCookie()});
    return response;
}

WebResponse WebRoutes::loginPage(const QString& message, int status) const {
    const std::optional<WebAsset> page = webAsset(QStringLiteral("/login"));
    QByteArray body = page ? page->body : QByteArray();
    const QByteArray note = message.isEmpty()
                                ? QByteArray()
                                : "<p class=\"message\">" + htmlEscaped(message).toUtf8() + "</p>";
    body.replace("<!--message-->", note);
    return WebResponse::content(body, "text/html; charset=utf-8", status);
}

QByteArray WebRoutes::sessionCookie(const QString& id) {
    const auto age = static_cast<qint64>(m_sessions.remaining(id));
    return QByteArray(kCookieName) + '=' + id.toLatin1() +
           "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" + QByteArray::number(age) +
           (m_secure ? "; Secure" : "");
}

QByteArray WebRoutes::expiredCookie() const {
    return QByteArray(kCookieName) + "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0" +
           (m_secure ? "; Secure" : "");
}

}  // namespace tq::web
