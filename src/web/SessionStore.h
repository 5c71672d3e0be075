#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "web/WebTime.h"

namespace tq::web {

/// Who is logged in to the web panel: random session identifiers, each
/// good for a fixed time from its login, and the one-time access token that
/// logs a browser in when no password is set.
class SessionStore {
public:
    /// How long a login lasts; the session cookie carries the same age.
    static constexpr double kLifetime = 12 * 3600.0;
    /// Logins kept at most; the oldest goes first when another arrives.
    static constexpr std::size_t kMaxSessions = 64;

    explicit SessionStore(WebTime& time);

    /// A new session, good for kLifetime from now.
    QString create();
    /// Whether the identifier names a session that has not expired.
    bool isValid(const QString& id);
    /// Seconds the session has left (0 when there is none).
    double remaining(const QString& id);
    void remove(const QString& id);
    /// Drops expired sessions and returns their identifiers, so their open
    /// pages can be closed.
    QStringList expire();
    int count() const { return static_cast<int>(m_expiry.size()); }

    /// Makes a new access token, replacing any earlier one.
    QString issueAccessToken();
    /// True, and the token spent, when it is the current access token.
    bool redeemAccessToken(const QString& token);
    bool hasAccessToken() const { return m_accessToken.has_value(); }

private:
    WebTime& m_time;
    std::map<QString, double> m_expiry;
    std::optional<QString> m_accessToken;
};

}  // namespace tq::web
