#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <optional>
#include <variant>

#include "web/LoginThrottle.h"
#include "web/SessionStore.h"
#include "web/WebRequest.h"
#include "web/WebResponse.h"

namespace tq::web {

/// A password to check against the stored hash before the login can be
/// answered; checking is slow on purpose, so it runs off the
/// user-interface thread and comes back to WebRoutes::finishLogin.
struct PasswordCheck {
    QString password;
    QString storedHash;
    QHostAddress peer;
};

using RouteOutcome = std::variant<WebResponse, PasswordCheck>;

/// The web panel's HTTP side: which page or file a request gets, logging
/// in and out, and the checks in front of them. Nothing but the login page
/// and its style sheet is served without a session.
class WebRoutes {
public:
    static constexpr const char* kCookieName = "tq5820_session";
    /// Largest request body taken (a login form is a few dozen bytes).
    static constexpr qsizetype kMaxBody = 4096;

    WebRoutes(SessionStore& sessions, LoginThrottle& throttle);

    /// How the server listens: TLS adds Secure to the cookie and makes
    /// https the page's own origin; on loopback only loopback host names
    /// are answered, which stops a foreign site from reaching the panel by
    /// pointing a name of its own at this computer.
    void setListening(bool secure, bool loopback, quint16 port);
    void setPasswordHash(std::optional<QString> hash);
    bool hasPassword() const { return m_passwordHash.has_value(); }

    RouteOutcome handle(const WebRequest& request);
    /// The answer to a login once its password has been checked.
    WebResponse finishLogin(const PasswordCheck& check, bool matched);

    /// The request's session when it carries a valid one.
    std::optional<QString> sessionOf(const WebRequest& request);
    /// Whether the Host header names this server (always true beyond
    /// loopback, where the names are the operator's business).
    bool hostAllowed(const QByteArray& host) const;
    /// Whether the Origin header is this server's own origin.
    bool sameOrigin(const WebRequest& request) const;

private:
    using Route = WebResponse (WebRoutes::*)(const WebRequest&);

    RouteOutcome login(const WebRequest& request);
    WebResponse panel(const WebRequest& request);
    WebResponse loginForm(const WebRequest& request);
    WebResponse logout(const WebRequest& request);
    WebResponse loginPage(const QString& message, int status = 200) const;
    QByteArray sessionCookie(const QString& id);
    QByteArray expiredCookie() const;

    SessionStore& m_sessions;
    LoginThrottle& m_throttle;
    std::optional<QString> m_passwordHash;
    bool m_secure = false;
    bool m_loopback = true;
    quint16 m_port = 0;
};

}  // namespace tq::web
